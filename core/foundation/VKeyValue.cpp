// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VKeyValue.h"

VKeyValue::VKeyValue(const QString& key, const QString& value) : m_key(key), m_value(value) {}

bool VKeyValue::operator==(const VKeyValue& other) const
{
    return m_key.compare(other.m_key, Qt::CaseInsensitive) == 0;
}
