// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QImage;
class QIODevice;

// Writes an image as a 24-bit BMP painted over white (the format has no usable transparency),
// bottom row first as the format wants, one row at a time: besides the picture only a row and
// at most a small converted strip are held in memory. False when the device refuses bytes.
bool writeBmpOnWhite(const QImage& image, QIODevice& device);
