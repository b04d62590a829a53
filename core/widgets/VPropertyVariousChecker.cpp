// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VPropertyVariousChecker.h"

#include <QCoreApplication>

VPropertyVariousChecker::VPropertyVariousChecker() = default;

VPropertyVariousChecker::~VPropertyVariousChecker() = default;

void VPropertyVariousChecker::setVarious(QtProperty* property, bool various)
{
    const bool changed = various ? !m_various.contains(property) : m_various.remove(property);
    if (various)
        m_various.insert(property);
    if (changed)
        refreshDisplay(property);
}

QString VPropertyVariousChecker::variousText()
{
    return QCoreApplication::translate("VPropertyVariousChecker", "*VARIOUS*");
}
