// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VCanvasRuler.h"

class TALVIKCORE_EXPORT VCanvasRulerVertical : public VCanvasRuler
{
    Q_OBJECT

public:
    explicit VCanvasRulerVertical(VCanvas* canvas);

    void setMarkerPosition(int position) override;
};
