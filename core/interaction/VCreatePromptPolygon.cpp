// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCreatePromptPolygon.h"

#include "graphics/VGraphicsItemPolygon.h"

VGraphicsItemPolygon* VCreatePromptPolygon::sample()
{
    return static_cast<VGraphicsItemPolygon*>(VCreatePrompt::sample());
}

VGraphicsItem* VCreatePromptPolygon::createSample() const
{
    auto* polygon = new VGraphicsItemPolygon;
    if (!m_backgroundImage.isNull())
        polygon->setAreaPicture(m_backgroundImage);
    return polygon;
}

void VCreatePromptPolygon::onStop()
{
    VCreatePromptPolyline::onStop();
    // On finishing the polygon is closed before the document takes it.
    if (hasSample())
        sample()->close();
}
