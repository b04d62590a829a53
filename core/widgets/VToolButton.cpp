// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VToolButton.h"

VToolButton::VToolButton(QWidget* parent) : QToolButton(parent) {}

VToolButton::~VToolButton() = default;
