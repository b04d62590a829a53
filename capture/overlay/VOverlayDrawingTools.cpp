// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VOverlayDrawingTools.h"

#include "VCreatePromptArrow.h"

#include <QCoreApplication>

QList<VDrawingTool> overlayDrawingTools()
{
    QList<VDrawingTool> tools = VDrawingTool::coreTools();
    VDrawingTool arrow{QStringLiteral("Arrow"),
                       QT_TRANSLATE_NOOP("VDrawingTool", "Arrow"),
                       "",
                       QStringLiteral(":/images/SubToolArrow.png"),
                       QKeySequence(Qt::Key_A),
                       [] { return new VCreatePromptArrow; }};
    tools.insert(1, std::move(arrow));
    return tools;
}
