// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VMainDialog.h"

#include "flow/VCaptureController.h"
#include "flow/VCaptureFollowUp.h"
#include "VCaptureInfo.h"
#include "scrolling/VScrollingCapture.h"
#include "flow/VUpdaterLauncher.h"
#include "config/VConfigCapture.h"
#include "foundation/VUtility.h"
#include "grab/VWindowNode.h"
#include "hotkey/VHotkeyEdit.h"
#include "hotkey/VHotkeys.h"
#include "output/VOutput.h"
#include "platform/VPlatformBackend.h"
#include "platform/VPlatformFactory.h"
#include "ui_VMainDialog.h"
#include "VCaptureModes.h"
#include "VDeliveryNotice.h"
#include "VDialogFileOptions.h"
#include "output/VDialogPromptTarget.h"
#include "VVCapture.h"
#include "widgets/VShapedTrayPanel.h"
#include "widgets/VSystemTrayIcon.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QIntValidator>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QUrl>

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

VMainDialog::VMainDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint)
    , m_pUi(std::make_unique<Ui::VMainDialog>())
{
    m_pUi->setupUi(this);
    // The dark areas' style sheet keeps their palette (light text, dark buttons) from reaching
    // their children, which would draw dark text and light hover boxes on the dark ground.
    for (QWidget* pArea : {m_pUi->horizontalWidgetTitle, m_pUi->horizontalWidgetBottom}) {
        const QPalette palette = pArea->palette();
        for (QWidget* pChild : pArea->findChildren<QWidget*>())
            pChild->setPalette(palette);
    }
    // Like a toolbar's: a click leaves no focus, whose raised box would look like a selection;
    // Tab still reaches them.
    for (QToolButton* pButton : m_pUi->horizontalWidgetTitle->findChildren<QToolButton*>())
        pButton->setFocusPolicy(Qt::TabFocus);
    m_pHelpMenu = new QMenu(this);
    m_pRegionMenu = new QMenu(this);
    m_pTrayIcon = new VSystemTrayIcon(this, QIcon(QStringLiteral(":/images/App16.png")));
    m_pCapture = new VCaptureController(
        this, [this](int mode, VScreenGrab grab) { runCapture(mode, std::move(grab)); }, this);
    connect(m_pCapture, &VCaptureController::captureStarting, this,
            [this] { m_pTrayIcon->hide(); });
    m_pNotice = new VDeliveryNotice(m_pTrayIcon, this);
    connect(m_pCapture, &VCaptureController::captureEnded, this, [this] {
        updateFromConfig();
        m_pTrayIcon->show();
        m_pNotice->announce(std::exchange(m_delivery, VDelivery()), m_deliveryPlace);
        m_restingPointer = QCursor::pos();
        m_bPointerResting = true;
    });
    connect(m_pTrayIcon, &VSystemTrayIcon::exitRequested, m_pCapture, &VCaptureController::abandon);
    connect(m_pCapture, &VCaptureController::captureFailed, this, [this](const QString& why) {
        QMessageBox::warning(isVisible() ? this : nullptr, VCaptureInfo::displayName(), why);
    });

    QCoreApplication::setApplicationName(VCaptureInfo::applicationName());
    setHotkeyOwnerWindow(winId());

    fillMenus();

    m_pUi->tabWidgetSettings->hide();
    m_pUi->widgetJpegOptions->hide();
    m_pUi->widgetAutomaticSaveOptions->hide();
    m_pUi->lineEditScorllingInterval->setValidator(
        new VIntervalValidator(0, VConfigCapture::kMaxScrollingInterval, this));
    connect(m_pUi->lineEditScorllingInterval, &QLineEdit::editingFinished, this, [this] {
        config()->setScrollingInterval(m_pUi->lineEditScorllingInterval->text().toInt());
    });
    for (int mode = VV::CaptureRegion; mode <= VV::CaptureFullScreen; ++mode)
        hotkeyEdit(mode)->setMode(mode);
    nameHotkeyRows();
    connect(m_pUi->labelTellFriend, &QLabel::linkActivated, this, &VMainDialog::onHelpTellFriend);
    connect(m_pUi->lineEditAutomaticSaveFolder, &QLineEdit::editingFinished, this,
            &VMainDialog::showFolderEnd);
    m_pUi->labelFolderProblem->hide();
    // A distribution's own updates replace ours.
    m_pUi->checkBoxAutoUpdate->setVisible(hasUpdater());
    if (!config()->isShowTellFriend())
        hideTellFriend();

    for (int number = VV::CaptureRegion; number <= VV::CaptureFullScreen; ++number) {
        // From the tray the user is wherever the pointer is, not where the hidden dialog was.
        const auto start = [this, number] { startCapture(number); };
        const QString text = VCaptureModes::trayText(number);
        const QIcon icon = VCaptureModes::icon(number, config()->regionType());
        QAction* pAction = m_pTrayIcon->addAction(icon, text, nullptr, nullptr);
        connect(pAction, &QAction::triggered, this, start);
        QToolButton* pButton = m_pTrayIcon->panel()->addButton(icon, text, nullptr, nullptr);
        connect(pButton, &QToolButton::clicked, this, start);
        m_trayModeActions[number] = pAction;
        m_panelModeButtons[number] = pButton;
    }
    showDesktopLimits();
    m_pTrayIcon->show();

    m_pUi->toolButtonModeRegion->setMenu(m_pRegionMenu);
    m_pUi->toolButtonHelp->setMenu(m_pHelpMenu);

    updateFromConfig();
    shrinkHeight();
}

VMainDialog::~VMainDialog() = default;

void VMainDialog::fillMenus()
{
    m_pHelpMenu->addAction(QIcon(QStringLiteral(":/images/mail_post_to.png")), tr("Email Support"),
                           this, &VMainDialog::onHelpEmail);
    m_pHelpMenu->addAction(QIcon(QStringLiteral(":/images/form.png")), tr("Submit Issue Online"),
                           this, &VMainDialog::onHelpTicket);
    m_pHelpMenu->addAction(QIcon(QStringLiteral(":/images/internet.png")), tr("Product Homepage"),
                           this, &VMainDialog::onHelpProductWebPage);
    m_pRegionMenu->addAction(VCaptureModes::regionIcon(VV::RegionRectangle), tr("Rectangle"), this,
                             &VMainDialog::onToolButtonModeRegionMenuRectangle);
    m_pRegionMenu->addAction(VCaptureModes::regionIcon(VV::RegionPolygon), tr("Polyggon"), this,
                             &VMainDialog::onToolButtonModeRegionMenuPolygon);
}

// ---- dispatch ----

bool VMainDialog::canScrollWindows()
{
    return VPlatform::backend().canScrollWindows();
}

QString VMainDialog::cannotScrollText()
{
    return VScrollingCapture::endText(VScrollingCapture::End::Unavailable);
}

QString VMainDialog::unavailableText(int mode)
{
    if (mode == VV::CaptureWindow)
        return windowTreeUnavailableText();
    if (mode == VV::CaptureScrolling && !canScrollWindows())
        return cannotScrollText();
    return QString();
}

void VMainDialog::showDesktopLimits()
{
    const VPlatformBackend& backend = VPlatform::backend();
    if (backend.grabsThroughService() && !backend.hasCursorImage()) {
        m_pUi->checkBoxIncludeCursor->setEnabled(false);
        m_pUi->checkBoxIncludeCursor->setToolTip(
            tr("The desktop's screenshot service decides whether the pointer is in the picture."));
    }
    if (!backend.hasKeyGrabs()) {
        if (!m_pNoKeyGrabsLabel) {
            m_pNoKeyGrabsLabel = new QLabel(m_pUi->groupBoxHotkey);
            m_pNoKeyGrabsLabel->setWordWrap(true);
            m_pUi->gridLayoutHotkey->addWidget(m_pNoKeyGrabsLabel,
                                               m_pUi->gridLayoutHotkey->rowCount(), 0, 1, -1);
        }
        m_pNoKeyGrabsLabel->setText(
            tr("This desktop does not let a program see keys pressed for other programs, so "
               "these hotkeys cannot work. Bind \"TalvikCapture --capture region\" to a key in "
               "the desktop's keyboard settings instead."));
    }
    QToolButton* const modeButtons[] = {m_pUi->toolButtonModeRegion, m_pUi->toolButtonModeWindow,
                                        m_pUi->toolButtonModeScrolling,
                                        m_pUi->toolButtonModeFullScreen};
    for (int mode = VV::CaptureRegion; mode <= VV::CaptureFullScreen; ++mode) {
        const QString why = unavailableText(mode);
        if (why.isEmpty())
            continue;
        for (QToolButton* pButton : {modeButtons[mode], m_panelModeButtons[mode]}) {
            if (pButton) {
                pButton->setEnabled(false);
                pButton->setToolTip(why);
            }
        }
        if (m_trayModeActions[mode])
            m_trayModeActions[mode]->setEnabled(false);
    }
}

void VMainDialog::startCapture(int mode)
{
    requestCapture(mode, VCaptureController::Target::PointerMonitor);
}

void VMainDialog::requestCapture(int mode, VCaptureController::Target target)
{
    // Its hotkey, too, would only freeze the screen for a capture that cannot follow.
    if (unavailableText(mode).isEmpty())
        m_pCapture->startCapture(mode, target);
}

void VMainDialog::startCaptureHere(int mode)
{
    requestCapture(mode, VCaptureController::Target::WindowMonitor);
}

void VMainDialog::startAskedCapture(int mode)
{
    const QString why = unavailableText(mode);
    if (why.isEmpty()) {
        startCapture(mode);
        return;
    }
    // Not modal: the request came from outside and must not hold up the next one.
    auto* pBox = new QMessageBox(QMessageBox::Information, VCaptureInfo::displayName(), why,
                                 QMessageBox::Ok, isVisible() ? this : nullptr);
    pBox->setAttribute(Qt::WA_DeleteOnClose);
    pBox->show();
}

void VMainDialog::runCapture(int mode, VScreenGrab grab)
{
    m_deliveryPlace = grab.geometry;
    m_delivery = runCaptureFollowUp(this, mode, std::move(grab));
}

// ---- window events ----

void VMainDialog::closeEvent(QCloseEvent* event)
{
    // Without a tray to come back from, closing has to end the program.
    if (!config()->hasSystemTray() || !trayAvailable()) {
        QCoreApplication::quit();
        return;
    }
    event->ignore();
    hide();
}

bool VMainDialog::trayAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void VMainDialog::endWhenIdleWithoutTray()
{
    m_bEndWhenIdle = true;
    watchTray();
}

void VMainDialog::startFromLogOn()
{
    if (trayAvailable())
        return;
    // Minimised once mapped: the desktop ignores a window that asks to start so. Hidden
    // again when the tray comes, as a log-on start with a tray would be.
    m_bHideWhenTrayComes = true;
    show();
    QTimer::singleShot(0, this, &QWidget::showMinimized);
}

void VMainDialog::watchTray()
{
    const bool available = trayAvailable();
    if (available != m_bTrayAvailable)
        applyTrayAvailability(available);
    if (available) {
        // From now on the tray icon reaches the program.
        m_bEndWhenIdle = false;
        if (std::exchange(m_bHideWhenTrayComes, false) && isMinimized())
            hide();
    }
    if (!available && m_bEndWhenIdle && isHidden() && !m_pCapture->isPending() &&
        !m_pCapture->isRunning() && !QGuiApplication::clipboard()->ownsClipboard()) {
        const QWidgetList windows = QApplication::topLevelWidgets();
        if (std::none_of(windows.begin(), windows.end(),
                         [](const QWidget* pWindow) { return pWindow->isVisible(); })) {
            QCoreApplication::quit();
            return;
        }
    }
    // A tray host may start after us; once it is there, the tray icon does the reaching.
    if (!available) {
        if (!m_pTrayWatch) {
            m_pTrayWatch = new QTimer(this);
            m_pTrayWatch->setInterval(1000);
            connect(m_pTrayWatch, &QTimer::timeout, this, &VMainDialog::watchTray);
        }
        m_pTrayWatch->start();
    } else if (m_pTrayWatch) {
        m_pTrayWatch->stop();
    }
}

void VMainDialog::applyTrayAvailability(bool available)
{
    m_bTrayAvailable = available;
    const QString why =
        available ? QString()
                  : tr("This desktop shows no tray icons: closing the main window ends the "
                       "program.");
    for (QCheckBox* pBox : {m_pUi->checkBoxSystemTray, m_pUi->checkBoxInstantSystemTrayMenu}) {
        pBox->setEnabled(available);
        pBox->setToolTip(why);
    }
}

void VMainDialog::reject()
{
    close();
}

void VMainDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    watchTray();
    emit shown();
}

void VMainDialog::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    emit hidden();
}

void VMainDialog::enterEvent(QEnterEvent* event)
{
    QDialog::enterEvent(event);
    // Back from a capture under a pointer that has not moved: the mode button it clicked would
    // keep its hover box, as if it were the selected mode, until the pointer left it.
    if (!std::exchange(m_bPointerResting, false) || QCursor::pos() != m_restingPointer)
        return;
    // Once the button under the pointer has had its own enter event.
    QTimer::singleShot(0, this, [this] {
        for (QToolButton* pButton : m_pUi->horizontalWidgetTitle->findChildren<QToolButton*>()) {
            if (pButton->underMouse()) {
                pButton->setAttribute(Qt::WA_UnderMouse, false);
                pButton->update();
            }
        }
    });
}

void VMainDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_pUi->retranslateUi(this);
        nameHotkeyRows();
        applyTrayAvailability(m_bTrayAvailable);
        for (int mode = VV::CaptureRegion; mode <= VV::CaptureFullScreen; ++mode) {
            if (m_trayModeActions[mode])
                m_trayModeActions[mode]->setText(VCaptureModes::trayText(mode));
            if (m_panelModeButtons[mode])
                VShapedTrayPanel::setButtonText(m_panelModeButtons[mode],
                                                VCaptureModes::trayText(mode));
        }
        showDesktopLimits();
        m_pHelpMenu->clear();
        m_pRegionMenu->clear();
        m_pTellFriendAction = nullptr;
        fillMenus();
        if (!config()->isShowTellFriend())
            hideTellFriend();
        updateFromConfig();
    }
    QDialog::changeEvent(event);
}

// ---- settings ----

void VMainDialog::updateFromConfig()
{
    const VConfigCapture* pConfig = config();
    updateRegionIcons();
    m_pUi->checkBoxIncludeCursor->setChecked(pConfig->isIncludeCursor());
    m_pUi->lineEditScorllingInterval->setText(QString::number(pConfig->scrollingInterval()));
    {
        // Showing what the desktop says is no choice of the user's: nothing is written back.
        const QSignalBlocker blocker(m_pUi->checkBoxAutoRun);
        m_pUi->checkBoxAutoRun->setChecked(pConfig->isAutoRun());
    }
    m_pUi->checkBoxSystemTray->setChecked(pConfig->hasSystemTray());
    m_pUi->checkBoxInstantSystemTrayMenu->setChecked(pConfig->isShowTrayInstantMenu());
    const int nameMethod = pConfig->nameMethod();
    m_pUi->radioButtonAskForName->setChecked(nameMethod == VV::NameAsk);
    m_pUi->radioButtonAutomaticName->setChecked(nameMethod == VV::NameAutomatic);
    m_pUi->lineEditAutomaticSaveFolder->setText(pConfig->automaticSaveFolder());
    showFolderEnd();
    updateNamePreview();
    const int format = pConfig->targetFormat();
    m_pUi->radioButtonBMP->setChecked(format == VV::TargetFormatBmp);
    m_pUi->radioButtonJPG->setChecked(format == VV::TargetFormatJpg);
    m_pUi->radioButtonPNG->setChecked(format == VV::TargetFormatPng);
    m_pUi->horizontalSliderJpgQuality->setValue(int(pConfig->jpgQuality()));
    for (int mode = VV::CaptureRegion; mode <= VV::CaptureFullScreen; ++mode) {
        hotkeyEdit(mode)->setText(pConfig->hotkey(mode).toString());
        hotkeyEdit(mode)->setToolTip(QString());
    }
    m_pUi->checkBoxUseHotkeyRegion->setChecked(pConfig->isUseHotkey(VV::CaptureRegion));
    m_pUi->checkBoxUseHotkeyWindow->setChecked(pConfig->isUseHotkey(VV::CaptureWindow));
    m_pUi->checkBoxUseHotkeyScrolling->setChecked(pConfig->isUseHotkey(VV::CaptureScrolling));
    m_pUi->checkBoxUseHotkeyFullScreen->setChecked(pConfig->isUseHotkey(VV::CaptureFullScreen));
    m_pUi->checkBoxAutoUpdate->setChecked(pConfig->isAutoUpdate());
}

void VMainDialog::updateNamePreview()
{
    // The name a capture would really get, after what keeps it inside the folder.
    const VAutomaticName name = automaticName(QDateTime::currentDateTime());
    QString text = name.name;
    if (!name.subFolder.isEmpty())
        text = name.subFolder + QDir::separator() + text;
    m_pUi->labelNamePreview->setText(text + QLatin1Char('.') +
                                     VUtility::TargetFormatToString(config()->targetFormat()));
}

void VMainDialog::updateRegionIcons()
{
    const QIcon icon = VCaptureModes::regionIcon(config()->regionType());
    m_pUi->toolButtonModeRegion->setIcon(icon);
    if (m_trayModeActions[VV::CaptureRegion])
        m_trayModeActions[VV::CaptureRegion]->setIcon(icon);
    if (m_panelModeButtons[VV::CaptureRegion])
        m_panelModeButtons[VV::CaptureRegion]->setIcon(icon);
}

void VMainDialog::hideTellFriend()
{
    config()->setShowTellFriend(false);
    m_pUi->horizontalWidgetBottom->hide();
    if (!m_pTellFriendAction)
        m_pTellFriendAction =
            m_pHelpMenu->addAction(QIcon(QStringLiteral(":/images/bookmark.png")),
                                   tr("Tell a Friend"), this, &VMainDialog::onHelpTellFriend);
    shrinkHeight();
}

void VMainDialog::shrinkHeight()
{
    // The layout's min-and-max constraint raises the height again to what it needs.
    setFixedHeight(1);
    layout()->invalidate();
    layout()->activate();
}

// ---- hotkeys ----

void VMainDialog::nameHotkeyRows()
{
    // Each row's controls are told apart by the mode their row names.
    const QLabel* const labels[] = {m_pUi->labelHotkeyRegion, m_pUi->labelHotkeyWindow,
                                    m_pUi->labelHotkeyScrolling, m_pUi->labelHotkeyFullScreen};
    QCheckBox* const useBoxes[] = {m_pUi->checkBoxUseHotkeyRegion, m_pUi->checkBoxUseHotkeyWindow,
                                   m_pUi->checkBoxUseHotkeyScrolling,
                                   m_pUi->checkBoxUseHotkeyFullScreen};
    static const QRegularExpression colon(QStringLiteral("[\\s:\uff1a]+$"));
    for (int mode = VV::CaptureRegion; mode <= VV::CaptureFullScreen; ++mode) {
        const QString name = labels[mode]->text().remove(colon);
        useBoxes[mode]->setAccessibleName(tr("Use the %1 hotkey").arg(name));
        hotkeyEdit(mode)->setAccessibleDescription(tr("Press the key combination to use."));
        defaultHotkeyButton(mode)->setAccessibleName(tr("Default %1 hotkey").arg(name));
    }
}

VHotkeyEdit* VMainDialog::hotkeyEdit(int mode) const
{
    switch (mode) {
    case VV::CaptureRegion:
        return m_pUi->lineEditHotkeyRegion;
    case VV::CaptureWindow:
        return m_pUi->lineEditHotkeyWindow;
    case VV::CaptureScrolling:
        return m_pUi->lineEditHotkeyScrolling;
    default:
        return m_pUi->lineEditHotkeyFullScreen;
    }
}

QToolButton* VMainDialog::defaultHotkeyButton(int mode) const
{
    switch (mode) {
    case VV::CaptureRegion:
        return m_pUi->toolButtonDefaultHotkeyRegion;
    case VV::CaptureWindow:
        return m_pUi->toolButtonDefaultHotkeyWindow;
    case VV::CaptureScrolling:
        return m_pUi->toolButtonDefaultHotkeyScrolling;
    default:
        return m_pUi->toolButtonDefaultHotkeyFullScreen;
    }
}

void VMainDialog::toggleUseHotkey(int mode, bool on)
{
    hotkeyEdit(mode)->setEnabled(on);
    defaultHotkeyButton(mode)->setEnabled(on);
    config()->setUseHotkey(mode, on);
    if (on)
        hotkeyEdit(mode)->applyHotkey(config()->hotkey(mode));
    else
        removeHotkey(mode);
}

void VMainDialog::chooseDefaultHotkey(int mode)
{
    QMenu menu;
    for (int defaultMode = VV::CaptureRegion; defaultMode <= VV::CaptureFullScreen; ++defaultMode) {
        const VHotkey hotkey = VConfigCapture::defaultHotkey(defaultMode);
        menu.addAction(hotkey.toString(), this,
                       [this, mode, hotkey] { hotkeyEdit(mode)->setHotkey(hotkey); });
    }
    menu.exec(QCursor::pos());
}

void VMainDialog::on_toolButtonDefaultHotkeyFullScreen_clicked()
{
    chooseDefaultHotkey(VV::CaptureFullScreen);
}

void VMainDialog::on_toolButtonDefaultHotkeyScrolling_clicked()
{
    chooseDefaultHotkey(VV::CaptureScrolling);
}

void VMainDialog::on_toolButtonDefaultHotkeyWindow_clicked()
{
    chooseDefaultHotkey(VV::CaptureWindow);
}

void VMainDialog::on_toolButtonDefaultHotkeyRegion_clicked()
{
    chooseDefaultHotkey(VV::CaptureRegion);
}

void VMainDialog::on_checkBoxUseHotkeyFullScreen_toggled(bool on)
{
    toggleUseHotkey(VV::CaptureFullScreen, on);
}

void VMainDialog::on_checkBoxUseHotkeyWindow_toggled(bool on)
{
    toggleUseHotkey(VV::CaptureWindow, on);
}

void VMainDialog::on_checkBoxUseHotkeyScrolling_toggled(bool on)
{
    toggleUseHotkey(VV::CaptureScrolling, on);
}

void VMainDialog::on_checkBoxUseHotkeyRegion_toggled(bool on)
{
    toggleUseHotkey(VV::CaptureRegion, on);
}

// ---- mode buttons and menus ----

void VMainDialog::on_toolButtonModeFullScreen_clicked()
{
    startCaptureHere(VV::CaptureFullScreen);
}

void VMainDialog::on_toolButtonModeWindow_clicked()
{
    startCaptureHere(VV::CaptureWindow);
}

void VMainDialog::on_toolButtonModeScrolling_clicked()
{
    startCaptureHere(VV::CaptureScrolling);
}

void VMainDialog::on_toolButtonModeRegion_clicked()
{
    startCaptureHere(VV::CaptureRegion);
}

void VMainDialog::onToolButtonModeRegionMenuRectangle()
{
    config()->setRegionType(VV::RegionRectangle);
    startCaptureHere(VV::CaptureRegion);
}

void VMainDialog::onToolButtonModeRegionMenuPolygon()
{
    config()->setRegionType(VV::RegionPolygon);
    startCaptureHere(VV::CaptureRegion);
}

void VMainDialog::onHelpEmail()
{
    QDesktopServices::openUrl(QUrl(VCaptureInfo::supportMailUrl()));
}

void VMainDialog::onHelpTicket()
{
    QDesktopServices::openUrl(QUrl(VCaptureInfo::issueFormUrl()));
}

void VMainDialog::onHelpProductWebPage()
{
    QDesktopServices::openUrl(QUrl(VCaptureInfo::productPageUrl()));
}

void VMainDialog::onHelpTellFriend()
{
    QDesktopServices::openUrl(QUrl(VCaptureInfo::sharePageUrl()));
}

// ---- settings controls ----

void VMainDialog::on_checkBoxInstantSystemTrayMenu_toggled(bool on)
{
    config()->setShowTrayInstantMenu(on);
}

void VMainDialog::on_lineEditScorllingInterval_textEdited(const QString& text)
{
    // A number outside the range waits in the field until it is left, which brings it inside.
    if (m_pUi->lineEditScorllingInterval->hasAcceptableInput())
        config()->setScrollingInterval(text.toInt());
}

void VMainDialog::on_checkBoxAutoUpdate_toggled(bool on)
{
    config()->setAutoUpdate(on);
}

void VMainDialog::on_horizontalSliderJpgQuality_valueChanged(int value)
{
    config()->setJpgQuality(unsigned(value));
}

void VMainDialog::on_radioButtonPNG_toggled(bool on)
{
    if (on) {
        config()->setTargetFormat(VV::TargetFormatPng);
        updateNamePreview();
    }
}

void VMainDialog::on_radioButtonJPG_toggled(bool on)
{
    if (on) {
        config()->setTargetFormat(VV::TargetFormatJpg);
        updateNamePreview();
    } else {
        shrinkHeight(); // its quality row went
    }
}

void VMainDialog::on_radioButtonBMP_toggled(bool on)
{
    if (on) {
        config()->setTargetFormat(VV::TargetFormatBmp);
        updateNamePreview();
    }
}

void VMainDialog::on_pushButtonAutomaticOptions_clicked()
{
    VDialogFileOptions dialog(this);
    dialog.exec();
    updateNamePreview();
}

void VMainDialog::on_toolButtonSelectAutomaticSaveFolder_clicked()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Select a directory"), config()->automaticSaveFolder(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (!folder.isEmpty())
        m_pUi->lineEditAutomaticSaveFolder->setText(QDir::toNativeSeparators(folder));
}

void VMainDialog::on_lineEditAutomaticSaveFolder_textChanged(const QString& text)
{
    // A refused folder is not stored: the last good one stays in use.
    const QString problem = VConfigCapture::folderProblem(text);
    m_pUi->labelFolderProblem->setText(problem);
    m_pUi->labelFolderProblem->setVisible(!problem.isEmpty());
    if (problem.isEmpty())
        config()->setAutomaticSaveFolder(text);
    m_pUi->lineEditAutomaticSaveFolder->setToolTip(QDir::toNativeSeparators(text));
}

void VMainDialog::showFolderEnd()
{
    // The end of a path names the folder; its start is the same for most folders.
    m_pUi->lineEditAutomaticSaveFolder->setCursorPosition(
        int(m_pUi->lineEditAutomaticSaveFolder->text().size()));
}

void VMainDialog::on_radioButtonAutomaticName_toggled(bool on)
{
    if (on)
        config()->setNameMethod(VV::NameAutomatic);
    else
        shrinkHeight(); // its options row went
}

void VMainDialog::on_radioButtonAskForName_toggled(bool on)
{
    if (on)
        config()->setNameMethod(VV::NameAsk);
}

void VMainDialog::on_checkBoxSystemTray_toggled(bool on)
{
    config()->setSystemTray(on);
}

void VMainDialog::on_checkBoxAutoRun_toggled(bool on)
{
    config()->setAutoRun(on);
}

void VMainDialog::on_checkBoxIncludeCursor_toggled(bool on)
{
    config()->setIncludeCursor(on);
}

void VMainDialog::on_toolButtonAdvancedOptions_clicked()
{
    if (m_pUi->tabWidgetSettings->isVisible()) {
        m_pUi->tabWidgetSettings->hide();
        m_pUi->toolButtonAdvancedOptions->setIcon(
            QIcon(QStringLiteral(":/images/TalvikCapture-More-Show.png")));
        shrinkHeight();
    } else {
        m_pUi->tabWidgetSettings->show();
        m_pUi->toolButtonAdvancedOptions->setIcon(
            QIcon(QStringLiteral(":/images/TalvikCapture-More-Hide.png")));
    }
    layout()->activate();
    resize(width(), minimumSizeHint().height());
}

void VMainDialog::on_toolButtonAbout_clicked()
{
    QMessageBox box(this);
    box.setWindowTitle(tr("About Morvane Screen Capture"));
    box.setIconPixmap(QPixmap(QStringLiteral(":/images/App48.png")));
    box.setTextFormat(Qt::RichText);
    box.setText(tr("<h3>%1</h3><p>Version %2</p><p><a href=\"%3\">%3</a></p>")
                    .arg(VCaptureInfo::displayName(), VCaptureInfo::version(),
                         VCaptureInfo::makerSiteUrl()));
    box.setTextInteractionFlags(Qt::TextBrowserInteraction);
    box.exec();
}

void VMainDialog::on_toolButtonDontShowTellFriend_clicked()
{
    hideTellFriend();
}
