// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QString>

// A key and a value; pairs are equal when their keys are, ignoring case.
class TALVIKCORE_EXPORT VKeyValue
{
public:
    VKeyValue() = default;
    VKeyValue(const QString& key, const QString& value);

    const QString& key() const { return m_key; }
    const QString& value() const { return m_value; }

    bool operator==(const VKeyValue& other) const;
    bool operator!=(const VKeyValue& other) const { return !(*this == other); }

private:
    QString m_key;
    QString m_value;
};
