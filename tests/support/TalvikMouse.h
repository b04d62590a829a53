// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>

namespace TalvikTest {

// Sends mouse events to a widget as a user's hand would produce them, keeping track of the
// buttons held between press and release.
class Mouse
{
public:
    // With warp, the system pointer goes along, so replayed moves happen where the events do.
    // On the offscreen platform every warp queues a move of its own, handled whenever the event
    // loop next runs; leave it off unless a test needs the pointer's position.
    explicit Mouse(QWidget* target, bool warp = false) : m_pTarget(target), m_bWarp(warp) {}

    void press(const QPoint& p, Qt::MouseButton button = Qt::LeftButton)
    {
        m_held |= button;
        send(QEvent::MouseButtonPress, p, button);
    }
    void release(const QPoint& p, Qt::MouseButton button = Qt::LeftButton)
    {
        m_held &= ~Qt::MouseButtons(button);
        send(QEvent::MouseButtonRelease, p, button);
    }
    void doubleClick(const QPoint& p, Qt::MouseButton button = Qt::LeftButton)
    {
        m_held |= button;
        send(QEvent::MouseButtonDblClick, p, button);
    }
    void move(const QPoint& p) { send(QEvent::MouseMove, p, Qt::NoButton); }
    void click(const QPoint& p, Qt::MouseButton button = Qt::LeftButton)
    {
        press(p, button);
        release(p, button);
    }
    // Press, two moves, release.
    void drag(const QPoint& from, const QPoint& to)
    {
        press(from);
        move((from + to) / 2);
        move(to);
        release(to);
    }

private:
    void send(QEvent::Type type, const QPoint& p, Qt::MouseButton button)
    {
        const QPoint global = m_pTarget->mapToGlobal(p);
        if (m_bWarp)
            QCursor::setPos(global);
        QMouseEvent event(type, QPointF(p), QPointF(global), button, m_held, Qt::NoModifier);
        QApplication::sendEvent(m_pTarget, &event);
    }

    QWidget* m_pTarget;
    bool m_bWarp;
    Qt::MouseButtons m_held;
};

} // namespace TalvikTest
