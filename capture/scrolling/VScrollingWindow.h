// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

// The scrolling capture of a picked window as the user meets it: at the pace of the
// "ScrollingInterval" setting, asking whether to keep a capture whose content changed and
// saying why one ended early. globalRect and wheelPoint (where the window was clicked) are
// in device pixels. Null when the user gave up or nothing could be captured.
QImage captureScrollingWindow(const QRect& globalRect, const QPoint& wheelPoint);
