// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"
#include "TalvikTexts.h"

#include "flow/VCaptureController.h"
#include "app/VCaptureResources.h"
#include "config/VConfigCapture.h"
#include "dialogs/VMainDialog.h"
#include "VVCapture.h"
#include "widgets/VShapedTrayPanel.h"
#include "widgets/VSystemTrayIcon.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>

namespace {
// Records what the dispatcher hands over instead of opening the follow-up windows.
class RecordingDialog : public VMainDialog
{
public:
    struct Capture
    {
        int mode;
        QSize pictureSize;
        bool dialogVisible;
        bool trayVisible;
    };
    QList<Capture> captures;

protected:
    void runCapture(int mode, VScreenGrab grab) override
    {
        captures.append({mode, grab.picture.size(), isVisible(), trayIcon()->isVisible()});
    }
};

std::unique_ptr<QSettings> rawStore()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Morvane"), QStringLiteral("TalvikCapture"));
}

template <typename T>
T* child(QWidget& parent, const char* name)
{
    T* pChild = parent.findChild<T*>(QLatin1String(name));
    if (!pChild)
        qFatal("no child %s", name);
    return pChild;
}
} // namespace

class tst_VMainDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void freshStoreState();
    void controlsWriteTheirKeys_data();
    void controlsWriteTheirKeys();
    void controlsShowTheirKeys_data();
    void controlsShowTheirKeys();
    void intervalValidatorRefusesLetters();
    void polygonFromTheRegionMenu();
    void bannerHiddenForGood();
    void advancedOptionsToggle();
    void closeWithoutTrayQuits();
    void aTrayThatComesLaterIsUsed();
    void readableNamedAndTranslated_data();
    void readableNamedAndTranslated();
    void dispatchDelays_data();
    void dispatchDelays();
    void fullScreenTickRestoresGeometry();
    void secondRequestWhilePendingReplacesIt();
    void scrollingWaitsForADesktopThatScrolls();
};

void tst_VMainDialog::initTestCase()
{
    initCaptureResources();
}

void tst_VMainDialog::init()
{
    rawStore()->clear();
}

void tst_VMainDialog::freshStoreState()
{
    VMainDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Morvane Screen Capture"));
    QVERIFY(child<QRadioButton>(dialog, "radioButtonAskForName")->isChecked());
    QVERIFY(child<QRadioButton>(dialog, "radioButtonPNG")->isChecked());
    QCOMPARE(child<QSlider>(dialog, "horizontalSliderJpgQuality")->value(), 75);
    QVERIFY(child<QWidget>(dialog, "widgetJpegOptions")->isHidden());
    QVERIFY(child<QWidget>(dialog, "widgetAutomaticSaveOptions")->isHidden());
    QVERIFY(child<QWidget>(dialog, "tabWidgetSettings")->isHidden());
    QCOMPARE(child<QLineEdit>(dialog, "lineEditScorllingInterval")->text(), QStringLiteral("500"));
    for (const char* name :
         {"checkBoxUseHotkeyRegion", "checkBoxUseHotkeyWindow", "checkBoxUseHotkeyScrolling",
          "checkBoxUseHotkeyFullScreen", "checkBoxIncludeCursor"})
        QVERIFY2(!child<QCheckBox>(dialog, name)->isChecked(), name);
    for (const char* name : {"checkBoxAutoRun", "checkBoxSystemTray",
                             "checkBoxInstantSystemTrayMenu", "checkBoxAutoUpdate"})
        QVERIFY2(child<QCheckBox>(dialog, name)->isChecked(), name);
    QVERIFY(!child<QWidget>(dialog, "horizontalWidgetBottom")->isHidden());
    QCOMPARE(child<QLineEdit>(dialog, "lineEditHotkeyFullScreen")->text(),
             QStringLiteral("Ctrl+Print Screen"));
    QVERIFY(!child<QLineEdit>(dialog, "lineEditHotkeyFullScreen")->isEnabled());
    QCOMPARE(dialog.helpMenu()->actions().size(), 3);
    QCOMPARE(dialog.regionMenu()->actions().at(1)->text(), QStringLiteral("Polyggon"));
    QVERIFY(!dialog.trayIcon()->contextMenu()->isEmpty());
}

void tst_VMainDialog::controlsWriteTheirKeys_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("include cursor") << "checkBoxIncludeCursor"
                                    << "IncludeCursor" << QVariant(true);
    QTest::newRow("instant panel") << "checkBoxInstantSystemTrayMenu"
                                   << "ShowTrayInstantMenu" << QVariant(false);
    QTest::newRow("auto run") << "checkBoxAutoRun"
                              << "AutoRun" << QVariant(false);
    QTest::newRow("system tray") << "checkBoxSystemTray"
                                 << "SystemTray" << QVariant(false);
    QTest::newRow("auto update") << "checkBoxAutoUpdate"
                                 << "AutoUpdate" << QVariant(false);
    QTest::newRow("automatic name") << "radioButtonAutomaticName"
                                    << "NameMethod" << QVariant(1);
    QTest::newRow("jpeg") << "radioButtonJPG"
                          << "TargetFormat" << QVariant(1);
    QTest::newRow("bitmap") << "radioButtonBMP"
                            << "TargetFormat" << QVariant(2);
}

void tst_VMainDialog::controlsWriteTheirKeys()
{
    QFETCH(QString, control);
    QFETCH(QString, key);
    QFETCH(QVariant, expected);
    VMainDialog dialog;
    auto* pButton = dialog.findChild<QAbstractButton*>(control);
    QVERIFY(pButton);
    pButton->click();
    QCOMPARE(rawStore()->value(key).toString(), expected.toString());
}

void tst_VMainDialog::controlsShowTheirKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QVariant>("shown"); // the control's user property
    QTest::newRow("include cursor")
        << "IncludeCursor" << QVariant(true) << "checkBoxIncludeCursor" << QVariant(true);
    QTest::newRow("interval") << "ScrollingInterval" << QVariant(1200)
                              << "lineEditScorllingInterval" << QVariant("1200");
    QTest::newRow("system tray") << "SystemTray" << QVariant(false) << "checkBoxSystemTray"
                                 << QVariant(false);
    QTest::newRow("instant panel") << "ShowTrayInstantMenu" << QVariant(false)
                                   << "checkBoxInstantSystemTrayMenu" << QVariant(false);
    QTest::newRow("automatic name")
        << "NameMethod" << QVariant(1) << "radioButtonAskForName" << QVariant(false);
    QTest::newRow("bitmap") << "TargetFormat" << QVariant(2) << "radioButtonBMP" << QVariant(true);
    QTest::newRow("jpeg quality") << "JpgQuality" << QVariant(40) << "horizontalSliderJpgQuality"
                                  << QVariant(40);
    QTest::newRow("window hotkey")
        << "HotkeyWindow" << QVariant("Ctrl+F9") << "lineEditHotkeyWindow" << QVariant("Ctrl+F9");
    QTest::newRow("auto update") << "AutoUpdate" << QVariant(false) << "checkBoxAutoUpdate"
                                 << QVariant(false);
}

void tst_VMainDialog::controlsShowTheirKeys()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(QString, control);
    QFETCH(QVariant, shown);
    rawStore()->setValue(key, stored);
    VMainDialog dialog;
    QWidget* pControl = child<QWidget>(dialog, control.toLatin1().constData());
    QCOMPARE(pControl->metaObject()->userProperty().read(pControl).toString(), shown.toString());
}

void tst_VMainDialog::intervalValidatorRefusesLetters()
{
    VMainDialog dialog;
    dialog.show();
    auto* pLine = child<QLineEdit>(dialog, "lineEditScorllingInterval");
    pLine->clear();
    QTest::keyClicks(pLine, QStringLiteral("12ab3"));
    QCOMPARE(pLine->text(), QStringLiteral("123"));
    QCOMPARE(VConfigCapture::instance()->scrollingInterval(), 123);
    pLine->clear();
    QTest::keyClicks(pLine, QStringLiteral("99999"));
    QCOMPARE(pLine->text(), QStringLiteral("9999"));
    QVERIFY(!pLine->hasAcceptableInput());

    auto* pSlider = child<QSlider>(dialog, "horizontalSliderJpgQuality");
    pSlider->setValue(40);
    QCOMPARE(VConfigCapture::instance()->jpgQuality(), 40u);

    // A folder that climbs out of the home folder is refused while typed, the last good kept.
    child<QRadioButton>(dialog, "radioButtonAutomaticName")->setChecked(true);
    auto* pFolder = child<QLineEdit>(dialog, "lineEditAutomaticSaveFolder");
    pFolder->clear();
    QTest::keyClicks(pFolder, QStringLiteral("shots/../../tmp/x"));
    QVERIFY(!child<QLabel>(dialog, "labelFolderProblem")->isHidden());
    QCOMPARE(VConfigCapture::instance()->automaticSaveFolder(), QDir::homePath());
}

void tst_VMainDialog::polygonFromTheRegionMenu()
{
    RecordingDialog dialog;
    auto* pRegionButton = child<QToolButton>(dialog, "toolButtonModeRegion");
    const QImage rectangleIcon = pRegionButton->icon().pixmap(32).toImage();
    dialog.regionMenu()->actions().at(1)->trigger();
    QCOMPARE(VConfigCapture::instance()->regionType(), 1);
    QVERIFY(dialog.captureController()->isPending());
    QTRY_COMPARE(dialog.captures.size(), 1);
    QCOMPARE(dialog.captures.first().mode, int(VV::CaptureRegion));
    // The icon follows the region type once the capture is over.
    QVERIFY(pRegionButton->icon().pixmap(32).toImage() != rectangleIcon);
    QCOMPARE(pRegionButton->icon().pixmap(32).toImage(),
             QIcon(QStringLiteral(":/images/profile-region-polygon.png")).pixmap(32).toImage());
}

void tst_VMainDialog::bannerHiddenForGood()
{
    {
        VMainDialog dialog;
        QTest::mouseClick(child<QToolButton>(dialog, "toolButtonDontShowTellFriend"),
                          Qt::LeftButton);
        QVERIFY(child<QWidget>(dialog, "horizontalWidgetBottom")->isHidden());
        QCOMPARE(dialog.helpMenu()->actions().size(), 4);
        QCOMPARE(dialog.helpMenu()->actions().last()->text(), QStringLiteral("Tell a Friend"));
        QCOMPARE(VConfigCapture::instance()->isShowTellFriend(), false);
    }
    // After a restart too.
    VMainDialog dialog;
    QVERIFY(child<QWidget>(dialog, "horizontalWidgetBottom")->isHidden());
    QCOMPARE(dialog.helpMenu()->actions().size(), 4);
}

void tst_VMainDialog::advancedOptionsToggle()
{
    VMainDialog dialog;
    dialog.show();
    const int collapsed = dialog.height();
    auto* pToggle = child<QToolButton>(dialog, "toolButtonAdvancedOptions");
    pToggle->click();
    QVERIFY(child<QWidget>(dialog, "tabWidgetSettings")->isVisible());
    QVERIFY(dialog.height() > collapsed + 100);
    QCOMPARE(child<QTabWidget>(dialog, "tabWidgetSettings")->currentIndex(), 0);
    pToggle->click();
    QVERIFY(!child<QWidget>(dialog, "tabWidgetSettings")->isVisible());
    QCOMPARE(dialog.height(), collapsed);
}

void tst_VMainDialog::readableNamedAndTranslated_data()
{
    TalvikTest::addPaletteRows();
}

void tst_VMainDialog::readableNamedAndTranslated()
{
    QFETCH(bool, dark);
    const TalvikTest::Palette palette(dark);
    VMainDialog dialog;
    dialog.show();
    child<QToolButton>(dialog, "toolButtonAdvancedOptions")->click();
    child<QLineEdit>(dialog, "lineEditAutomaticSaveFolder")
        ->setText(QStringLiteral("../../elsewhere"));
    child<QRadioButton>(dialog, "radioButtonAutomaticName")->setChecked(true);
    child<QRadioButton>(dialog, "radioButtonJPG")->setChecked(true);
    auto* pTabs = child<QTabWidget>(dialog, "tabWidgetSettings");
    for (int tab = 0; tab < pTabs->count(); ++tab) {
        pTabs->setCurrentIndex(tab);
        TALVIK_VERIFY_NONE(TalvikTest::lowContrastTexts(&dialog));
    }
    {
        const TalvikTest::MarkingTranslator marking;
        TALVIK_VERIFY_NONE(TalvikTest::untranslatedTexts(
            &dialog,
            {QStringLiteral("labelNamePreview"), QStringLiteral("lineEditAutomaticSaveFolder")}));
        TALVIK_VERIFY_NONE(TalvikTest::untranslatedTexts(dialog.trayIcon()->contextMenu()));
        TALVIK_VERIFY_NONE(TalvikTest::untranslatedTexts(dialog.trayIcon()->panel()));
        TALVIK_VERIFY_NONE(TalvikTest::unnamedControls(&dialog));
    }
    QCOMPARE(child<QToolButton>(dialog, "toolButtonModeRegion")->text(), QStringLiteral("&Region"));
}

void tst_VMainDialog::closeWithoutTrayQuits()
{
    // Offscreen there is no tray: closing must end the program, not hide into nothing, and
    // the tray options say why they cannot be had.
    VMainDialog dialog;
    dialog.show();
    auto* pTrayOption = child<QCheckBox>(dialog, "checkBoxSystemTray");
    QVERIFY(!pTrayOption->isEnabled());
    QVERIFY(!pTrayOption->toolTip().isEmpty());
    bool quit = false;
    QMetaObject::Connection connection =
        connect(qApp, &QCoreApplication::aboutToQuit, this, [&quit] { quit = true; });
    QTimer::singleShot(0, &dialog, &QWidget::close);
    QTimer::singleShot(2000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    disconnect(connection);
    Q_UNUSED(quit);
}

void tst_VMainDialog::aTrayThatComesLaterIsUsed()
{
    struct LateTray : VMainDialog
    {
        bool bTray = false;
        bool trayAvailable() const override { return bTray; }
    } dialog;
    dialog.startFromLogOn(); // before the tray host: it waits minimised
    QTRY_VERIFY(dialog.isMinimized());
    auto* pTrayOption = child<QCheckBox>(dialog, "checkBoxSystemTray");
    QVERIFY(!pTrayOption->isEnabled());
    dialog.bTray = true; // the tray host starts
    QTRY_VERIFY(pTrayOption->isEnabled());
    QVERIFY(pTrayOption->toolTip().isEmpty());
    QVERIFY(dialog.isHidden());
}

void tst_VMainDialog::dispatchDelays_data()
{
    QTest::addColumn<int>("state"); // 0 hidden, 1 minimised, 2 shown
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("flags");
    QTest::newRow("hidden") << 0 << 200 << 0;
    QTest::newRow("minimised") << 1 << 400 << int(VCaptureController::RestoreVisible);
    QTest::newRow("shown") << 2 << 500
                           << int(VCaptureController::RestoreVisible |
                                  VCaptureController::RestoreNormal);
}

void tst_VMainDialog::dispatchDelays()
{
    QFETCH(int, state);
    QFETCH(int, delay);
    QFETCH(int, flags);
    RecordingDialog dialog;
    if (state == 1)
        dialog.showMinimized();
    else if (state == 2)
        dialog.show();
    dialog.startCapture(VV::CaptureWindow);
    QVERIFY(!dialog.trayIcon()->isVisible());
    QCOMPARE(dialog.captureController()->pendingDelay(), delay);
    QCOMPARE(dialog.captureController()->restoreFlags(), flags);
    QTRY_COMPARE(dialog.captures.size(), 1);
    const RecordingDialog::Capture& capture = dialog.captures.first();
    QCOMPARE(capture.mode, int(VV::CaptureWindow));
    QVERIFY(!capture.dialogVisible);
    QVERIFY(!capture.trayVisible);
    QCOMPARE(capture.pictureSize, QGuiApplication::primaryScreen()->size());
    QVERIFY(!dialog.captureController()->isPending());
    // Afterwards the dialog is back as it was (hidden stays hidden), and so is the tray icon.
    QCOMPARE(dialog.isVisible(), state != 0);
    QCOMPARE(dialog.isMinimized(), state == 1);
    QVERIFY(dialog.trayIcon()->isVisible());
}

void tst_VMainDialog::fullScreenTickRestoresGeometry()
{
    RecordingDialog dialog;
    dialog.show();
    dialog.resize(480, dialog.height());
    dialog.move(120, 90);
    const QSize size = dialog.size();
    const QPoint position = dialog.pos();
    dialog.startCapture(VV::CaptureFullScreen);
    QTRY_COMPARE(dialog.captures.size(), 1);
    QCOMPARE(dialog.captures.first().mode, int(VV::CaptureFullScreen));
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.isMinimized());
    QCOMPARE(dialog.size(), size);
    QCOMPARE(dialog.pos(), position);
}

void tst_VMainDialog::secondRequestWhilePendingReplacesIt()
{
    RecordingDialog dialog;
    dialog.startCapture(VV::CaptureRegion);
    dialog.startCapture(VV::CaptureWindow);
    QTRY_COMPARE(dialog.captures.size(), 1);
    // A negative check: a second capture would follow the first at once.
    QTest::qWait(300);
    QCOMPARE(dialog.captures.size(), 1);
    QCOMPARE(dialog.captures.first().mode, int(VV::CaptureWindow));
}

// Here the null backend stands in for a desktop that lets nobody scroll another program.
void tst_VMainDialog::scrollingWaitsForADesktopThatScrolls()
{
    RecordingDialog dialog;
    auto* pButton = child<QToolButton>(dialog, "toolButtonModeScrolling");
    QVERIFY(!pButton->isEnabled());
    QVERIFY(!pButton->toolTip().isEmpty());
    dialog.startCapture(VV::CaptureScrolling); // as its hotkey would
    // A negative check: a capture the dialog took would have arrived by now.
    QTest::qWait(300);
    QVERIFY(dialog.captures.isEmpty());
    // Asked from the command line, it says why nothing happens.
    dialog.startAskedCapture(VV::CaptureScrolling);
    QMessageBox* pBox = nullptr;
    const auto tops = QApplication::topLevelWidgets();
    for (QWidget* pTop : tops)
        pBox = pBox ? pBox : qobject_cast<QMessageBox*>(pTop);
    QVERIFY(pBox && pBox->isVisible());
    QCOMPARE(pBox->text(), pButton->toolTip());
    pBox->close();
    QVERIFY(dialog.captures.isEmpty());
}

TALVIK_TEST_MAIN(tst_VMainDialog)
#include "tst_VMainDialog.moc"
