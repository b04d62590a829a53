// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCaptureController.h"

#include "grab/VScreenGrabLater.h"
#include "platform/VPlatformBackend.h"
#include "platform/VPlatformFactory.h"
#include "VCaptureModes.h"
#include "VLogCapture.h"
#include "VVCapture.h"

#include <QCursor>
#include <QScreen>
#include <QTimerEvent>
#include <QWidget>

namespace {
// In English, as the logs are.
QByteArray modeName(int mode)
{
    const VCaptureModes::Row* pRow = VCaptureModes::find(mode);
    return pRow ? QByteArray(pRow->shortName) : "mode " + QByteArray::number(mode);
}
} // namespace

VCaptureController::VCaptureController(QWidget* pWindow, FollowUp followUp, QObject* pParent)
    : QObject(pParent), m_pWindow(pWindow), m_followUp(std::move(followUp))
{
}

void VCaptureController::startCapture(int mode, Target target)
{
    const QByteArray name = modeName(mode);
    if (m_bRunning || m_bAbandoned || !m_pWindow) {
        qCInfo(lcCapture, "Capture: %s asked while %s; ignored", name.constData(),
               m_bRunning ? "another one runs" : "the program ends");
        return;
    }
    m_mode = mode;
    m_target = target;
    // Where the pointer was when the user asked, not where it has gone by the grab.
    m_pPointerScreen = target == Target::PointerMonitor ? screenAt(QCursor::pos()) : nullptr;
    // A request still waiting for its tick is replaced, keeping the state it saved.
    if (m_timerId != 0) {
        qCInfo(lcCapture, "Capture: %s asked, in place of the one waiting", name.constData());
        killTimer(m_timerId);
        m_timerId = startTimer(m_delay);
        return;
    }
    emit captureStarting();
    m_restoreFlags = 0;
    m_savedSize = m_pWindow->size();
    m_savedPosition = m_pWindow->pos();
    m_delay = 200;
    if (m_pWindow->isVisible()) {
        m_restoreFlags |= RestoreVisible;
        if (m_pWindow->isMinimized()) {
            m_pWindow->hide();
            m_delay = 400;
        } else {
            m_restoreFlags |= RestoreNormal;
            m_pWindow->showMinimized();
            m_delay = 500;
        }
    }
    qCInfo(lcCapture, "Capture: %s asked, for the monitor %s; the grab follows in %d ms",
           name.constData(),
           target == Target::PointerMonitor ? "under the pointer" : "of the window", m_delay);
    m_timerId = startTimer(m_delay);
}

void VCaptureController::abandon()
{
    m_bAbandoned = true;
    if (m_timerId != 0) {
        killTimer(m_timerId);
        m_timerId = 0;
    }
}

void VCaptureController::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timerId) {
        QObject::timerEvent(event);
        return;
    }
    if (!m_pWindow) {
        killTimer(m_timerId);
        m_timerId = 0;
        return;
    }
    if (m_pWindow->isVisible()) {
        // Off the screen first (minimise animation included); grab on a later tick.
        m_pWindow->hide();
        return;
    }
    killTimer(m_timerId);
    m_timerId = 0;
    m_bRunning = true;
    grabScreenLater(screensToGrab(), this, [this](VScreenGrab grab, const QString& whyNot) {
        onGrabbed(std::move(grab), whyNot);
    });
}

QList<QScreen*> VCaptureController::screensToGrab() const
{
    QScreen* pScreen = m_target == Target::PointerMonitor && m_pPointerScreen
                           ? m_pPointerScreen.data()
                           : dialogScreen(m_pWindow);
    return m_mode == VV::CaptureWindow ? desktopScreens(pScreen) : QList<QScreen*>{pScreen};
}

void VCaptureController::onGrabbed(VScreenGrab grab, const QString& whyNot)
{
    if (!whyNot.isEmpty())
        qCInfo(lcCapture, "Capture: no picture: %s", qUtf8Printable(whyNot));
    else if (m_bAbandoned)
        qCInfo(lcCapture, "Capture: the program ends; the picture is dropped");
    else
        qCInfo(lcCapture, "Capture: a %dx%d picture goes on to the %s follow-up",
               grab.picture.width(), grab.picture.height(), modeName(m_mode).constData());
    if (!m_bAbandoned && whyNot.isEmpty())
        m_followUp(m_mode, std::move(grab));
    VPlatform::backend().releaseGrabMemory();
    m_bRunning = false;
    if (m_bAbandoned)
        return;
    restoreWindow();
    emit captureEnded();
    if (!whyNot.isEmpty())
        emit captureFailed(whyNot);
}

void VCaptureController::restoreWindow()
{
    if (!m_pWindow)
        return;
    if (m_restoreFlags & RestoreNormal) {
        m_pWindow->showMinimized();
        m_pWindow->resize(m_savedSize);
        m_pWindow->move(m_savedPosition);
        m_pWindow->showNormal();
        m_pWindow->activateWindow();
    } else if (m_restoreFlags & RestoreVisible) {
        m_pWindow->showMinimized();
        m_pWindow->resize(m_savedSize);
        m_pWindow->move(m_savedPosition);
    }
}
