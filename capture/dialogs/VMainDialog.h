// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "flow/VCaptureController.h"
#include "grab/VScreenGrab.h"
#include "output/VDelivery.h"
#include "VMainHelp.h"
#include "VMainSettings.h"
#include "VVCapture.h"

#include <QDialog>

#include <memory>

class QMenu;
class VDeliveryNotice;
class VMainTray;
class VSystemTrayIcon;

namespace Ui {
class VMainDialog;
}

// The application's window: the mode buttons, the settings tabs, the banner. It owns the tray
// (VMainTray), the binding of its settings controls (VMainSettings, which installs the
// hotkeys), the help menu (VMainHelp) and the capture controller. Every control writes its
// setting at once.
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

    VSystemTrayIcon* trayIcon() const;
    QMenu* helpMenu() const { return m_pHelp->menu(); }
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
    // A settings control's slot hands the control that changed to the binding.
    void on_checkBoxInstantSystemTrayMenu_toggled(bool) { m_pSettings->store(sender()); }
    void on_lineEditScorllingInterval_textEdited(const QString&) { m_pSettings->store(sender()); }
    void on_toolButtonModeFullScreen_clicked() { startCaptureHere(VV::CaptureFullScreen); }
    void on_toolButtonModeWindow_clicked() { startCaptureHere(VV::CaptureWindow); }
    void on_toolButtonModeScrolling_clicked() { startCaptureHere(VV::CaptureScrolling); }
    void on_toolButtonModeRegion_clicked() { startCaptureHere(VV::CaptureRegion); }
    void on_toolButtonDefaultHotkeyFullScreen_clicked()
    {
        m_pSettings->chooseDefaultHotkey(VV::CaptureFullScreen);
    }
    void on_toolButtonDefaultHotkeyScrolling_clicked()
    {
        m_pSettings->chooseDefaultHotkey(VV::CaptureScrolling);
    }
    void on_toolButtonDefaultHotkeyWindow_clicked()
    {
        m_pSettings->chooseDefaultHotkey(VV::CaptureWindow);
    }
    void on_toolButtonDefaultHotkeyRegion_clicked()
    {
        m_pSettings->chooseDefaultHotkey(VV::CaptureRegion);
    }
    void on_checkBoxUseHotkeyFullScreen_toggled(bool) { m_pSettings->store(sender()); }
    void on_checkBoxUseHotkeyWindow_toggled(bool) { m_pSettings->store(sender()); }
    void on_checkBoxUseHotkeyScrolling_toggled(bool) { m_pSettings->store(sender()); }
    void on_checkBoxUseHotkeyRegion_toggled(bool) { m_pSettings->store(sender()); }
    void on_checkBoxAutoUpdate_toggled(bool) { m_pSettings->store(sender()); }
    void on_horizontalSliderJpgQuality_valueChanged(int) { m_pSettings->store(sender()); }
    void on_radioButtonPNG_toggled(bool) { m_pSettings->store(sender()); }
    void on_radioButtonJPG_toggled(bool) { m_pSettings->store(sender()); }
    void on_radioButtonBMP_toggled(bool) { m_pSettings->store(sender()); }
    void on_pushButtonAutomaticOptions_clicked() { m_pSettings->editFileOptions(this); }
    void on_toolButtonSelectAutomaticSaveFolder_clicked() { m_pSettings->chooseFolder(this); }
    void on_lineEditAutomaticSaveFolder_textChanged(const QString&)
    {
        m_pSettings->store(sender());
    }
    void on_radioButtonAutomaticName_toggled(bool) { m_pSettings->store(sender()); }
    void on_radioButtonAskForName_toggled(bool) { m_pSettings->store(sender()); }
    void on_checkBoxSystemTray_toggled(bool) { m_pSettings->store(sender()); }
    void on_checkBoxAutoRun_toggled(bool) { m_pSettings->store(sender()); }
    void on_checkBoxIncludeCursor_toggled(bool) { m_pSettings->store(sender()); }
    void on_toolButtonAdvancedOptions_clicked();
    void on_toolButtonAbout_clicked() { VMainHelp::showAbout(this); }
    void on_toolButtonDontShowTellFriend_clicked() { hideTellFriend(); }
    void onHelpEmail() { VMainHelp::openSupportMail(); }
    void onHelpTicket() { VMainHelp::openIssueForm(); }
    void onHelpProductWebPage() { VMainHelp::openProductPage(); }
    void onHelpTellFriend() { VMainHelp::openSharePage(); }
    void onToolButtonModeRegionMenuRectangle();
    void onToolButtonModeRegionMenuPolygon();

private:
    void requestCapture(int mode, VCaptureController::Target target);
    // From the dialog's own buttons: the monitor the dialog is on.
    void startCaptureHere(int mode);
    void fillMenus();
    // Why a capture mode cannot work on this desktop, or empty; such modes are disabled.
    static QString unavailableText(int mode);
    // Disables the modes, and explains the settings, that cannot work on this desktop.
    void showDesktopLimits();
    void hideTellFriend();
    void shrinkHeight();
    void updateRegionIcons();

    std::unique_ptr<Ui::VMainDialog> m_pUi;
    VMainHelp* m_pHelp = nullptr;
    QMenu* m_pRegionMenu = nullptr;
    VMainTray* m_pTray = nullptr;
    VMainSettings* m_pSettings = nullptr;
    VCaptureController* m_pCapture = nullptr;
    VDeliveryNotice* m_pNotice = nullptr;
    // What the capture under way became and where it was, for the word once it is over.
    VDelivery m_delivery;
    QRect m_deliveryPlace;
    // Where the pointer was when a capture ended, while it has not entered the dialog since.
    QPoint m_restingPointer;
    bool m_bPointerResting = false;
};
