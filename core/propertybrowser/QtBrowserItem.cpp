// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtBrowserItem.h"

QtBrowserItem::QtBrowserItem(QtTreePropertyBrowser* browser, QtProperty* property,
                             QtBrowserItem* parent)
    : m_pBrowser(browser), m_pProperty(property), m_pParent(parent)
{
}

QtBrowserItem::~QtBrowserItem() = default;

QList<QtBrowserItem*> QtBrowserItem::children() const
{
    QList<QtBrowserItem*> result;
    for (const auto& child : m_children)
        result.append(child.get());
    return result;
}
