// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VHotkey.h"

VHotkey::VHotkey(int key) : m_sequence(key) {}

VHotkey::VHotkey(const QKeySequence& sequence) : m_sequence(sequence) {}

int VHotkey::key() const
{
    return m_sequence.isEmpty() ? 0 : m_sequence[0].toCombined();
}

QString VHotkey::toString() const
{
    QString text = m_sequence.toString(QKeySequence::NativeText);
    text.replace(QLatin1String("Meta"), QLatin1String("Win"));
    text.replace(QLatin1String("Print"), QLatin1String("Print Screen"));
    return text;
}
