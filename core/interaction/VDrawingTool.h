// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>

class QToolButton;
class QWidget;
class VCanvas;
class VCreatePrompt;

// One drawing tool as a toolbar shows it: its button and the prompt it starts. Toolbars are
// built from a list of these, so a new tool is one row here and nothing in the toolbars.
struct TALVIKCORE_EXPORT VDrawingTool
{
    // The button is called "toolButtonDraw" + name.
    QString name;
    // Untranslated, in the VDrawingTool context (QT_TRANSLATE_NOOP).
    const char* text = "";
    const char* toolTip = "";
    QString icon;
    QKeySequence shortcut;
    std::function<VCreatePrompt*()> newPrompt;
    // Starts again after each item until Escape or a right click: steps come in series.
    bool bSeries = false;

    QString objectName() const { return QStringLiteral("toolButtonDraw") + name; }
    QString translatedText() const;
    QString translatedToolTip() const;

    // A button under its icon, as the overlay's rows show them.
    QToolButton* createButton(QWidget* pParent) const;
    // Sets the button's text and tool tip in the current language.
    void translate(QToolButton* pButton) const;
    void start(VCanvas* canvas) const;

    // The core's tools in the order the toolbars show them.
    static QList<VDrawingTool> coreTools();
};
