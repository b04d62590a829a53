// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VConstants.h"

const QVector3D VConstants::X_AXIS(1, 0, 0);
const QVector3D VConstants::Y_AXIS(0, 1, 0);
const QVector3D VConstants::Z_AXIS(0, 0, 1);
