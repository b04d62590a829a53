// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QSet>
#include <QUndoCommand>

#include <memory>
#include <vector>

class VGraphicsItem;
class VGraphicsScene;

// One step of a scene's undo history: the items it added, removed or changed, with each changed
// item's state before and after. An item the step took out of the document is the step's to
// delete for as long as it stays out.
class VGraphicsHistoryStep : public QUndoCommand
{
public:
    explicit VGraphicsHistoryStep(VGraphicsScene* pScene);
    ~VGraphicsHistoryStep() override;

    // False when the item's state cannot be kept (its class cannot be copied).
    bool recordChange(VGraphicsItem* pItem);
    void recordAdded(VGraphicsItem* pItem);
    // The item is about to leave the document, into this step's keeping.
    void recordRemoving(VGraphicsItem* pItem);
    // Takes the states after the step and drops what did not change; false when nothing did.
    bool finish();

    void undo() override;
    void redo() override;

private:
    enum class Kind
    {
        Added,
        Removed,
        Changed
    };
    struct Entry
    {
        Kind kind;
        QPointer<VGraphicsItem> item;
        std::unique_ptr<VGraphicsItem> before;
        std::unique_ptr<VGraphicsItem> after;
        // Where the item goes back in the stacking order: under this one, or on top.
        QPointer<VGraphicsItem> above;
        bool owned = false;
    };

    void takeOut(Entry& entry);
    void putBack(Entry& entry);
    static void restore(VGraphicsItem* pItem, const VGraphicsItem* pState);

    VGraphicsScene* m_pScene;
    std::vector<Entry> m_entries;
    // Looked up on every change bracket, so a step over many items stays cheap.
    QSet<const VGraphicsItem*> m_changedOrAdded;
    // Pushing a step redoes it; the edits it holds have happened already.
    bool m_bApplied = true;
};
