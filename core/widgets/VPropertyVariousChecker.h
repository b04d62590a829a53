// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QSet>
#include <QString>

class QtProperty;

// Remembers the properties whose value differs among the selected items; a manager mixing it
// in shows them as "*VARIOUS*".
class TALVIKCORE_EXPORT VPropertyVariousChecker
{
public:
    bool isVarious(const QtProperty* property) const { return m_various.contains(property); }
    // Shows the property again when it joins or leaves the set.
    void setVarious(QtProperty* property, bool various);

    static QString variousText();

protected:
    VPropertyVariousChecker();
    virtual ~VPropertyVariousChecker();
    VPropertyVariousChecker(const VPropertyVariousChecker&) = delete;
    VPropertyVariousChecker& operator=(const VPropertyVariousChecker&) = delete;

    virtual void refreshDisplay(QtProperty* property) = 0;
    void forgetVarious(const QtProperty* property) { m_various.remove(property); }

private:
    QSet<const QtProperty*> m_various;
};
