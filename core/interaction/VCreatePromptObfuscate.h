// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VCreatePromptRectangle.h"

// Press, drag and release hides the dragged area of the picture.
class TALVIKCORE_EXPORT VCreatePromptObfuscate : public VCreatePromptRectangle
{
    Q_OBJECT

public:
    VCreatePromptObfuscate() = default;

protected:
    VGraphicsItem* createSample() const override;
    void showHelp() override;
};
