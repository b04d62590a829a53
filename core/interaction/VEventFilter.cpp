// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VEventFilter.h"

#include "graphics/VGraphicsScene.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"

VEventFilter::VEventFilter() = default;

VEventFilter::~VEventFilter() = default;

void VEventFilter::start(VCanvas* canvas)
{
    m_pScene = canvas->scene();
    m_pCanvas = canvas;
    m_pScene->startEventFilter(this);
    onStart();
}

QPointF VEventFilter::mapToScene(const QPoint& viewPoint) const
{
    return m_pCanvas ? m_pCanvas->view()->mapToScene(viewPoint) : QPointF(viewPoint);
}
