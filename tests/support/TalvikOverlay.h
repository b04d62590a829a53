// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractAnimation>
#include <QByteArray>
#include <QGraphicsEffect>
#include <QPropertyAnimation>
#include <QtTest>
#include <QWidget>

#include <algorithm>

namespace TalvikTest {

// The capture overlay's tool rows a journey waits to see standing: none while an area is
// picked, the main row while editing, both once the second row is out.
enum class OverlayRows
{
    None,
    Main,
    MainAndSub
};

// Whether an animation under the overlay moves something. Fades are left out: the help
// balloon fades for seconds while the rows stand still.
inline bool movesSomething(const QAbstractAnimation* pAnimation)
{
    if (pAnimation->state() != QAbstractAnimation::Running)
        return false;
    const auto* pProperty = qobject_cast<const QPropertyAnimation*>(pAnimation);
    return !pProperty || !qobject_cast<const QGraphicsEffect*>(pProperty->targetObject());
}

// True once nothing under the overlay moves and the rows asked for show where they rest: the
// main row along the bottom edge, the second one on top of it. A key pressed now cannot meet
// a row on its way.
inline bool overlayRowsAtRest(const QWidget* pOverlay, OverlayRows rows)
{
    const auto* pMain = pOverlay->findChild<const QWidget*>(QStringLiteral("widgetMainTool"));
    const auto* pSub = pOverlay->findChild<const QWidget*>(QStringLiteral("widgetSubTool"));
    if (!pMain || !pSub)
        return false;
    const QList<QAbstractAnimation*> animations = pOverlay->findChildren<QAbstractAnimation*>();
    if (std::any_of(animations.begin(), animations.end(), movesSomething))
        return false;
    const bool mainShown = rows != OverlayRows::None;
    const bool subShown = rows == OverlayRows::MainAndSub;
    if (pMain->isVisible() != mainShown || pSub->isVisible() != subShown)
        return false;
    return (!mainShown || pMain->geometry().bottom() == pOverlay->rect().bottom()) &&
           (!subShown || pSub->geometry().bottom() + 1 == pMain->y());
}

// What the rows do instead, for a failed wait.
inline QByteArray overlayRowsState(const QWidget* pOverlay)
{
    QByteArray state = "overlay " + QByteArray::number(pOverlay->height()) + " high;";
    for (const char* name : {"widgetMainTool", "widgetSubTool"}) {
        const auto* pRow = pOverlay->findChild<const QWidget*>(QLatin1String(name));
        state += QByteArray(" ") + name +
                 (!pRow               ? QByteArray(" missing")
                  : pRow->isVisible() ? " at y " + QByteArray::number(pRow->y()) + ", " +
                                            QByteArray::number(pRow->height()) + " high"
                                      : QByteArray(" hidden"));
    }
    const QList<QAbstractAnimation*> animations = pOverlay->findChildren<QAbstractAnimation*>();
    return state + "; moving animations: " +
           QByteArray::number(std::count_if(animations.begin(), animations.end(), movesSomething));
}

} // namespace TalvikTest

// Waits, however loaded the machine, until the overlay's rows have come to rest as asked.
#define TALVIK_WAIT_FOR_OVERLAY_ROWS(pOverlay, rows)                                               \
    QTRY_VERIFY2_WITH_TIMEOUT(TalvikTest::overlayRowsAtRest(pOverlay, rows),                       \
                              TalvikTest::overlayRowsState(pOverlay).constData(), 10000)
