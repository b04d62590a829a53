// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QObject>
#include <QRect>

#include <functional>

class QEventLoop;

// Captures a window of another program that is longer than the screen: scrolls it with the
// wheel step by step, grabs what it shows after each step, finds how far its content moved
// and stacks the newly shown strips into one tall picture. It waits in an event loop of its
// own, so the desktop and Escape keep working while the page moves.
class VScrollingCapture : public QObject
{
    Q_OBJECT

public:
    // Why the capture ended.
    enum class End
    {
        Finished,       // the page stopped moving: it is complete
        ContentChanged, // two steps could not be matched; the user kept what was captured
        GaveUp,         // the same, and the user gave up: no picture
        HeightLimit,    // the picture reached kMaxRows or kMaxPixels
        Stopped,        // Escape
        Unavailable,    // this desktop does not let us scroll another program
    };

    // A picture must stay something a program can hold and save: at most 60,000 rows (JPEG
    // ends at 65,535) and 64 Mi pixels (256 MiB at 32 bits), whichever comes first.
    static constexpr int kMaxRows = 60000;
    static constexpr qint64 kMaxPixels = qint64(64) * 1024 * 1024;

    static constexpr int kWheelInset = 10;
    static constexpr int kSettleMs = 1000;
    static constexpr int kBottomMargin = 30;
    static constexpr int kTopMargin = 10;
    static constexpr int kNotchesPerStep = 3;

    explicit VScrollingCapture(QObject* pParent = nullptr);

    // Asked when the content changed in a way that cannot be matched: true keeps the strips
    // captured so far. Without one the strips are kept.
    void setKeepChangedContent(std::function<bool()> keep)
    {
        m_keepChangedContent = std::move(keep);
    }
    void setStepPause(int milliseconds) { m_stepPauseMs = milliseconds; }
    void setSettleDelay(int milliseconds) { m_settleMs = milliseconds; }
    // Lower than kMaxRows where a smaller picture is wanted.
    void setRowLimit(int rows) { m_rowLimit = qBound(1, rows, kMaxRows); }

    // deviceRect: the window's area on the desktop, in device pixels. Null when nothing was
    // captured (see end()).
    QImage capture(const QRect& deviceRect);
    End end() const { return m_end; }

    // What a user reads about an end other than Finished; empty for Finished.
    static QString endText(End end);

private:
    // Runs the event loop for a while, cut short by Escape when interruptible; false once
    // Escape has ended the capture.
    bool pause(int milliseconds, bool bInterruptible);
    void onEscape();

    std::function<bool()> m_keepChangedContent;
    int m_stepPauseMs = 500;
    int m_settleMs = kSettleMs;
    int m_rowLimit = kMaxRows;
    End m_end = End::Finished;
    bool m_bStopped = false;
    QEventLoop* m_pLoop = nullptr;
};

// The picture of a desktop area (device pixels) as the capture sees it: the window's frame
// and its vertical scroll bar cut off (2 left, 2 top, 25 right, 2 bottom).
QImage grabArea(const QRect& deviceRect);
