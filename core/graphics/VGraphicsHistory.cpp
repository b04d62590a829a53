// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsHistory.h"

#include "VGraphicsHistoryStep.h"

VGraphicsHistory::VGraphicsHistory(VGraphicsScene* pScene) : m_pScene(pScene)
{
    m_stack.setUndoLimit(StepLimit);
    connect(&m_stack, &QUndoStack::indexChanged, this, &VGraphicsHistory::updateState);
}

VGraphicsHistory::~VGraphicsHistory()
{
    m_bClosed = true;
    // The steps delete the items they keep; none of that may call back into a history half gone.
    for (const Group& group : std::as_const(m_groups))
        disconnect(group.destroyed);
    m_groups.clear();
    m_pOpenStep.reset();
    m_stack.clear();
}

bool VGraphicsHistory::canUndo() const
{
    // An edit still being gathered can be taken back too: it is finished first.
    return m_pOpenStep || m_stack.canUndo();
}

bool VGraphicsHistory::canRedo() const
{
    // The edit being gathered will clear what could be redone.
    return !m_pOpenStep && m_stack.canRedo();
}

void VGraphicsHistory::updateState()
{
    const bool undo = canUndo();
    const bool redo = canRedo();
    if (undo != m_bCouldUndo)
        emit canUndoChanged(m_bCouldUndo = undo);
    if (redo != m_bCouldRedo)
        emit canRedoChanged(m_bCouldRedo = redo);
}

VGraphicsHistoryStep& VGraphicsHistory::openStep()
{
    if (!m_pOpenStep) {
        m_pOpenStep = std::make_unique<VGraphicsHistoryStep>(m_pScene);
        updateState();
    }
    scheduleClose();
    return *m_pOpenStep;
}

void VGraphicsHistory::itemWillChange(VGraphicsItem* pItem)
{
    if (isRecording())
        openStep().recordChange(pItem);
}

void VGraphicsHistory::itemAdded(VGraphicsItem* pItem)
{
    if (isRecording())
        openStep().recordAdded(pItem);
}

bool VGraphicsHistory::itemRemoving(VGraphicsItem* pItem)
{
    if (!isRecording())
        return false;
    openStep().recordRemoving(pItem);
    return true;
}

void VGraphicsHistory::beginGroup(QObject* pOwner, std::function<void()> finish)
{
    if (m_bClosed)
        return;
    // An owner that goes without ending its group must not keep the step open for good.
    const QMetaObject::Connection destroyed =
        connect(pOwner, &QObject::destroyed, this, [this, pOwner] { endGroup(pOwner); });
    m_groups.append({pOwner, std::move(finish), destroyed});
}

void VGraphicsHistory::endGroup(QObject* pOwner)
{
    for (qsizetype i = m_groups.size() - 1; i >= 0; --i) {
        if (m_groups.at(i).owner != pOwner)
            continue;
        disconnect(m_groups.at(i).destroyed);
        m_groups.removeAt(i);
        // The edit that ends the group may still be inside its change bracket.
        if (m_groups.isEmpty() && m_pOpenStep)
            scheduleClose();
        return;
    }
}

void VGraphicsHistory::scheduleClose()
{
    if (m_bCloseScheduled)
        return;
    m_bCloseScheduled = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_bCloseScheduled = false;
            if (m_groups.isEmpty())
                closeStep();
        },
        Qt::QueuedConnection);
}

void VGraphicsHistory::closeStep()
{
    if (!m_pOpenStep)
        return;
    std::unique_ptr<VGraphicsHistoryStep> step = std::move(m_pOpenStep);
    // Pushing drops what could be redone, and beyond the limit the oldest step.
    if (step->finish())
        m_stack.push(step.release());
    updateState();
}

void VGraphicsHistory::clear()
{
    m_pOpenStep.reset();
    m_stack.clear();
    updateState();
}

bool VGraphicsHistory::finishGroups()
{
    for (const Group& group : std::as_const(m_groups)) {
        if (!group.finish)
            return false;
    }
    const QList<Group> groups = m_groups;
    for (const Group& group : groups)
        group.finish();
    for (const Group& group : std::as_const(m_groups))
        disconnect(group.destroyed);
    m_groups.clear();
    return true;
}

void VGraphicsHistory::replay(void (QUndoStack::*step)())
{
    if (m_bClosed || m_bReplaying || !finishGroups())
        return;
    closeStep();
    m_bReplaying = true;
    (m_stack.*step)();
    m_bReplaying = false;
    updateState();
}

void VGraphicsHistory::undo()
{
    replay(&QUndoStack::undo);
}

void VGraphicsHistory::redo()
{
    replay(&QUndoStack::redo);
}
