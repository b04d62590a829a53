// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QPoint>

#include <functional>

class QWidget;

// Slides the overlay's toolbars in and out one at a time, each slide followed by what comes
// next. It runs on Qt's animation clock, so a test that installs its own QAnimationDriver
// steps it frame by frame.
class VToolbarSlide : public QObject
{
    Q_OBJECT

public:
    static constexpr int kSlideMs = 300;

    explicit VToolbarSlide(QObject* pParent) : QObject(pParent) {}

    // Moves the widget to `to`: shown first when it comes in, hidden once it has gone out.
    // `then` runs at the end and may start the next slide.
    void slide(QWidget* pWidget, const QPoint& to, bool bIn, std::function<void()> then = {});
    bool isSliding() const { return m_bSliding; }
    // Runs the action once no slide is running any more: at once when none is.
    void whenSettled(std::function<void()> action);

signals:
    // The last slide of a series has ended and nothing follows it.
    void settled();

private:
    bool m_bSliding = false;
    QList<std::function<void()>> m_waiting;
};
