// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VCreatePrompt.h"

#include <QVector3D>

// A press starts the sample where the pointer is, every move of the held button and the release
// hand it the pointer's place, and the release finishes it; a right click drops the sample or
// ends the tool.
class TALVIKCORE_EXPORT VCreatePromptDrag : public VCreatePrompt
{
    Q_OBJECT

protected:
    VCreatePromptDrag() = default;

    bool mousePress(QGraphicsSceneMouseEvent* event) override;
    bool mouseRelease(QGraphicsSceneMouseEvent* event) override;
    bool mouseMove(QGraphicsSceneMouseEvent* event) override;

    // The pointer's place while the sample is being drawn.
    virtual void follow(const QVector3D& point) = 0;
    // The drawn cursor's read-out at a scene point.
    virtual QString cursorText(const QPointF& scenePos) { return positionText(scenePos); }
};
