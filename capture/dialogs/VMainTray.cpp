// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VMainTray.h"

#include "VCaptureModes.h"
#include "widgets/VShapedTrayPanel.h"
#include "widgets/VSystemTrayIcon.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QIcon>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <utility>

VMainTray::VMainTray(QWidget* pMainWindow, int regionType, std::function<bool()> isAvailable,
                     std::function<bool()> isBusy)
    : QObject(pMainWindow)
    , m_pMainWindow(pMainWindow)
    , m_pIcon(new VSystemTrayIcon(pMainWindow, QIcon(QStringLiteral(":/images/App16.png"))))
    , m_isAvailable(std::move(isAvailable))
    , m_isBusy(std::move(isBusy))
{
    for (const VCaptureModes::Row& row : VCaptureModes::rows()) {
        const int mode = row.mode;
        const auto start = [this, mode] { emit captureRequested(mode); };
        const QString text = VCaptureModes::trayText(mode);
        const QIcon icon = VCaptureModes::icon(mode, regionType);
        QAction* pAction = m_pIcon->addAction(icon, text, nullptr, nullptr);
        connect(pAction, &QAction::triggered, this, start);
        QToolButton* pButton = m_pIcon->panel()->addButton(icon, text, nullptr, nullptr);
        connect(pButton, &QToolButton::clicked, this, start);
        m_modeActions[mode] = pAction;
        m_panelButtons[mode] = pButton;
    }
}

void VMainTray::setRegionIcon(const QIcon& icon)
{
    m_modeActions[VV::CaptureRegion]->setIcon(icon);
    m_panelButtons[VV::CaptureRegion]->setIcon(icon);
}

void VMainTray::disableMode(int mode, const QString& why)
{
    m_panelButtons[mode]->setEnabled(false);
    m_panelButtons[mode]->setToolTip(why);
    m_modeActions[mode]->setEnabled(false);
}

void VMainTray::retranslate()
{
    for (const VCaptureModes::Row& row : VCaptureModes::rows()) {
        m_modeActions[row.mode]->setText(VCaptureModes::trayText(row.mode));
        VShapedTrayPanel::setButtonText(m_panelButtons[row.mode],
                                        VCaptureModes::trayText(row.mode));
    }
}

void VMainTray::watch()
{
    const bool available = m_isAvailable();
    if (available != m_bAvailable) {
        m_bAvailable = available;
        emit availabilityChanged(available);
    }
    if (available) {
        // From now on the tray icon reaches the program.
        m_bEndWhenIdle = false;
        if (std::exchange(m_bHideWhenTrayComes, false) && m_pMainWindow->isMinimized())
            m_pMainWindow->hide();
        if (m_pWatch)
            m_pWatch->stop();
        return;
    }
    if (m_bEndWhenIdle && m_pMainWindow->isHidden() && !m_isBusy() &&
        !QGuiApplication::clipboard()->ownsClipboard()) {
        const QWidgetList windows = QApplication::topLevelWidgets();
        if (std::none_of(windows.begin(), windows.end(),
                         [](const QWidget* pWindow) { return pWindow->isVisible(); })) {
            QCoreApplication::quit();
            return;
        }
    }
    if (!m_pWatch) {
        m_pWatch = new QTimer(this);
        m_pWatch->setInterval(1000);
        connect(m_pWatch, &QTimer::timeout, this, &VMainTray::watch);
    }
    m_pWatch->start();
}

void VMainTray::endWhenIdle()
{
    m_bEndWhenIdle = true;
    watch();
}
