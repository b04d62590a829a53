// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QObject>
#include <QPointer>

class QAbstractButton;
class QWidget;
class VGraphicsHistory;

// The undo and redo buttons of a window that shows a canvas: each is enabled while there is a
// step to take back or forward, its shortcuts (Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y) click it while it
// is on screen, and its tool tip names them.
class TALVIKCORE_EXPORT VUndoButtons : public QObject
{
    Q_OBJECT

public:
    // Lives as long as the undo button; the shortcuts work anywhere in window.
    VUndoButtons(VGraphicsHistory& history, QAbstractButton* pUndo, QAbstractButton* pRedo,
                 QWidget* pWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void retranslate();

    QPointer<QAbstractButton> m_pUndo;
    QPointer<QAbstractButton> m_pRedo;
};
