// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VScrollStitcher.h"

#include "VLogScroll.h"
#include "VShiftSearch.h"

#include <algorithm>
#include <utility>

namespace {

// A step that found no shift to check, with why, for talvik.scroll.
VScrollStitcher::Step loggedStep(VScrollStitcher::Step step, const char* why)
{
    qCDebug(lcScroll, "Scroll match: %s, %s",
            step == VScrollStitcher::Step::Unmoved ? "unmoved" : "uncertain", why);
    return step;
}

// A step whose shift was checked: how far, and how well the band's rows agree there.
void logShift(const VShift& shift, const QRect& band)
{
    qCDebug(lcScroll, "Scroll match: %s %d rows, %d of %d rows compared disagree, band %dx%d%+d%+d",
            shift.bCertain ? "moved" : "uncertain, the best fit", shift.rows, shift.disagreeing,
            shift.compared, band.width(), band.height(), band.x(), band.y());
}

} // namespace

VScrollStitcher::VScrollStitcher(QImage first, qint64 rowLimit)
    : m_last(std::move(first)), m_rowLimit(std::max<qint64>(1, rowLimit))
{
}

VScrollStitcher::Step VScrollStitcher::add(const QImage& next)
{
    if (m_bFull)
        return loggedStep(Step::Uncertain, "the picture is full");
    if (next.size() != m_last.size())
        return loggedStep(Step::Uncertain, "the window changed its size");
    if (m_band.isEmpty())
        return firstStep(next);
    if (differingRows(m_last, next, m_last.rect()) == 0)
        return loggedStep(Step::Unmoved, "the window is unchanged");
    // The columns come from this step: the page may have grown wider than it was at the
    // first, and columns left out once (a scroll bar's, or text that happened to fit both
    // ways) must not stay out, or the band narrows step by step until its rows repeat. The
    // rows of the band stay for the stacked rows to join.
    const QRect changed = changedBand(m_last, next);
    const int left = std::min(changed.left(), m_band.left());
    const int right = std::max(changed.left() + changed.width(), m_band.left() + m_band.width());
    const QRect wide(left, m_band.top(), right - left, m_band.height());
    int voted = votedShift(shiftVotes(m_last, next, wide), m_lastShift);
    // A page that repeats itself (identical items, a blank run) fits whole periods, unmoved
    // among them; a scroll bar that moved tells it went on, as far as the wheel took it before.
    const bool bRepeating = voted <= 0 && movedAsBefore(m_last, next, m_band, m_lastShift);
    if (bRepeating)
        voted = m_lastShift;
    // Unmoved, or without a single row to tell: the end when only a caret or the like changed.
    if (voted <= 0)
        return standsStill(m_last, next, m_band)
                   ? loggedStep(Step::Unmoved, "only a small part changed")
                   : loggedStep(Step::Uncertain, "no shift has the votes");
    const QRect band = bRepeating ? m_band : movingColumns(m_last, next, wide, voted);
    const VShift shift = checkShift(m_last, next, band, voted);
    logShift(shift, band);
    if (!shift.bCertain)
        return Step::Uncertain;
    m_band = band;
    stack(next, m_band.top(), shift.rows);
    m_lastShift = shift.rows;
    return Step::Moved;
}

VScrollStitcher::Step VScrollStitcher::firstStep(const QImage& next)
{
    const QRect changed = changedBand(m_last, next);
    if (changed.isEmpty())
        return loggedStep(Step::Unmoved, "the window is unchanged");
    // Scroll bars in the changed columns follow the page no more than fixed parts do.
    const int rough = votedShift(shiftVotes(m_last, next, changed), -1);
    if (rough < 0)
        return loggedStep(Step::Uncertain, "no shift has the votes");
    if (rough == 0)
        return standsStill(m_last, next, changed)
                   ? loggedStep(Step::Unmoved, "only a small part changed")
                   : loggedStep(Step::Uncertain, "no shift has the votes");
    QRect band = movingColumns(m_last, next, changed, rough);
    const VShift shift = checkShift(m_last, next, band, rough);
    logShift(shift, band);
    if (!shift.bCertain)
        return Step::Uncertain;
    // A fixed header drawn anew stays with the fixed top: in the band it would hide the page
    // rows under it.
    band.setTop(redrawnTop(m_last, next, band, shift.rows));
    m_band = band;
    stack(next, 0, band.top() + shift.rows);
    m_lastShift = shift.rows;
    return Step::Moved;
}

void VScrollStitcher::stack(const QImage& next, int top, int height)
{
    // The rows still on the screen are stacked only once they have scrolled out, so each row
    // comes from the last grab that showed it: what changed on the way was passing (a notice
    // fading out at the first scroll, a hover mark), and the later grab holds the page.
    const qint64 room = m_rowLimit - m_strips.totalHeight();
    m_bFull = m_strips.totalHeight() + height + (next.height() - m_band.top()) >= m_rowLimit;
    const auto rows = int(std::min<qint64>(height, room));
    if (rows > 0)
        m_strips.append(m_last.copy(0, top, m_last.width(), rows));
    m_last = next;
}

qint64 VScrollStitcher::rows() const
{
    return std::min<qint64>(m_strips.totalHeight() + pending(), m_rowLimit);
}

QImage VScrollStitcher::result() const
{
    VStripCollector strips = m_strips;
    const auto height = int(std::min<qint64>(pending(), m_rowLimit - m_strips.totalHeight()));
    if (height > 0)
        strips.append(m_last.copy(0, pendingTop(), m_last.width(), height));
    return strips.result();
}
