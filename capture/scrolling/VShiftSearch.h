// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRect>

#include <vector>

// How far the page of a scrolled window moved between two grabs of the whole window, found
// from the part that moves only (the band): fixed toolbars, menus, headers, status bars and
// scroll bars around it neither follow the page nor spoil the match.

// The band as two grabs of the same size show it: rows identical at the same place at the top
// and at the bottom are fixed parts, the columns of the rows between that changed bound it.
// Empty when the grabs are identical (nothing moved, scroll bars included) or differ in size.
QRect changedBand(const QImage& previous, const QImage& next);

// Votes per shift (index: rows the page moved up). Each row of each vertical strip of the band
// in `next` whose pixels are not one colour and appear at most a few times in `previous` votes
// for where it came from; a row seen once weighs most, so repeated items and blank runs cannot
// outvote the rows that are unique.
std::vector<int> shiftVotes(const QImage& previous, const QImage& next, const QRect& band);

struct VShift
{
    bool bCertain = false;
    bool bExact = false; // all rows agree but for one small element
    int rows = 0;        // how far the page moved up; 0 when it did not move
    int compared = 0;    // rows of the band both grabs show at that shift
    int disagreeing = 0; // of those, rows that differ there (a caret, a spinner, an animation)
};

// The shift with clearly the most votes, or `preferred` (the last step's) among shifts tied
// with it, where repeated content fits several; -1 when there is none.
int votedShift(const std::vector<int>& votes, int preferred);

// How well the band's rows agree at `rows`: certain when all but a small part do, or when what
// disagrees lies in one box of a few columns (a spinner).
VShift checkShift(const QImage& previous, const QImage& next, const QRect& band, int rows);

// checkShift at votedShift.
VShift findShift(const QImage& previous, const QImage& next, const QRect& band, int preferred);

// The band's top below the rows on top that fit neither unmoved nor moved by `rows` and differ
// unmoved in a few columns only: a fixed part drawn anew, such as a header's text once the page
// moved. The band's top when there are none, or when they changed across (a notice fading).
int redrawnTop(const QImage& previous, const QImage& next, const QRect& band, int rows);

// The band less the side columns that fit the two grabs no worse unmoved than moved by `shift`
// rows: scroll bars and side bars inside the changed columns, and frames around them.
QRect movingColumns(const QImage& previous, const QImage& next, const QRect& band, int shift);

// Whether a page that shows nothing to tell shifts apart (identical items, a blank run) moved
// by `rows` as before: something changed at a side of the window in the band's rows (a scroll
// bar's thumb) and the band away from the sides fits that shift but for one small element.
bool movedAsBefore(const QImage& previous, const QImage& next, const QRect& band, int rows);

// Whether what changed within `box` is a small element (a caret, a spinner, a scroll bar's
// thumb) rather than content that moved: at most `rows` high and a few columns of `width`.
bool isSmallChange(const QRect& box, int rows, int width);

// The box around the pixels within `area` that differ between two grabs of the same size; all
// of the area when the sizes differ.
QRect differingBox(const QImage& a, const QImage& b, const QRect& area);

// Whether the band stood still between two grabs: what changed is one small element or one run
// of rows (an animation). A page of identical items moved by part of an item changes rows all
// the way down, however few of them.
bool standsStill(const QImage& previous, const QImage& next, const QRect& band);

// Rows that differ between two grabs of the same size within `band`'s columns; all rows of the
// band when the sizes differ.
int differingRows(const QImage& a, const QImage& b, const QRect& band);
