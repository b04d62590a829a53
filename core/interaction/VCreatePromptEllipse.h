// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VCreatePromptRectangle.h"

// Press, drag and release draws the ellipse inscribed in the dragged box.
class TALVIKCORE_EXPORT VCreatePromptEllipse : public VCreatePromptRectangle
{
    Q_OBJECT

public:
    VCreatePromptEllipse() = default;

protected:
    VGraphicsItem* createSample() const override;
    void showHelp() override;
};
