// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"
#include "VWidget.h"

#include <QVariant>

class QIcon;
class QKeySequence;
class QToolButton;
class VButtonBoard;

// A floating panel of tool buttons over a canvas.
class TALVIKCORE_EXPORT VWidgetTools : public VWidget
{
    Q_OBJECT

public:
    // The look every tool panel shares: white, rounded, dark outline.
    static const QString& styleSheet();

    explicit VWidgetTools(VCanvas* canvas);
    ~VWidgetTools() override;

    // A button that opens the board; the board's choices go to receiver's slot, which takes
    // a QVariant. It shows the board's icon of value. The button takes the board. Null for a
    // null board.
    QToolButton* addTool(const QString& text, VButtonBoard* board, const QVariant& value,
                         const QObject* receiver, const char* slot);
    // A plain button; the shortcut works like a click while the panel is on screen.
    QToolButton* addTool(const QIcon& icon, const QString& text, const QObject* receiver,
                         const char* slot, const QKeySequence& shortcut);

    int toolCount() const { return m_nToolCount; }

private:
    int m_nToolCount = 0;
};
