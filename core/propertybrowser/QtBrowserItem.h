// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QList>

#include <memory>
#include <vector>

class QtProperty;
class QtTreePropertyBrowser;

// One place where a browser shows a property: a property shown below two parents has two.
// The browser creates and deletes it.
class TALVIKCORE_EXPORT QtBrowserItem
{
    friend class QtTreePropertyBrowser;

public:
    QtBrowserItem(QtTreePropertyBrowser* browser, QtProperty* property, QtBrowserItem* parent);
    ~QtBrowserItem();
    QtBrowserItem(const QtBrowserItem&) = delete;
    QtBrowserItem& operator=(const QtBrowserItem&) = delete;

    QtProperty* property() const { return m_pProperty; }
    QtBrowserItem* parent() const { return m_pParent; }
    QList<QtBrowserItem*> children() const;
    QtTreePropertyBrowser* browser() const { return m_pBrowser; }

private:
    QtTreePropertyBrowser* m_pBrowser;
    QtProperty* m_pProperty;
    QtBrowserItem* m_pParent;
    std::vector<std::unique_ptr<QtBrowserItem>> m_children;
};
