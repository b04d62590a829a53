// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VCreatePromptPolyline.h"

#include <QPixmap>

class VGraphicsItemPolygon;

// The polyline tool, closed on finishing, optionally filled with a picture.
class TALVIKCORE_EXPORT VCreatePromptPolygon : public VCreatePromptPolyline
{
    Q_OBJECT

public:
    VCreatePromptPolygon() = default;

    VGraphicsItemPolygon* sample();
    // The picture the next sample is filled with.
    void setBackgroundImage(const QPixmap& image) { m_backgroundImage = image; }

protected:
    VGraphicsItem* createSample() const override;
    void onStop() override;

private:
    QPixmap m_backgroundImage;
};
