// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VGraphicsItem.h"

// One change bracket around an edit of an item; brackets nest.
class VGraphicsItemChangeNotifier
{
public:
    explicit VGraphicsItemChangeNotifier(VGraphicsItem* pItem) : m_pItem(pItem)
    {
        m_pItem->notifyWillChange();
    }
    ~VGraphicsItemChangeNotifier() { m_pItem->notifyHasChanged(); }

    VGraphicsItemChangeNotifier(const VGraphicsItemChangeNotifier&) = delete;
    VGraphicsItemChangeNotifier& operator=(const VGraphicsItemChangeNotifier&) = delete;

private:
    VGraphicsItem* m_pItem;
};
