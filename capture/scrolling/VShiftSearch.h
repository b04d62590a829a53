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
    int rows = 0;        // how far the page moved up; 0 when it did not move
    int compared = 0;    // rows of the band both grabs show at that shift
    int disagreeing = 0; // of those, rows that differ there (a caret, a spinner, an animation)
};

// The shift with clearly the most votes, or `preferred` (the last step's) among shifts tied
// with it, where repeated content fits several; -1 when there is none.
int votedShift(const std::vector<int>& votes, int preferred);

// How well the band's rows agree at `rows`: certain when all but a small part do.
VShift checkShift(const QImage& previous, const QImage& next, const QRect& band, int rows);

// checkShift at votedShift.
VShift findShift(const QImage& previous, const QImage& next, const QRect& band, int preferred);

// The band less the side columns that fit the two grabs no worse unmoved than moved by `shift`
// rows: scroll bars and side bars inside the changed columns, and frames around them.
QRect movingColumns(const QImage& previous, const QImage& next, const QRect& band, int shift);

// Rows that differ between two grabs of the same size within `band`'s columns; all rows of the
// band when the sizes differ.
int differingRows(const QImage& a, const QImage& b, const QRect& band);
