// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VCreatePromptDrag.h"

class VGraphicsItemPen;

// Press, drag and release draws a freehand stroke through the pointer's path.
class TALVIKCORE_EXPORT VCreatePromptPen : public VCreatePromptDrag
{
    Q_OBJECT

public:
    VCreatePromptPen() = default;

    VGraphicsItemPen* sample();

protected:
    void onStart() override;
    void follow(const QVector3D& point) override;
    VGraphicsItem* createSample() const override;
    virtual void showHelp();
};
