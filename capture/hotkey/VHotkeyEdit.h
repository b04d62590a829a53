// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/VHotkey.h"

#include <QLineEdit>

// The field where the user presses a capture mode's hotkey. A press is taken as the new hotkey
// and installed at once; the field shows its text, or why it could not be installed.
class VHotkeyEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit VHotkeyEdit(QWidget* parent = nullptr);
    ~VHotkeyEdit() override;

    // The capture mode (VV::enumCaptureMode) whose hotkey this field sets; 0 at first.
    void setMode(int mode);
    int mode() const { return m_mode; }

    // The hotkey last given to the field, installed or not; empty at first.
    const VHotkey& hotkey() const { return m_hotkey; }

    // Installs a new hotkey for the mode; the one the field already holds is only installed
    // again when the last attempt failed. On failure the reason shows in the field, and also in
    // a "Setting Hotkey" warning box when the field is not visible.
    void setHotkey(const VHotkey& hotkey);

    // Like setHotkey, also when the field holds this hotkey already (after removeHotkey).
    void applyHotkey(const VHotkey& hotkey);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // While the field has the focus it records: the program's hotkeys are suspended.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showText(const QString& text);
    void setRecording(bool on);

    VHotkey m_hotkey;
    int m_mode = 0;
    bool m_bInstalled = false;
    bool m_bRecording = false;
};
