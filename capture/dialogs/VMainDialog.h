// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "flow/VCaptureController.h"
#include "grab/VScreenGrab.h"
#include "output/VDelivery.h"

#include <QDialog>

#include <array>
#include <memory>

class QMenu;
class QTimer;
class QAction;
class QLabel;
class QToolButton;
class VDeliveryNotice;
class VHotkeyEdit;
class VSystemTrayIcon;

namespace Ui {
class VMainDialog;
}

// The application's window: the mode buttons, the settings tabs, the banner. It owns the tray
// icon, the hotkeys and the capture controller. Every control writes its setting at once.
class VMainDialog : public QDialog
{
    Q_OBJECT

public:
    explicit VMainDialog(QWidget* parent = nullptr);
    ~VMainDialog() override;

    // Asks for a capture of the monitor under the pointer (a hotkey, the tray); the grab happens
    // later, once the dialog has left the screen. Ignored while a capture is running; replaces
    // one still pending.
    void startCapture(int mode);
    // The same for a capture asked for from outside (the command line, a key the desktop binds
    // to it): a mode this desktop cannot do is explained, where a hotkey's would stay quiet.
    void startAskedCapture(int mode);

    void updateFromConfig();
    void updateNamePreview();

    // Escape closes like the window's close button, so it never hides the dialog where there
    // is no tray to bring it back from.
    void reject() override;

    VSystemTrayIcon* trayIcon() const { return m_pTrayIcon; }
    QMenu* helpMenu() const { return m_pHelpMenu; }
    QMenu* regionMenu() const { return m_pRegionMenu; }
    VCaptureController* captureController() const { return m_pCapture; }
    VDeliveryNotice* deliveryNotice() const { return m_pNotice; }

    // For a process started only to capture: without a tray it could not be reached once the
    // capture is over, so it then ends, when nothing of it is left on screen or on the
    // clipboard.
    void endWhenIdleWithoutTray();
    // A start at log-on: hidden in the tray, or minimised where there is none yet.
    void startFromLogOn();

signals:
    void shown();
    void hidden();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

    // What follows the grab: the output chooser for a full screen, the overlay for the others.
    virtual void runCapture(int mode, VScreenGrab grab);
    // Whether the desktop shows tray icons now; it may start one after us.
    virtual bool trayAvailable() const;

private slots:
    void on_checkBoxInstantSystemTrayMenu_toggled(bool on);
    void on_lineEditScorllingInterval_textEdited(const QString& text);
    void on_toolButtonModeFullScreen_clicked();
    void on_toolButtonModeWindow_clicked();
    void on_toolButtonModeScrolling_clicked();
    void on_toolButtonModeRegion_clicked();
    void on_toolButtonDefaultHotkeyFullScreen_clicked();
    void on_toolButtonDefaultHotkeyScrolling_clicked();
    void on_toolButtonDefaultHotkeyWindow_clicked();
    void on_toolButtonDefaultHotkeyRegion_clicked();
    void on_checkBoxUseHotkeyFullScreen_toggled(bool on);
    void on_checkBoxUseHotkeyWindow_toggled(bool on);
    void on_checkBoxUseHotkeyScrolling_toggled(bool on);
    void on_checkBoxUseHotkeyRegion_toggled(bool on);
    void on_checkBoxAutoUpdate_toggled(bool on);
    void on_horizontalSliderJpgQuality_valueChanged(int value);
    void on_radioButtonPNG_toggled(bool on);
    void on_radioButtonJPG_toggled(bool on);
    void on_radioButtonBMP_toggled(bool on);
    void on_pushButtonAutomaticOptions_clicked();
    void on_toolButtonSelectAutomaticSaveFolder_clicked();
    void on_lineEditAutomaticSaveFolder_textChanged(const QString& text);
    void on_radioButtonAutomaticName_toggled(bool on);
    void on_radioButtonAskForName_toggled(bool on);
    void on_checkBoxSystemTray_toggled(bool on);
    void on_checkBoxAutoRun_toggled(bool on);
    void on_checkBoxIncludeCursor_toggled(bool on);
    void on_toolButtonAdvancedOptions_clicked();
    void on_toolButtonAbout_clicked();
    void on_toolButtonDontShowTellFriend_clicked();
    void onHelpEmail();
    void onHelpTicket();
    void onHelpProductWebPage();
    void onHelpTellFriend();
    void onToolButtonModeRegionMenuRectangle();
    void onToolButtonModeRegionMenuPolygon();

private:
    void requestCapture(int mode, VCaptureController::Target target);
    // From the dialog's own buttons: the monitor the dialog is on.
    void startCaptureHere(int mode);
    void fillMenus();
    // Whether this desktop lets the scrolling mode work, and what a user reads where it does not.
    static bool canScrollWindows();
    static QString cannotScrollText();
    // Why a capture mode cannot work on this desktop, or empty; such modes are disabled.
    static QString unavailableText(int mode);
    // Disables the modes, and explains the hotkeys, that cannot work on this desktop.
    void showDesktopLimits();
    void hideTellFriend();
    void shrinkHeight();
    void showFolderEnd();
    void updateRegionIcons();
    void toggleUseHotkey(int mode, bool on);
    void chooseDefaultHotkey(int mode);
    void nameHotkeyRows();
    void watchTray();
    void applyTrayAvailability(bool available);
    VHotkeyEdit* hotkeyEdit(int mode) const;
    QToolButton* defaultHotkeyButton(int mode) const;

    std::unique_ptr<Ui::VMainDialog> m_pUi;
    QMenu* m_pHelpMenu = nullptr;
    QMenu* m_pRegionMenu = nullptr;
    QAction* m_pTellFriendAction = nullptr;
    VSystemTrayIcon* m_pTrayIcon = nullptr;
    // By mode number, in the tray menu and its instant panel.
    std::array<QAction*, 4> m_trayModeActions{};
    std::array<QToolButton*, 4> m_panelModeButtons{};
    VCaptureController* m_pCapture = nullptr;
    VDeliveryNotice* m_pNotice = nullptr;
    // What the capture under way became and where it was, for the word once it is over.
    VDelivery m_delivery;
    QRect m_deliveryPlace;
    QLabel* m_pNoKeyGrabsLabel = nullptr;
    QTimer* m_pTrayWatch = nullptr;
    bool m_bTrayAvailable = true;
    bool m_bEndWhenIdle = false;
    bool m_bHideWhenTrayComes = false;
    // Where the pointer was when a capture ended, while it has not entered the dialog since.
    QPoint m_restingPointer;
    bool m_bPointerResting = false;
};
