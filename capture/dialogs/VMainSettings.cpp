// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VMainSettings.h"

#include "config/VConfigCapture.h"
#include "foundation/VUtility.h"
#include "hotkey/VHotkeyEdit.h"
#include "hotkey/VHotkeys.h"
#include "output/VOutput.h"
#include "platform/VPlatformBackend.h"
#include "platform/VPlatformFactory.h"
#include "ui_VMainDialog.h"
#include "VDialogFileOptions.h"
#include "VVCapture.h"

#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QIntValidator>
#include <QMenu>
#include <QRegularExpression>
#include <QSignalBlocker>

#include <algorithm>
#include <utility>

namespace {
VConfigCapture* config()
{
    return VConfigCapture::instance();
}

// Brings a number outside the range inside when the field is left, and puts the stored value
// back into a field left empty.
class VIntervalValidator : public QIntValidator
{
public:
    using QIntValidator::QIntValidator;

    void fixup(QString& input) const override
    {
        bool ok = false;
        const int value = input.toInt(&ok);
        input = QString::number(ok ? std::clamp(value, bottom(), top())
                                   : config()->scrollingInterval());
    }
};
} // namespace

VMainSettings::VMainSettings(Ui::VMainDialog& ui, QObject* pParent)
    : QObject(pParent)
    , m_ui(ui)
    , m_hotkeys{{
          {ui.labelHotkeyRegion, ui.checkBoxUseHotkeyRegion, ui.lineEditHotkeyRegion,
           ui.toolButtonDefaultHotkeyRegion},
          {ui.labelHotkeyWindow, ui.checkBoxUseHotkeyWindow, ui.lineEditHotkeyWindow,
           ui.toolButtonDefaultHotkeyWindow},
          {ui.labelHotkeyScrolling, ui.checkBoxUseHotkeyScrolling, ui.lineEditHotkeyScrolling,
           ui.toolButtonDefaultHotkeyScrolling},
          {ui.labelHotkeyFullScreen, ui.checkBoxUseHotkeyFullScreen, ui.lineEditHotkeyFullScreen,
           ui.toolButtonDefaultHotkeyFullScreen},
      }}
{
    QLineEdit* pInterval = ui.lineEditScorllingInterval;
    pInterval->setValidator(new VIntervalValidator(0, VConfigCapture::kMaxScrollingInterval, this));
    connect(pInterval, &QLineEdit::editingFinished, this,
            [pInterval] { config()->setScrollingInterval(pInterval->text().toInt()); });
    for (int mode = VV::CaptureRegion; mode <= VV::CaptureFullScreen; ++mode)
        m_hotkeys[mode].pEdit->setMode(mode);
    nameHotkeyRows();
    connect(ui.lineEditAutomaticSaveFolder, &QLineEdit::editingFinished, this,
            &VMainSettings::showFolderEnd);
    ui.labelFolderProblem->hide();

    const auto updatePreview = [this](bool on) {
        if (on)
            updateNamePreview();
    };
    const auto shrinkWhenOff = [this](bool on) {
        if (!on)
            emit heightMayShrink(); // its options row went
    };
    bindBox(ui.checkBoxIncludeCursor, &VConfigCapture::isIncludeCursor,
            &VConfigCapture::setIncludeCursor);
    m_bindings.push_back(
        {pInterval,
         [pInterval] { pInterval->setText(QString::number(config()->scrollingInterval())); },
         [pInterval] {
             // A number outside the range waits in the field until it is left, which brings it
             // inside.
             if (pInterval->hasAcceptableInput())
                 config()->setScrollingInterval(pInterval->text().toInt());
         }});
    QCheckBox* pAutoRun = ui.checkBoxAutoRun;
    m_bindings.push_back({pAutoRun,
                          [pAutoRun] {
                              // Showing what the desktop says is no choice of the user's:
                              // nothing is written back.
                              const QSignalBlocker blocker(pAutoRun);
                              pAutoRun->setChecked(config()->isAutoRun());
                          },
                          [pAutoRun] { config()->setAutoRun(pAutoRun->isChecked()); }});
    bindBox(ui.checkBoxSystemTray, &VConfigCapture::hasSystemTray, &VConfigCapture::setSystemTray);
    bindBox(ui.checkBoxInstantSystemTrayMenu, &VConfigCapture::isShowTrayInstantMenu,
            &VConfigCapture::setShowTrayInstantMenu);
    bindChoice(ui.radioButtonAskForName, &VConfigCapture::nameMethod,
               &VConfigCapture::setNameMethod, VV::NameAsk, nullptr);
    bindChoice(ui.radioButtonAutomaticName, &VConfigCapture::nameMethod,
               &VConfigCapture::setNameMethod, VV::NameAutomatic, shrinkWhenOff);
    m_bindings.push_back({ui.lineEditAutomaticSaveFolder,
                          [this] {
                              m_ui.lineEditAutomaticSaveFolder->setText(
                                  config()->automaticSaveFolder());
                              showFolderEnd();
                              updateNamePreview();
                          },
                          [this] { storeFolder(); }});
    bindChoice(ui.radioButtonBMP, &VConfigCapture::targetFormat, &VConfigCapture::setTargetFormat,
               VV::TargetFormatBmp, updatePreview);
    bindChoice(ui.radioButtonJPG, &VConfigCapture::targetFormat, &VConfigCapture::setTargetFormat,
               VV::TargetFormatJpg, [updatePreview, shrinkWhenOff](bool on) {
                   updatePreview(on);
                   shrinkWhenOff(on); // its quality row went
               });
    bindChoice(ui.radioButtonPNG, &VConfigCapture::targetFormat, &VConfigCapture::setTargetFormat,
               VV::TargetFormatPng, updatePreview);
    QSlider* pQuality = ui.horizontalSliderJpgQuality;
    m_bindings.push_back({pQuality, [pQuality] { pQuality->setValue(int(config()->jpgQuality())); },
                          [pQuality] { config()->setJpgQuality(unsigned(pQuality->value())); }});
    for (int mode = VV::CaptureRegion; mode <= VV::CaptureFullScreen; ++mode) {
        // The field applies and stores what is typed into it itself.
        VHotkeyEdit* pEdit = m_hotkeys[mode].pEdit;
        m_bindings.push_back({pEdit,
                              [pEdit, mode] {
                                  pEdit->setText(config()->hotkey(mode).toString());
                                  pEdit->setToolTip(QString());
                              },
                              nullptr});
    }
    for (int mode = VV::CaptureRegion; mode <= VV::CaptureFullScreen; ++mode) {
        QCheckBox* pUse = m_hotkeys[mode].pUse;
        m_bindings.push_back({pUse, [pUse, mode] { pUse->setChecked(config()->isUseHotkey(mode)); },
                              [this, pUse, mode] { toggleUseHotkey(mode, pUse->isChecked()); }});
    }
    bindBox(ui.checkBoxAutoUpdate, &VConfigCapture::isAutoUpdate, &VConfigCapture::setAutoUpdate);
}

VMainSettings::~VMainSettings() = default;

void VMainSettings::bindBox(QAbstractButton* pBox, bool (VConfigCapture::*read)() const,
                            void (VConfigCapture::*write)(bool))
{
    m_bindings.push_back({pBox, [pBox, read] { pBox->setChecked((config()->*read)()); },
                          [pBox, write] { (config()->*write)(pBox->isChecked()); }});
}

void VMainSettings::bindChoice(QAbstractButton* pButton, int (VConfigCapture::*read)() const,
                               void (VConfigCapture::*write)(int), int value,
                               std::function<void(bool)> after)
{
    m_bindings.push_back(
        {pButton, [pButton, read, value] { pButton->setChecked((config()->*read)() == value); },
         [pButton, write, value, after = std::move(after)] {
             const bool on = pButton->isChecked();
             if (on)
                 (config()->*write)(value);
             if (after)
                 after(on);
         }});
}

void VMainSettings::showAll()
{
    for (const Binding& binding : m_bindings)
        binding.show();
}

void VMainSettings::store(const QObject* pControl)
{
    const auto it = std::find_if(m_bindings.cbegin(), m_bindings.cend(),
                                 [pControl](const Binding& b) { return b.pControl == pControl; });
    if (it != m_bindings.cend() && it->store)
        it->store();
}

void VMainSettings::storeFolder()
{
    // A refused folder is not stored: the last good one stays in use.
    const QString text = m_ui.lineEditAutomaticSaveFolder->text();
    const QString problem = VConfigCapture::folderProblem(text);
    m_ui.labelFolderProblem->setText(problem);
    m_ui.labelFolderProblem->setVisible(!problem.isEmpty());
    if (problem.isEmpty())
        config()->setAutomaticSaveFolder(text);
    m_ui.lineEditAutomaticSaveFolder->setToolTip(QDir::toNativeSeparators(text));
}

void VMainSettings::showFolderEnd()
{
    // The end of a path names the folder; its start is the same for most folders.
    m_ui.lineEditAutomaticSaveFolder->setCursorPosition(
        int(m_ui.lineEditAutomaticSaveFolder->text().size()));
}

void VMainSettings::updateNamePreview()
{
    // The name a capture would really get, after what keeps it inside the folder.
    const VAutomaticName name = automaticName(QDateTime::currentDateTime());
    QString text = name.name;
    if (!name.subFolder.isEmpty())
        text = name.subFolder + QDir::separator() + text;
    m_ui.labelNamePreview->setText(text + QLatin1Char('.') +
                                   VUtility::TargetFormatToString(config()->targetFormat()));
}

void VMainSettings::showDesktopLimits()
{
    const VPlatformBackend& backend = VPlatform::backend();
    if (backend.grabsThroughService() && !backend.hasCursorImage()) {
        m_ui.checkBoxIncludeCursor->setEnabled(false);
        m_ui.checkBoxIncludeCursor->setToolTip(
            tr("The desktop's screenshot service decides whether the pointer is in the picture."));
    }
    if (backend.hasKeyGrabs())
        return;
    if (!m_pNoKeyGrabsLabel) {
        m_pNoKeyGrabsLabel = new QLabel(m_ui.groupBoxHotkey);
        m_pNoKeyGrabsLabel->setWordWrap(true);
        m_ui.gridLayoutHotkey->addWidget(m_pNoKeyGrabsLabel, m_ui.gridLayoutHotkey->rowCount(), 0,
                                         1, -1);
    }
    m_pNoKeyGrabsLabel->setText(
        tr("This desktop does not let a program see keys pressed for other programs, so "
           "these hotkeys cannot work. Bind \"TalvikCapture --capture region\" to a key in "
           "the desktop's keyboard settings instead."));
}

void VMainSettings::showTrayAvailability(bool available)
{
    const QString why =
        available ? QString()
                  : tr("This desktop shows no tray icons: closing the main window ends the "
                       "program.");
    for (QCheckBox* pBox : {m_ui.checkBoxSystemTray, m_ui.checkBoxInstantSystemTrayMenu}) {
        pBox->setEnabled(available);
        pBox->setToolTip(why);
    }
}

void VMainSettings::nameHotkeyRows()
{
    // Each row's controls are told apart by the mode their row names.
    static const QRegularExpression colon(QStringLiteral("[\\s:\uff1a]+$"));
    for (const HotkeyRow& row : m_hotkeys) {
        const QString name = row.pLabel->text().remove(colon);
        row.pUse->setAccessibleName(tr("Use the %1 hotkey").arg(name));
        row.pEdit->setAccessibleDescription(tr("Press the key combination to use."));
        row.pDefault->setAccessibleName(tr("Default %1 hotkey").arg(name));
    }
}

void VMainSettings::toggleUseHotkey(int mode, bool on)
{
    VHotkeyEdit* pEdit = m_hotkeys[mode].pEdit;
    pEdit->setEnabled(on);
    m_hotkeys[mode].pDefault->setEnabled(on);
    config()->setUseHotkey(mode, on);
    if (on)
        pEdit->applyHotkey(config()->hotkey(mode));
    else
        removeHotkey(mode);
}

void VMainSettings::chooseDefaultHotkey(int mode)
{
    VHotkeyEdit* pEdit = m_hotkeys[mode].pEdit;
    QMenu menu;
    for (int defaultMode = VV::CaptureRegion; defaultMode <= VV::CaptureFullScreen; ++defaultMode) {
        const VHotkey hotkey = VConfigCapture::defaultHotkey(defaultMode);
        menu.addAction(hotkey.toString(), this, [pEdit, hotkey] { pEdit->setHotkey(hotkey); });
    }
    menu.exec(QCursor::pos());
}

void VMainSettings::chooseFolder(QWidget* pParent)
{
    const QString folder = QFileDialog::getExistingDirectory(
        pParent, tr("Select a directory"), config()->automaticSaveFolder(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (!folder.isEmpty())
        m_ui.lineEditAutomaticSaveFolder->setText(QDir::toNativeSeparators(folder));
}

void VMainSettings::editFileOptions(QWidget* pParent)
{
    VDialogFileOptions dialog(pParent);
    dialog.exec();
    updateNamePreview();
}
