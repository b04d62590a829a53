// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VDeliveryNotice.h"

#include "VCaptureInfo.h"

#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QUrl>

#include <functional>

namespace {

constexpr int kShowMs = 4000;

// A label that opens the folder when clicked and goes away by itself.
class VDeliveryNote : public QLabel
{
public:
    VDeliveryNote(const QString& text, std::function<void()> onClick)
        : QLabel(text, nullptr, Qt::ToolTip | Qt::FramelessWindowHint)
        , m_onClick(std::move(onClick))
    {
        setAttribute(Qt::WA_DeleteOnClose);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setObjectName(QStringLiteral("deliveryNote"));
        setStyleSheet(QStringLiteral("QLabel { background: rgba(25, 33, 44, 235); color: white; "
                                     "border: 1px solid rgb(120, 130, 140); padding: 10px 16px; "
                                     "}"));
        QTimer::singleShot(kShowMs, this, &QWidget::close);
    }

protected:
    void mousePressEvent(QMouseEvent*) override
    {
        if (m_onClick)
            m_onClick();
        close();
    }

private:
    std::function<void()> m_onClick;
};

} // namespace

VDeliveryNotice::VDeliveryNotice(QSystemTrayIcon* pTray, QObject* pParent)
    : QObject(pParent), m_pTray(pTray)
{
    connect(m_pTray, &QSystemTrayIcon::messageClicked, this, &VDeliveryNotice::openFolder);
}

VDeliveryNotice::~VDeliveryNotice()
{
    delete m_pNote.data();
}

QString VDeliveryNotice::text(const VDelivery& delivery)
{
    switch (delivery.kind) {
    case VDelivery::Kind::Saved:
        return tr("Saved to %1\nClick to open its folder.")
            .arg(QDir::toNativeSeparators(delivery.path));
    case VDelivery::Kind::Copied:
        return tr("Copied to the clipboard.");
    case VDelivery::Kind::None:
        break;
    }
    return QString();
}

void VDeliveryNotice::announce(const VDelivery& delivery, const QRect& place)
{
    const QString message = text(delivery);
    if (message.isEmpty())
        return;
    m_folder = delivery.kind == VDelivery::Kind::Saved ? QFileInfo(delivery.path).absolutePath()
                                                       : QString();
    if (m_pTray->isVisible() && QSystemTrayIcon::isSystemTrayAvailable() &&
        QSystemTrayIcon::supportsMessages()) {
        m_pTray->showMessage(VCaptureInfo::displayName(), message, QSystemTrayIcon::Information,
                             kShowMs);
        return;
    }
    delete m_pNote.data();
    auto* pNote = new VDeliveryNote(message, [this] { openFolder(); });
    m_pNote = pNote;
    pNote->adjustSize();
    // Low in the middle of where the overlay was, clear of the picture's centre.
    const QRect area = place.isEmpty() ? QRect(QPoint(0, 0), pNote->size()) : place;
    pNote->move(area.center().x() - pNote->width() / 2,
                area.bottom() - area.height() / 6 - pNote->height());
    pNote->show();
}

void VDeliveryNotice::openFolder() const
{
    if (!m_folder.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(m_folder));
}
