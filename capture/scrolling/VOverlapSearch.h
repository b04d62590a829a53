// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QtGlobal>

class VRowImage;

// Whether two rows of `length` bytes share one unbroken stretch of identical bytes of at least
// `percent` percent of the row (length * percent / 100 bytes, at least one byte examined): a
// caret, a hover mark or an animation elsewhere in the row does not break the match.
bool rowsSimilar(const uchar* a, const uchar* b, int length, int percent);

// The rows of `previous` that reappear at the top of `next` after a scroll, as a rectangle in
// previous's coordinates whose bottom is its last row; empty when the pictures cannot be matched.
// An exact overlap counts when it is higher than 60 rows. Otherwise rows are compared by
// rowsSimilar at 20, 60, 80 and 90 percent in turn: an overlap lower than 60 rows ends the search
// with what the previous level found, one that starts below previous's top row is the answer, and
// one covering the whole picture (nothing moved, at that tolerance) asks the next stricter level.
// Pictures that differ in size or in bytes per row never match.
QRect findOverlap(const VRowImage& previous, const VRowImage& next);
