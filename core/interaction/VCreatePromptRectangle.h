// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VCreatePrompt.h"

#include <QPixmap>

class VGraphicsItemRectangle;

// Press, drag and release draws a rectangle; a right click drops the one being dragged.
class TALVIKCORE_EXPORT VCreatePromptRectangle : public VCreatePrompt
{
    Q_OBJECT

public:
    VCreatePromptRectangle() = default;

    VGraphicsItemRectangle* sample();
    // The picture the next sample is filled with.
    void setFillImage(const QPixmap& image) { m_fillImage = image; }

protected:
    void onStart() override;
    bool mousePress(QGraphicsSceneMouseEvent* event) override;
    bool mouseRelease(QGraphicsSceneMouseEvent* event) override;
    bool mouseMove(QGraphicsSceneMouseEvent* event) override;
    VGraphicsItem* createSample() const override;
    // The balloon that says how to use the tool; tools drawn the same way say their own name.
    virtual void showHelp();

private:
    QPixmap m_fillImage;
};
