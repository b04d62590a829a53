// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VCanvasRuler.h"

class TALVIKCORE_EXPORT VCanvasRulerHorizontal : public VCanvasRuler
{
    Q_OBJECT

public:
    explicit VCanvasRulerHorizontal(VCanvas* canvas);

    void setMarkerPosition(int position) override;
};
