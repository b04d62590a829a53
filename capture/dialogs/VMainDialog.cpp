// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VMainDialog.h"

#include "config/VConfigCapture.h"
#include "flow/VCaptureController.h"
#include "flow/VCaptureFollowUp.h"
#include "flow/VUpdaterLauncher.h"
#include "grab/VWindowNode.h"
#include "hotkey/VHotkeys.h"
#include "platform/VPlatformBackend.h"
#include "platform/VPlatformFactory.h"
#include "scrolling/VScrollingCapture.h"
#include "ui_VMainDialog.h"
#include "VCaptureInfo.h"
#include "VCaptureModes.h"
#include "VDeliveryNotice.h"
#include "VMainHelp.h"
#include "VMainSettings.h"
#include "VMainTray.h"
#include "VVCapture.h"
#include "widgets/VSystemTrayIcon.h"

#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <QTimer>

#include <utility>

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
    m_pHelp = new VMainHelp(this);
    m_pRegionMenu = new QMenu(this);
    m_pTray = new VMainTray(
        this, VConfigCapture::instance()->regionType(), [this] { return trayAvailable(); },
        [this] { return m_pCapture->isPending() || m_pCapture->isRunning(); });
    // From the tray the user is wherever the pointer is, not where the hidden dialog was.
    connect(m_pTray, &VMainTray::captureRequested, this, &VMainDialog::startCapture);
    m_pCapture = new VCaptureController(
        this, [this](int mode, VScreenGrab grab) { runCapture(mode, std::move(grab)); }, this);
    connect(m_pCapture, &VCaptureController::captureStarting, this, [this] { trayIcon()->hide(); });
    m_pNotice = new VDeliveryNotice(trayIcon(), this);
    connect(m_pCapture, &VCaptureController::captureEnded, this, [this] {
        updateFromConfig();
        trayIcon()->show();
        m_pNotice->announce(std::exchange(m_delivery, VDelivery()), m_deliveryPlace);
        m_restingPointer = QCursor::pos();
        m_bPointerResting = true;
    });
    connect(trayIcon(), &VSystemTrayIcon::exitRequested, m_pCapture, &VCaptureController::abandon);
    connect(m_pCapture, &VCaptureController::captureFailed, this, [this](const QString& why) {
        QMessageBox::warning(isVisible() ? this : nullptr, VCaptureInfo::displayName(), why);
    });

    QCoreApplication::setApplicationName(VCaptureInfo::applicationName());
    setHotkeyOwnerWindow(winId());

    fillMenus();

    m_pUi->tabWidgetSettings->hide();
    m_pUi->widgetJpegOptions->hide();
    m_pUi->widgetAutomaticSaveOptions->hide();
    m_pSettings = new VMainSettings(*m_pUi, this);
    connect(m_pSettings, &VMainSettings::heightMayShrink, this, &VMainDialog::shrinkHeight);
    connect(m_pTray, &VMainTray::availabilityChanged, m_pSettings,
            &VMainSettings::showTrayAvailability);
    connect(m_pUi->labelTellFriend, &QLabel::linkActivated, this, &VMainDialog::onHelpTellFriend);
    // A distribution's own updates replace ours.
    m_pUi->checkBoxAutoUpdate->setVisible(hasUpdater());
    if (!VConfigCapture::instance()->isShowTellFriend())
        hideTellFriend();

    showDesktopLimits();
    trayIcon()->show();

    m_pUi->toolButtonModeRegion->setMenu(m_pRegionMenu);
    m_pUi->toolButtonHelp->setMenu(m_pHelp->menu());

    updateFromConfig();
    shrinkHeight();
}

VMainDialog::~VMainDialog() = default;

VSystemTrayIcon* VMainDialog::trayIcon() const
{
    return m_pTray->icon();
}

void VMainDialog::fillMenus()
{
    m_pHelp->fill();
    m_pRegionMenu->addAction(VCaptureModes::regionIcon(VV::RegionRectangle), tr("Rectangle"), this,
                             &VMainDialog::onToolButtonModeRegionMenuRectangle);
    m_pRegionMenu->addAction(VCaptureModes::regionIcon(VV::RegionPolygon), tr("Polyggon"), this,
                             &VMainDialog::onToolButtonModeRegionMenuPolygon);
}

// ---- dispatch ----

QString VMainDialog::unavailableText(int mode)
{
    if (mode == VV::CaptureWindow)
        return windowTreeUnavailableText();
    if (mode == VV::CaptureScrolling && !VPlatform::backend().canScrollWindows())
        return VScrollingCapture::endText(VScrollingCapture::End::Unavailable);
    return QString();
}

void VMainDialog::showDesktopLimits()
{
    m_pSettings->showDesktopLimits();
    QToolButton* const modeButtons[] = {m_pUi->toolButtonModeRegion, m_pUi->toolButtonModeWindow,
                                        m_pUi->toolButtonModeScrolling,
                                        m_pUi->toolButtonModeFullScreen};
    for (int mode = VV::CaptureRegion; mode <= VV::CaptureFullScreen; ++mode) {
        const QString why = unavailableText(mode);
        if (why.isEmpty())
            continue;
        modeButtons[mode]->setEnabled(false);
        modeButtons[mode]->setToolTip(why);
        m_pTray->disableMode(mode, why);
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
    if (!VConfigCapture::instance()->hasSystemTray() || !trayAvailable()) {
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
    m_pTray->endWhenIdle();
}

void VMainDialog::startFromLogOn()
{
    if (trayAvailable())
        return;
    // Minimised once mapped: the desktop ignores a window that asks to start so. Hidden
    // again when the tray comes, as a log-on start with a tray would be.
    m_pTray->hideWhenTrayComes();
    show();
    QTimer::singleShot(0, this, &QWidget::showMinimized);
}

void VMainDialog::reject()
{
    close();
}

void VMainDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_pTray->watch();
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
        m_pSettings->nameHotkeyRows();
        m_pSettings->showTrayAvailability(m_pTray->isAvailable());
        m_pTray->retranslate();
        showDesktopLimits();
        m_pRegionMenu->clear();
        fillMenus();
        if (!VConfigCapture::instance()->isShowTellFriend())
            hideTellFriend();
        updateFromConfig();
    }
    QDialog::changeEvent(event);
}

// ---- settings ----

void VMainDialog::updateFromConfig()
{
    updateRegionIcons();
    m_pSettings->showAll();
}

void VMainDialog::updateNamePreview()
{
    m_pSettings->updateNamePreview();
}

void VMainDialog::updateRegionIcons()
{
    const QIcon icon = VCaptureModes::regionIcon(VConfigCapture::instance()->regionType());
    m_pUi->toolButtonModeRegion->setIcon(icon);
    m_pTray->setRegionIcon(icon);
}

void VMainDialog::hideTellFriend()
{
    VConfigCapture::instance()->setShowTellFriend(false);
    m_pUi->horizontalWidgetBottom->hide();
    m_pHelp->addTellFriend();
    shrinkHeight();
}

void VMainDialog::shrinkHeight()
{
    // The layout's min-and-max constraint raises the height again to what it needs.
    setFixedHeight(1);
    layout()->invalidate();
    layout()->activate();
}

// ---- mode buttons and menus ----

void VMainDialog::onToolButtonModeRegionMenuRectangle()
{
    VConfigCapture::instance()->setRegionType(VV::RegionRectangle);
    startCaptureHere(VV::CaptureRegion);
}

void VMainDialog::onToolButtonModeRegionMenuPolygon()
{
    VConfigCapture::instance()->setRegionType(VV::RegionPolygon);
    startCaptureHere(VV::CaptureRegion);
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
