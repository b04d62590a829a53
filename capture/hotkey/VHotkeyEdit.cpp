// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hotkey/VHotkeyEdit.h"

#include "hotkey/VHotkeys.h"

#include <QKeyEvent>
#include <QMessageBox>

VHotkeyEdit::VHotkeyEdit(QWidget* parent) : QLineEdit(parent)
{
    // The field shows hotkeys only: no text may reach it by pasting, dropping or composing.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

VHotkeyEdit::~VHotkeyEdit()
{
    setRecording(false);
}

void VHotkeyEdit::setMode(int mode)
{
    m_mode = mode;
}

void VHotkeyEdit::setHotkey(const VHotkey& hotkey)
{
    if (hotkey == m_hotkey && m_bInstalled)
        return;
    applyHotkey(hotkey);
}

void VHotkeyEdit::applyHotkey(const VHotkey& hotkey)
{
    m_hotkey = hotkey;
    QString error;
    m_bInstalled = ::applyHotkey(m_mode, hotkey, error);
    if (m_bInstalled) {
        showText(hotkey.toString());
        return;
    }
    showText(error);
    // At a log-on start nobody would see the field.
    if (!isVisible() && !error.isEmpty())
        QMessageBox::warning(nullptr, tr("Setting Hotkey"), error);
}

void VHotkeyEdit::showText(const QString& text)
{
    setText(text);
    // A reason may be longer than the field: its start, and all of it in the tool tip.
    setCursorPosition(0);
    setToolTip(text);
}

void VHotkeyEdit::setRecording(bool on)
{
    if (on == m_bRecording)
        return;
    m_bRecording = on;
    if (on)
        suspendHotkeys();
    else
        resumeHotkeys();
}

void VHotkeyEdit::focusInEvent(QFocusEvent* event)
{
    setRecording(true);
    QLineEdit::focusInEvent(event);
}

void VHotkeyEdit::focusOutEvent(QFocusEvent* event)
{
    setRecording(false);
    QLineEdit::focusOutEvent(event);
}

bool VHotkeyEdit::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride: // the press comes to keyPressEvent instead of a shortcut
    case QEvent::KeyRelease:
        event->accept();
        return true;
    default:
        return QLineEdit::event(event);
    }
}

void VHotkeyEdit::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    const int key = event->key();
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_AltGr:
        return;
    case 0:
    case Qt::Key_unknown:
        return; // nothing to name; the installed hotkey stays
    default:
        break;
    }
    // The keypad bit stays too: a keypad key is not the main keyboard's key of the same name.
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    Qt::KeyboardModifiers kept =
        modifiers & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier | Qt::KeypadModifier);
    // Shift stays only where the text does not already show it ("!" for Shift+1).
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint() || text.at(0).isLetter() || text.at(0).isSpace())
        kept |= modifiers & Qt::ShiftModifier;
    setHotkey(VHotkey(QKeyCombination(kept, Qt::Key(key)).toCombined()));
}
