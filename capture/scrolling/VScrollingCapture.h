// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QObject>
#include <QRect>

#include <functional>

class QEventLoop;

// Captures a window of another program that is longer than the screen: scrolls it with the
// wheel step by step, grabs the whole window once each step has settled, finds how far the
// part that moves went (VScrollStitcher) and stacks the newly shown rows into one tall
// picture. It waits in an event loop of its own, so the desktop and Escape keep working while
// the page moves.
class VScrollingCapture : public QObject
{
    Q_OBJECT

public:
    // Why the capture ended.
    enum class End
    {
        Finished,       // the page stopped moving: it is complete
        ContentChanged, // no certain shift; the user kept what was certain
        GaveUp,         // the same, and the user gave up: no picture
        HeightLimit,    // the picture reached kMaxRows or kMaxPixels
        Stopped,        // Escape
        Unavailable,    // this desktop does not let us scroll another program
    };

    // A picture must stay something a program can hold and save: at most 60,000 rows (JPEG
    // ends at 65,535) and 64 Mi pixels (256 MiB at 32 bits), whichever comes first.
    static constexpr int kMaxRows = 60000;
    static constexpr qint64 kMaxPixels = qint64(64) * 1024 * 1024;

    static constexpr int kSettleMs = 1000;
    static constexpr int kNotchesPerStep = 3;
    // Between two grabs that must agree for a step to have settled.
    static constexpr int kPollMs = 30;

    explicit VScrollingCapture(QObject* pParent = nullptr);

    // Asked when the content changed in a way that cannot be matched: true keeps the strips
    // captured so far. Without one the strips are kept.
    void setKeepChangedContent(std::function<bool()> keep)
    {
        m_keepChangedContent = std::move(keep);
    }
    // The longest a step waits for the page to settle.
    void setStepPause(int milliseconds) { m_stepPauseMs = milliseconds; }
    // Every step waits the whole step pause, as a window that repaints in stages may need.
    void setFixedPause(bool bFixed) { m_bFixedPause = bFixed; }
    // Where the user picked the window (device pixels): the wheel turns there until the moving
    // part is known, then inside it. The window's centre when not inside the window.
    void setWheelPoint(const QPoint& devicePoint) { m_wheelPoint = devicePoint; }
    void setSettleDelay(int milliseconds) { m_settleMs = milliseconds; }
    // Lower than kMaxRows where a smaller picture is wanted.
    void setRowLimit(int rows) { m_rowLimit = qBound(1, rows, kMaxRows); }

    // deviceRect: the window's area on the desktop, in device pixels. Null when nothing was
    // captured (see end()).
    QImage capture(const QRect& deviceRect);
    End end() const { return m_end; }

    // What a user reads about an end other than Finished; empty for Finished.
    static QString endText(End end);
    // Whether the picture of this end lacks part of the page.
    static bool isPartial(End end);

private:
    // Runs the event loop for a while, cut short by Escape when interruptible; false once
    // Escape has ended the capture.
    bool pause(int milliseconds, bool bInterruptible);
    void onEscape();
    // The window once the page has settled after a wheel turn: two grabs a poll apart agree
    // after it moved from `before`, or the step pause is over.
    QImage settledGrab(const QRect& deviceRect, const QImage& before);

    std::function<bool()> m_keepChangedContent;
    int m_stepPauseMs = 500;
    int m_settleMs = kSettleMs;
    int m_rowLimit = kMaxRows;
    bool m_bFixedPause = false;
    QPoint m_wheelPoint{-1, -1};
    End m_end = End::Finished;
    bool m_bStopped = false;
    QEventLoop* m_pLoop = nullptr;
};

// The picture of a desktop area (device pixels) as the capture sees it, in RGB32.
QImage grabArea(const QRect& deviceRect);
