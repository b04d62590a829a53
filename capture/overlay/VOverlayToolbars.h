// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "interaction/VDrawingTool.h"

#include <QList>
#include <QObject>
#include <QPair>

#include <functional>

class QToolButton;
class QWidget;
class VToolbarSlide;

namespace Ui {
class VFullScreenSelector;
}

// The overlay's two rows at its bottom: the main row, and above it the sub row with either the
// capture or the drawing buttons. They slide out while an area is picked and back in for
// editing, one row at a time.
class VOverlayToolbars : public QObject
{
    Q_OBJECT

public:
    // Adds the drawing tools' buttons to the form's sub row.
    VOverlayToolbars(QWidget* pOverlay, Ui::VFullScreenSelector& ui);

    // Both rows out of sight below the overlay, as wide as it.
    void layOut();
    // The main row leaves first, then the sub row; `then` once both are gone.
    void leave(std::function<void()> then);
    // Back the way they left: the sub row first when it was there; `then` once both are in.
    void comeBack(std::function<void()> then);
    // Draw or Capture was toggled; pOther is the other of the two.
    void toggleRow(bool bOn, QToolButton* pOther);
    // The sub row shows the buttons of whichever of Draw and Capture is checked.
    void showCheckedRow();

    // The rows are in and still.
    bool isEditing() const;
    // Runs the action once the rows are in, when they are on their way: keys pressed during a
    // slide are not lost.
    void whenIn(std::function<void()> action);
    // Where the sub row's top is when it shows: what floats above the rows stays above it.
    int subRowTop() const;

    void startTool(const QString& name) const;
    void retranslate();
    // Screen readers name the icon-only buttons by their tool tips.
    void nameButtons();

private:
    int overlayHeight() const;

    QWidget* m_pOverlay;
    Ui::VFullScreenSelector& m_ui;
    VToolbarSlide* m_pSlide;
    QList<QPair<VDrawingTool, QToolButton*>> m_drawButtons;
    bool m_bSubRowWasIn = false;
};
