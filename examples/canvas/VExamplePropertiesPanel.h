// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QDockWidget;
class QMainWindow;
class QToolButton;
class VCanvas;
class VWidgetTools;

// The "Properties" panel docked beside the canvas: it edits the selected items, and a button
// on the tool panel (or F4) shows and hides it.
class VExamplePropertiesPanel : public QObject
{
    Q_OBJECT

public:
    VExamplePropertiesPanel(QMainWindow* window, VCanvas* canvas, VWidgetTools* tools);

    QDockWidget* dock() const { return m_pDock; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void retranslate();

    QDockWidget* m_pDock;
    QToolButton* m_pToggle;
};
