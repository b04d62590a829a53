// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QKeySequence>
#include <QString>

// A key sequence used as a system-wide hotkey; only its first key counts.
class TALVIKCORE_EXPORT VHotkey
{
public:
    VHotkey() = default;
    explicit VHotkey(int key);
    explicit VHotkey(const QKeySequence& sequence);

    // Key code with modifier bits, 0 when empty.
    int key() const;
    const QKeySequence& sequence() const { return m_sequence; }
    bool isEmpty() const { return m_sequence.isEmpty(); }

    // The native text with the names users see on their keyboards ("Win", "Print Screen").
    QString toString() const;

    bool operator==(const VHotkey& other) const { return key() == other.key(); }
    bool operator!=(const VHotkey& other) const { return !(*this == other); }

private:
    QKeySequence m_sequence;
};
