// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsItemDecorator.h"

VGraphicsItemDecorator::VGraphicsItemDecorator(VGraphicsItem* parent) : VGraphicsItem(parent) {}

VGraphicsItemDecorator::~VGraphicsItemDecorator() = default;
