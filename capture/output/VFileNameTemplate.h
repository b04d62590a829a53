// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Rules that keep an automatic name inside its folder, whatever a template holds.
namespace VFileNameTemplate {

// Why a template typed by the user cannot be stored (it would leave the save folder or hide
// control characters in a name), or empty when it can.
QString problem(const QString& format);

// One file or folder name from an expanded template: control characters and path separators
// dropped, leading and trailing dots and blanks trimmed (no hidden files, no "." or ".."
// segments). Empty when nothing with a letter or digit is left.
QString cleanName(const QString& expanded);

} // namespace VFileNameTemplate
