// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCreatePromptText.h"

#include "graphics/VGraphicsItemText.h"

VCreatePromptText::VCreatePromptText()
{
    connect(this, &VCreatePrompt::finished, this, &VCreatePromptText::onFinished);
}

VGraphicsItem* VCreatePromptText::createSample() const
{
    return new VGraphicsItemText;
}

void VCreatePromptText::onFinished(VCreatePrompt* pPrompt)
{
    Q_UNUSED(pPrompt);
    // The sample is the document's now; the prompt handed it over on finishing.
    auto* text = qobject_cast<VGraphicsItemText*>(sample());
    if (!text)
        return;
    if (text->width() < 8)
        text->setWidth(0);
    text->startEditing();
}
