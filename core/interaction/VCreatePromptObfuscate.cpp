// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCreatePromptObfuscate.h"

#include "graphics/VGraphicsItemObfuscate.h"
#include "widgets/VCanvas.h"

VGraphicsItem* VCreatePromptObfuscate::createSample() const
{
    return new VGraphicsItemObfuscate;
}

void VCreatePromptObfuscate::showHelp()
{
    canvas()->showBalloon(tr("How To Hide a Secret"),
                          tr(" - Left Click and drag over the area to pixelate.<br> - Choose blur "
                             "in its properties.<br> - Right Click or press ESC key to cancel."),
                          Qt::AlignRight | Qt::AlignTop);
}
