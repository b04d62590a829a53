// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QList>
#include <QObject>
#include <QUndoStack>

#include <functional>
#include <memory>

class VGraphicsHistoryStep;
class VGraphicsItem;
class VGraphicsScene;

// The undo history of one scene. It hears of every edit where all edits pass: the items' change
// brackets and the scene's adding and removing of items. What happens while one input event is
// handled, or while a group is open (a grip drag, a text editing session), becomes one step.
class TALVIKCORE_EXPORT VGraphicsHistory : public QObject
{
    Q_OBJECT

public:
    // Older steps are forgotten, with the removed items they kept.
    static constexpr int StepLimit = 100;

    explicit VGraphicsHistory(VGraphicsScene* pScene);
    ~VGraphicsHistory() override;

    // To read its count and position; steps are taken only through undo() and redo() below.
    const QUndoStack& stack() const { return m_stack; }
    bool canUndo() const;
    bool canRedo() const;

    // From the items and the scene.
    void itemWillChange(VGraphicsItem* pItem);
    void itemAdded(VGraphicsItem* pItem);
    // False when nothing is recorded: the caller still owns the item once it is out.
    bool itemRemoving(VGraphicsItem* pItem);

    // Everything up to the matching end is one step. An edit with a way to finish early is
    // finished when the user steps back or forward meanwhile; one without (a grip drag, while
    // the mouse button is down) makes undo and redo do nothing.
    void beginGroup(QObject* pOwner, std::function<void()> finish = {});
    void endGroup(QObject* pOwner);

    // The step being gathered, closed now rather than once control is back in the event loop.
    void closeStep();
    // Forgets every step, such as the building of a document that was opened, not drawn.
    void clear();
    // Nothing more is recorded: the scene is going.
    void close() { m_bClosed = true; }

public slots:
    void undo();
    void redo();

signals:
    void canUndoChanged(bool canUndo);
    void canRedoChanged(bool canRedo);

private slots:
    void updateState();

private:
    struct Group
    {
        QObject* owner;
        std::function<void()> finish;
        QMetaObject::Connection destroyed;
    };

    bool isRecording() const { return !m_bClosed && !m_bReplaying; }
    VGraphicsHistoryStep& openStep();
    void scheduleClose();
    // False while a group without a way to finish early is open.
    bool finishGroups();
    void replay(void (QUndoStack::*step)());

    VGraphicsScene* m_pScene;
    QUndoStack m_stack;
    std::unique_ptr<VGraphicsHistoryStep> m_pOpenStep;
    QList<Group> m_groups;
    bool m_bCloseScheduled = false;
    bool m_bReplaying = false;
    bool m_bClosed = false;
    bool m_bCouldUndo = false;
    bool m_bCouldRedo = false;
};
