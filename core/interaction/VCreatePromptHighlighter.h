// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VCreatePromptPen.h"

// The freehand tool with a wide marker stroke.
class TALVIKCORE_EXPORT VCreatePromptHighlighter : public VCreatePromptPen
{
    Q_OBJECT

public:
    VCreatePromptHighlighter() = default;

protected:
    VGraphicsItem* createSample() const override;
    void showHelp() override;
};
