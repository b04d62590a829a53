// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCreatePromptHighlighter.h"

#include "graphics/VGraphicsItemHighlighter.h"
#include "widgets/VCanvas.h"

VGraphicsItem* VCreatePromptHighlighter::createSample() const
{
    return new VGraphicsItemHighlighter;
}

void VCreatePromptHighlighter::showHelp()
{
    canvas()->showBalloon(tr("How To Highlight"),
                          tr(" - Left Click and drag over what should stand out.<br> - Right "
                             "Click or press ESC key to cancel."),
                          Qt::AlignRight | Qt::AlignTop);
}
