// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VOverlayProperties.h"

#include "widgets/VWidgetPropertyBrowser.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFrame>
#include <QShortcut>
#include <QToolButton>

namespace {
constexpr int kWidth = 300;
constexpr int kMargin = 12;

// The row (possibly nested in the widget's layout) that holds a widget.
QBoxLayout* rowOf(QLayout* pLayout, QWidget* pWidget)
{
    if (!pLayout)
        return nullptr;
    if (auto* pRow = qobject_cast<QBoxLayout*>(pLayout); pRow && pRow->indexOf(pWidget) >= 0)
        return pRow;
    for (int i = 0; i < pLayout->count(); ++i) {
        if (QBoxLayout* pFound = rowOf(pLayout->itemAt(i)->layout(), pWidget))
            return pFound;
    }
    return nullptr;
}
} // namespace

VOverlayProperties::VOverlayProperties(QWidget* pOverlay, VCanvas* pCanvas, QToolButton* pAfter)
    : QObject(pOverlay)
    , m_pOverlay(pOverlay)
    , m_pPanel(new QFrame(pOverlay))
    , m_pButton(new QToolButton(pAfter->parentWidget()))
{
    m_pPanel->setObjectName(QStringLiteral("propertiesPanel"));
    m_pPanel->setFrameShape(QFrame::StyledPanel);
    m_pPanel->setAutoFillBackground(true);
    auto* pLayout = new QVBoxLayout(m_pPanel);
    pLayout->setContentsMargins(1, 1, 1, 1);
    pLayout->addWidget(new VWidgetPropertyBrowser(m_pPanel, pCanvas));
    m_pPanel->hide();

    // Like its neighbours in the row.
    m_pButton->setObjectName(QStringLiteral("toolButtonProperties"));
    m_pButton->setIcon(QIcon(QStringLiteral(":/images/properties.png")));
    m_pButton->setIconSize(pAfter->iconSize());
    m_pButton->setAutoRaise(true);
    m_pButton->setFocusPolicy(Qt::NoFocus);
    m_pButton->setCheckable(true);
    if (QBoxLayout* pRow = rowOf(pAfter->parentWidget()->layout(), pAfter))
        pRow->insertWidget(pRow->indexOf(pAfter) + 1, m_pButton);
    connect(m_pButton, &QToolButton::toggled, this, &VOverlayProperties::update);
    connect(new QShortcut(QKeySequence(Qt::Key_F4), pOverlay), &QShortcut::activated, this, [this] {
        if (m_bEditing)
            m_pButton->toggle();
    });
    retranslate();
    m_pButton->installEventFilter(this);
}

bool VOverlayProperties::isShown() const
{
    return m_pPanel->isVisible();
}

void VOverlayProperties::setEditing(bool on)
{
    m_bEditing = on;
    update();
}

void VOverlayProperties::place(int bottom)
{
    const int height = qMax(0, bottom - 2 * kMargin);
    // At the left: the help balloon takes the right corner.
    m_pPanel->setGeometry(kMargin, kMargin, kWidth, qMin(height, 520));
}

bool VOverlayProperties::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pButton && event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::eventFilter(watched, event);
}

void VOverlayProperties::update()
{
    const bool show = m_bEditing && m_pButton->isChecked();
    m_pPanel->setVisible(show);
    if (show)
        m_pPanel->raise();
}

void VOverlayProperties::retranslate()
{
    m_pButton->setToolTip(tr("Show or hide the properties of the selected items (F4)"));
    m_pButton->setAccessibleName(tr("Properties"));
}
