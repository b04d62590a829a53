// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VUndoButtons.h"

#include "graphics/VGraphicsHistory.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeySequence>
#include <QShortcut>

namespace {
const QList<QKeySequence>& undoKeys()
{
    static const QList<QKeySequence> keys{QKeySequence(Qt::CTRL | Qt::Key_Z)};
    return keys;
}

const QList<QKeySequence>& redoKeys()
{
    static const QList<QKeySequence> keys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                          QKeySequence(Qt::CTRL | Qt::Key_Y)};
    return keys;
}

QString keyText(const QList<QKeySequence>& keys)
{
    QStringList texts;
    for (const QKeySequence& key : keys)
        texts.append(key.toString(QKeySequence::NativeText));
    return texts.join(QStringLiteral(", "));
}

void bind(QAbstractButton* pButton, const QList<QKeySequence>& keys, QWidget* pWindow)
{
    // On the window, so it works wherever the focus is; through the button, so it does just what
    // a click does, and nothing while the button is disabled or off screen.
    auto* shortcut = new QShortcut(pWindow);
    shortcut->setKeys(keys);
    QObject::connect(shortcut, &QShortcut::activated, pButton, [pButton] {
        if (pButton->isVisible())
            pButton->click();
    });
}
} // namespace

VUndoButtons::VUndoButtons(VGraphicsHistory& history, QAbstractButton* pUndo,
                           QAbstractButton* pRedo, QWidget* pWindow)
    : QObject(pUndo), m_pUndo(pUndo), m_pRedo(pRedo)
{
    connect(pUndo, &QAbstractButton::clicked, &history, &VGraphicsHistory::undo);
    connect(pRedo, &QAbstractButton::clicked, &history, &VGraphicsHistory::redo);
    connect(&history, &VGraphicsHistory::canUndoChanged, pUndo, &QAbstractButton::setEnabled);
    connect(&history, &VGraphicsHistory::canRedoChanged, pRedo, &QAbstractButton::setEnabled);
    pUndo->setEnabled(history.canUndo());
    pRedo->setEnabled(history.canRedo());
    bind(pUndo, undoKeys(), pWindow);
    bind(pRedo, redoKeys(), pWindow);
    pUndo->installEventFilter(this);
    retranslate();
}

bool VUndoButtons::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pUndo && event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::eventFilter(watched, event);
}

void VUndoButtons::retranslate()
{
    // Icon-only: a screen reader says the name.
    if (m_pUndo) {
        m_pUndo->setToolTip(tr("Undo (%1)").arg(keyText(undoKeys())));
        m_pUndo->setAccessibleName(tr("Undo"));
    }
    if (m_pRedo) {
        m_pRedo->setToolTip(tr("Redo (%1)").arg(keyText(redoKeys())));
        m_pRedo->setAccessibleName(tr("Redo"));
    }
}
