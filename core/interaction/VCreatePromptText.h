// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VCreatePromptRectangle.h"

class VGraphicsItemText;

// Draws a text box and starts editing it at once; a box too narrow to type in sizes itself to
// its text.
class TALVIKCORE_EXPORT VCreatePromptText : public VCreatePromptRectangle
{
    Q_OBJECT

public:
    VCreatePromptText();

protected slots:
    void onFinished(VCreatePrompt* pPrompt);

protected:
    VGraphicsItem* createSample() const override;
};
