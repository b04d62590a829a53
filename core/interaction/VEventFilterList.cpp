// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VEventFilterList.h"

#include "graphics/VGraphicsScene.h"
#include "VEventFilter.h"

#include <algorithm>

VEventFilterList::VEventFilterList(VGraphicsScene* scene) : m_pScene(scene) {}

VEventFilterList::~VEventFilterList()
{
    clearFilters();
}

void VEventFilterList::startEventFilter(VEventFilter* filter)
{
    if (!filter || contains(filter))
        return;
    // An entry whose filter was destroyed has no priority and would mislead the search.
    removeAll(VEventFilterPointer());
    const auto at = std::lower_bound(begin(), end(), filter->priority(),
                                     [](const VEventFilterPointer& entry, int priority) {
                                         return entry->priority() < priority;
                                     });
    insert(at, VEventFilterPointer(filter));
}

void VEventFilterList::removeEventFilter(VEventFilter* filter)
{
    const qsizetype index = filter ? indexOf(filter) : -1;
    if (index >= 0)
        takeFilter(index);
}

void VEventFilterList::cancelCurrentPrompt()
{
    for (qsizetype i = size() - 1; i >= 0; --i) {
        if (i < size() && at(i) && at(i)->inherits("VCreatePrompt"))
            takeFilter(i);
    }
}

void VEventFilterList::clearFilters()
{
    while (!isEmpty())
        takeFilter(size() - 1);
}

bool VEventFilterList::hasActivePrompt() const
{
    return std::any_of(begin(), end(), [](const VEventFilterPointer& filter) {
        return filter && filter->isEnabled() && filter->inherits("VCreatePrompt");
    });
}

void VEventFilterList::takeFilter(qsizetype index)
{
    VEventFilterPointer filter = takeAt(index);
    if (!filter)
        return;
    filter->onRemoved();
    if (filter)
        filter->deleteLater();
}

bool VEventFilterList::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_pScene->isFilterAllowed(event))
        return QObject::eventFilter(watched, event);
    // A copy: a filter may start or remove filters while it handles the event.
    const QList<VEventFilterPointer> entries = *this;
    for (const VEventFilterPointer& filter : entries) {
        if (filter && filter->isEnabled() && contains(filter) && filter->eventFilter(event))
            return true;
    }
    return QObject::eventFilter(watched, event);
}
