// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsHistoryStep.h"

#include "VGraphicsItem.h"
#include "VGraphicsItemChangeNotifier.h"
#include "VGraphicsLayer.h"
#include "VGraphicsScene.h"

#include <algorithm>

namespace {
// The top-level item stacked right over pItem in its layer, or null when it is on top.
VGraphicsItem* itemAbove(const VGraphicsItem* pItem)
{
    const VGraphicsLayer* pLayer = pItem->layer();
    if (!pLayer)
        return nullptr;
    VGraphicsItem* above = nullptr;
    for (VGraphicsItem* other : pLayer->items()) {
        if (other == pItem)
            return above;
        if (!other->parentItem())
            above = other;
    }
    return nullptr;
}
} // namespace

VGraphicsHistoryStep::VGraphicsHistoryStep(VGraphicsScene* pScene) : m_pScene(pScene) {}

VGraphicsHistoryStep::~VGraphicsHistoryStep()
{
    for (Entry& entry : m_entries) {
        if (entry.owned && entry.item)
            delete entry.item.data();
    }
}

bool VGraphicsHistoryStep::recordChange(VGraphicsItem* pItem)
{
    // An item added in this step comes back as a whole, with its latest state.
    if (m_changedOrAdded.contains(pItem))
        return true;
    std::unique_ptr<VGraphicsItem> before(pItem->clone());
    if (!before)
        return false;
    m_changedOrAdded.insert(pItem);
    m_entries.push_back({Kind::Changed, pItem, std::move(before), nullptr, nullptr, false});
    return true;
}

void VGraphicsHistoryStep::recordAdded(VGraphicsItem* pItem)
{
    m_changedOrAdded.insert(pItem);
    m_entries.push_back({Kind::Added, pItem, nullptr, nullptr, nullptr, false});
}

void VGraphicsHistoryStep::recordRemoving(VGraphicsItem* pItem)
{
    m_entries.push_back({Kind::Removed, pItem, nullptr, nullptr, itemAbove(pItem), true});
}

bool VGraphicsHistoryStep::finish()
{
    for (Entry& entry : m_entries) {
        if (entry.kind == Kind::Changed && entry.item)
            entry.after.reset(entry.item->clone());
    }
    const auto unchanged = [](const Entry& entry) {
        if (!entry.item)
            return true;
        return entry.kind == Kind::Changed &&
               (!entry.after || entry.before->encodedMessages() == entry.after->encodedMessages());
    };
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(), unchanged), m_entries.end());
    return !m_entries.empty();
}

void VGraphicsHistoryStep::undo()
{
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
        if (!it->item)
            continue;
        switch (it->kind) {
        case Kind::Added:
            takeOut(*it);
            break;
        case Kind::Removed:
            putBack(*it);
            break;
        case Kind::Changed:
            restore(it->item, it->before.get());
            break;
        }
    }
    m_bApplied = false;
}

void VGraphicsHistoryStep::redo()
{
    if (m_bApplied)
        return;
    for (Entry& entry : m_entries) {
        if (!entry.item)
            continue;
        switch (entry.kind) {
        case Kind::Added:
            putBack(entry);
            break;
        case Kind::Removed:
            takeOut(entry);
            break;
        case Kind::Changed:
            restore(entry.item, entry.after.get());
            break;
        }
    }
    m_bApplied = true;
}

void VGraphicsHistoryStep::takeOut(Entry& entry)
{
    entry.above = itemAbove(entry.item);
    m_pScene->takePersistenItem(entry.item);
    entry.owned = true;
}

void VGraphicsHistoryStep::putBack(Entry& entry)
{
    m_pScene->addPersistenItem(entry.item, false);
    if (entry.above && entry.above->layer() == entry.item->layer())
        entry.item->stackBefore(entry.above);
    entry.owned = false;
}

void VGraphicsHistoryStep::restore(VGraphicsItem* pItem, const VGraphicsItem* pState)
{
    // Also for a class whose copy opens no bracket of its own: the layer must hear of it.
    VGraphicsItemChangeNotifier notifier(pItem);
    pItem->copy(pState);
}
