// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMetaProperty>
#include <QVariant>

class QObject;

// Reads and writes an item's Qt property as the property browser shows it. The text of a
// rich-text item is shown and edited as plain text; writing it keeps the text's format.
namespace VPropertyAccess {

QVariant read(const QObject* item, const QMetaProperty& property);
void write(QObject* item, const QMetaProperty& property, const QVariant& value);

} // namespace VPropertyAccess
