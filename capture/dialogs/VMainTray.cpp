// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VMainTray.h"

#include "VCaptureModes.h"
#include "widgets/VShapedTrayPanel.h"
#include "widgets/VSystemTrayIcon.h"

#include <QAction>
#include <QIcon>
#include <QTimer>
#include <QToolButton>

#include <utility>

VMainTray::VMainTray(QWidget* pMainWindow, int regionType, std::function<bool()> isAvailable)
    : QObject(pMainWindow)
    , m_pIcon(new VSystemTrayIcon(pMainWindow, QIcon(QStringLiteral(":/images/App16.png"))))
    , m_isAvailable(std::move(isAvailable))
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
    emit watched(available);
    // Once a tray is there, its icon is what reaches the program.
    if (available) {
        if (m_pWatch)
            m_pWatch->stop();
        return;
    }
    if (!m_pWatch) {
        m_pWatch = new QTimer(this);
        m_pWatch->setInterval(1000);
        connect(m_pWatch, &QTimer::timeout, this, &VMainTray::watch);
    }
    m_pWatch->start();
}
