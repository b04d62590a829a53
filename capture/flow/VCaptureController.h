// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "grab/VScreenGrab.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>

#include <functional>

class QScreen;
class QWidget;

// The road of one capture: the application's window leaves the screen (minimised, then
// hidden, so no animation is caught), the monitor it was on is grabbed, the follow-up runs
// (the overlay or the output chooser), and the window comes back as it was. One capture at a
// time: a request while one runs is ignored; one while the grab is still pending replaces it.
// Where a desktop service takes the picture, the event loop runs on while it is awaited.
class VCaptureController : public QObject
{
    Q_OBJECT

public:
    // The window's state before a capture, restored afterwards.
    enum RestoreFlag
    {
        RestoreNormal = 1,  // it was shown normally
        RestoreVisible = 8, // it was visible, normal or minimised
    };

    // The grab is moved in, so the follow-up holds its picture alone and paints on it in place.
    using FollowUp = std::function<void(int mode, VScreenGrab grab)>;

    // Which monitor a capture is for. A window capture shows every monitor, so that a window
    // lying across two can be picked whole.
    enum class Target
    {
        WindowMonitor,  // the one the window is on: asked for with the window's own buttons
        PointerMonitor, // the one under the pointer: the user is there, the window may be hidden
    };

    // pWindow is the window that leaves the screen.
    VCaptureController(QWidget* pWindow, FollowUp followUp, QObject* pParent = nullptr);

    void startCapture(int mode, Target target);

    // The program is ending: a pending grab never happens, a running follow-up brings nothing
    // back once its modal loop has ended, and no later request starts.
    void abandon();

    bool isPending() const { return m_timerId != 0; }
    bool isRunning() const { return m_bRunning; }
    int pendingDelay() const { return m_delay; }
    int restoreFlags() const { return m_restoreFlags; }

signals:
    // Around the whole road: the tray icon hides and comes back with these.
    void captureStarting();
    void captureEnded();
    // The desktop gave no picture; after captureEnded, with a sentence for the user.
    void captureFailed(const QString& why);

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    QList<QScreen*> screensToGrab() const;
    void onGrabbed(VScreenGrab grab, const QString& whyNot);
    void restoreWindow();

    QPointer<QWidget> m_pWindow;
    FollowUp m_followUp;
    int m_mode = 0;
    Target m_target = Target::WindowMonitor;
    QPointer<QScreen> m_pPointerScreen;
    int m_restoreFlags = 0;
    QSize m_savedSize;
    QPoint m_savedPosition;
    int m_timerId = 0;
    int m_delay = 0;
    bool m_bRunning = false;
    bool m_bAbandoned = false;
};
