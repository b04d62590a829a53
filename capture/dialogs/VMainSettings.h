// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <array>
#include <functional>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QToolButton;
class QWidget;
class VConfigCapture;
class VHotkeyEdit;

namespace Ui {
class VMainDialog;
}

// The main dialog's settings controls bound to VConfigCapture: one row per control, saying how
// the control shows its setting and how a change of it is written back at once.
class VMainSettings : public QObject
{
    Q_OBJECT

public:
    VMainSettings(Ui::VMainDialog& ui, QObject* pParent);
    ~VMainSettings() override;

    // Every control from its setting, in the order of the rows: reading "AutoRun" brings the
    // log-on entry in line, and the "Use" boxes install the hotkeys.
    void showAll();
    // Writes the setting of a control the user changed, with what follows from it.
    void store(const QObject* pControl);

    void updateNamePreview();
    void showFolderEnd();
    void chooseDefaultHotkey(int mode);
    // Puts a folder the user picks into the folder field, which stores it.
    void chooseFolder(QWidget* pParent);
    void editFileOptions(QWidget* pParent);
    // Greys out, with the reason, what this desktop does not let us do.
    void showDesktopLimits();
    void showTrayAvailability(bool available);
    // Names the hotkey rows' controls for screen readers, in the current language.
    void nameHotkeyRows();

signals:
    // A row of options went away, so the dialog may need less height.
    void heightMayShrink();

private:
    struct Binding
    {
        const QObject* pControl;
        std::function<void()> show;
        std::function<void()> store;
    };
    // The controls of one mode's hotkey row, by mode number.
    struct HotkeyRow
    {
        QLabel* pLabel;
        QCheckBox* pUse;
        VHotkeyEdit* pEdit;
        QToolButton* pDefault;
    };

    void bindBox(QAbstractButton* pBox, bool (VConfigCapture::*read)() const,
                 void (VConfigCapture::*write)(bool));
    // One button of a group of radio buttons that stands for value; after follows a toggle.
    void bindChoice(QAbstractButton* pButton, int (VConfigCapture::*read)() const,
                    void (VConfigCapture::*write)(int), int value, std::function<void(bool)> after);
    void toggleUseHotkey(int mode, bool on);
    void storeFolder();

    Ui::VMainDialog& m_ui;
    std::array<HotkeyRow, 4> m_hotkeys;
    std::vector<Binding> m_bindings;
    QLabel* m_pNoKeyGrabsLabel = nullptr;
};
