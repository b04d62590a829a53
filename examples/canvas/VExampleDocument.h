// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class VCanvas;

// Fills a canvas with one item of every kind the graphics model has.
void fillExampleDocument(VCanvas& canvas);
