// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QList>
#include <QObject>
#include <QPointer>

class VEventFilter;
class VGraphicsScene;

using VEventFilterPointer = QPointer<VEventFilter>;

// The filters attached to one scene, ascending by priority; the newest of equal priority is
// asked first. Installed as a Qt event filter on the scene itself.
class TALVIKCORE_EXPORT VEventFilterList : public QObject, public QList<VEventFilterPointer>
{
    Q_OBJECT

public:
    explicit VEventFilterList(VGraphicsScene* scene);
    ~VEventFilterList() override;

    void startEventFilter(VEventFilter* filter);
    // Removes the filter if present, tells it, and deletes it later.
    void removeEventFilter(VEventFilter* filter);
    // Ends every create prompt, newest first.
    void cancelCurrentPrompt();
    // Removes every filter, last first.
    void clearFilters();
    // A drawing tool is at work.
    bool hasActivePrompt() const;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void takeFilter(qsizetype index);

    VGraphicsScene* m_pScene;
};
