// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VCreatePromptDrag.h"

class VGraphicsItemStepMarker;

// A click places the next numbered step marker; dragging before the release moves it.
class TALVIKCORE_EXPORT VCreatePromptStepMarker : public VCreatePromptDrag
{
    Q_OBJECT

public:
    VCreatePromptStepMarker() = default;

    VGraphicsItemStepMarker* sample();

protected:
    void onStart() override;
    void follow(const QVector3D& point) override;
    QString cursorText(const QPointF& scenePos) override;
    VGraphicsItem* createSample() const override;
};
