// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VOverlayWindow.h"

#include "platform/VPlatformBackend.h"
#include "platform/VPlatformFactory.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

VOverlayWindow::VOverlayWindow(QWidget* pOverlay, QWidget* pFocus, QWidget* pClicked)
    : QObject(pOverlay), m_pOverlay(pOverlay), m_pFocus(pFocus), m_pClicked(pClicked)
{
    qApp->installEventFilter(this);
}

QRect VOverlayWindow::show(QRect placement)
{
    if (placement.isEmpty())
        placement = QGuiApplication::primaryScreen()->geometry();
    // Without a window manager nobody else would place a full-screen window.
    m_pOverlay->setGeometry(placement);
    QScreen* pMonitor = QGuiApplication::screenAt(placement.center());
    const bool bPlacesOwn = VPlatform::backend().placesOwnWindows();
    if (bPlacesOwn && pMonitor && pMonitor->geometry() != placement) {
        // Full screen is one monitor to a window manager; several are asked for as a window
        // above the others.
        // A change of flags may forget the geometry.
        m_pOverlay->setWindowFlag(Qt::WindowStaysOnTopHint);
        m_pOverlay->setGeometry(placement);
        m_pOverlay->show();
    } else {
        // Where the compositor places windows, only a monitor and full screen can be asked for.
        if (!bPlacesOwn)
            m_pOverlay->setScreen(pMonitor);
        m_pOverlay->showFullScreen();
    }
    take();
    return placement;
}

bool VOverlayWindow::eventFilter(QObject* pWatched, QEvent* event)
{
    if (event->type() == QEvent::Hide && pWatched != m_pOverlay && m_pOverlay->isVisible()) {
        // One of its dialogs closed: the keyboard would stay with the desktop.
        const auto* pWidget = qobject_cast<QWidget*>(pWatched);
        if (pWidget && pWidget->isWindow() && pWidget->windowType() == Qt::Dialog)
            QTimer::singleShot(0, this, &VOverlayWindow::take);
    } else if (event->type() == QEvent::MouseButtonPress && pWatched == m_pClicked &&
               !m_pOverlay->isActiveWindow()) {
        take();
    }
    return QObject::eventFilter(pWatched, event);
}

void VOverlayWindow::take()
{
    // Not while a window of its own is still up.
    if (const QWidget* pModal = QApplication::activeModalWidget();
        !m_pOverlay->isVisible() || (pModal && pModal != m_pOverlay))
        return;
    m_pOverlay->raise();
    m_pOverlay->activateWindow();
    m_pFocus->setFocus(Qt::ActiveWindowFocusReason);
}
