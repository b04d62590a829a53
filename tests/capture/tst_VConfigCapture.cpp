// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "config/VConfigCapture.h"
#include "VVCapture.h"

#include <QSettings>
#include <QStandardPaths>

namespace {
// A second view of the same store: QSettings objects on one file share their contents.
std::unique_ptr<QSettings> rawStore()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Morvane"), QStringLiteral("TalvikCapture"));
}

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
           QStringLiteral("/Screen Capture");
}
} // namespace

class tst_VConfigCapture : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void freshStoreDefaults();
    void isTheSharedConfig();
    void automaticFolderIsCreatedOnRead();
    void emptiedAutomaticFolderFallsBack_data();
    void emptiedAutomaticFolderFallsBack();
    void keyNamesAndDefaultHotkeys_data();
    void keyNamesAndDefaultHotkeys();
    void storedHotkeys_data();
    void storedHotkeys();
    void hotkeyRoundTrip();
    void useHotkeyKeys();
    void brokenValues_data();
    void brokenValues();
    void valuesRoundTrip();
};

void tst_VConfigCapture::init()
{
    const auto store = rawStore();
    store->clear();
}

void tst_VConfigCapture::freshStoreDefaults()
{
    const VConfigCapture* pConfig = VConfigCapture::instance();
    QCOMPARE(pConfig->regionType(), 0);
    QVERIFY(!pConfig->isIncludeCursor());
    QCOMPARE(pConfig->scrollingInterval(), 500);
    QVERIFY(pConfig->isShowTellFriend());
    QCOMPARE(pConfig->nameMethod(), 0);
    QCOMPARE(pConfig->targetFormat(), 0);
    QCOMPARE(pConfig->jpgQuality(), 75u);
    QCOMPARE(pConfig->lastFilePath(), QString());
    QCOMPARE(pConfig->automaticSaveFolder(), QDir::toNativeSeparators(documentsFolder()));
    QVERIFY(!pConfig->isCreateSubfolders());
    QCOMPARE(pConfig->fileNameFormat(), QStringLiteral("Snap-Y-M-D-h-m-s"));
    QCOMPARE(pConfig->subFolderFormat(), QStringLiteral("YM"));
    for (int mode = VV::CaptureRegion; mode <= VV::CaptureFullScreen; ++mode) {
        QCOMPARE(pConfig->hotkey(mode), VConfigCapture::defaultHotkey(mode));
        QVERIFY(!pConfig->isUseHotkey(mode));
    }
    // The core library's keys live in the same store->
    QCOMPARE(pConfig->borderLineWidth(), 1u);
    QVERIFY(pConfig->hasSystemTray());
}

void tst_VConfigCapture::isTheSharedConfig()
{
    QCOMPARE(VConfig::_instance(), static_cast<VConfig*>(VConfigCapture::instance()));
    VConfigCapture::instance()->setBorderLineWidth(4);
    QCOMPARE(rawStore()->value(QStringLiteral("BorderLineWidth")).toUInt(), 4u);
}

void tst_VConfigCapture::automaticFolderIsCreatedOnRead()
{
    QDir(documentsFolder()).removeRecursively();
    QVERIFY(!QFileInfo::exists(documentsFolder()));
    QTemporaryDir elsewhere;
    VConfigCapture::instance()->setAutomaticSaveFolder(elsewhere.path());
    QCOMPARE(VConfigCapture::instance()->automaticSaveFolder(), elsewhere.path());
    // Created even though the stored folder is used.
    QVERIFY(QFileInfo(documentsFolder()).isDir());
}

void tst_VConfigCapture::emptiedAutomaticFolderFallsBack_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("used"); // below the home folder; empty for the default
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("out of the home folder") << "../../tmp/x" << QString();
    QTest::newRow("out through ~") << "~/a/../../x" << QString();
    QTest::newRow("down and up again") << "Pictures/../Shots"
                                       << "Shots";
    QTest::newRow("below ~") << "~/Shots"
                             << "Shots";
    // As the shell reads it, and as the file-name fuzzer found it leaving the home folder.
    QTest::newRow("below ~ with a slash more") << "~//Shots"
                                               << "Shots";
}

void tst_VConfigCapture::emptiedAutomaticFolderFallsBack()
{
    QFETCH(QString, stored);
    QFETCH(QString, used);
    VConfigCapture::instance()->setAutomaticSaveFolder(stored);
    QCOMPARE(VConfigCapture::instance()->automaticSaveFolder(),
             QDir::toNativeSeparators(used.isEmpty() ? documentsFolder()
                                                     : QDir::home().absoluteFilePath(used)));
}

void tst_VConfigCapture::keyNamesAndDefaultHotkeys_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hotkeyText");
    QTest::newRow("region") << 0 << "HotkeyRegion"
                            << "Print Screen";
    QTest::newRow("window") << 1 << "HotkeyWindow"
                            << "Alt+Print Screen";
    QTest::newRow("scrolling") << 2 << "HotkeyScrolling"
                               << "Win+Print Screen";
    QTest::newRow("full screen") << 3 << "HotkeyFullScreen"
                                 << "Ctrl+Print Screen";
    QTest::newRow("7") << 7 << "UnsupportedCaptuerMode"
                       << "";
    QTest::newRow("-1") << -1 << "UnsupportedCaptuerMode"
                        << "";
}

void tst_VConfigCapture::keyNamesAndDefaultHotkeys()
{
    QFETCH(int, mode);
    QFETCH(QString, name);
    QFETCH(QString, hotkeyText);
    QCOMPARE(VConfigCapture::hotkeyKeyName(mode), name);
    QCOMPARE(VConfigCapture::defaultHotkey(mode).toString(), hotkeyText);
    QCOMPARE(VConfigCapture::instance()->hotkey(mode).toString(), hotkeyText);
}

void tst_VConfigCapture::storedHotkeys_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("expectedKey");
    QTest::newRow("text") << QVariant(QStringLiteral("Ctrl+F1"))
                          << QKeyCombination(Qt::CTRL, Qt::Key_F1).toCombined();
    QTest::newRow("key sequence") << QVariant::fromValue(QKeySequence(Qt::SHIFT | Qt::Key_F9))
                                  << QKeyCombination(Qt::SHIFT, Qt::Key_F9).toCombined();
    QTest::newRow("unknown key name") << QVariant(QStringLiteral("xyz!!garbage")) << 0;
    QTest::newRow("empty text") << QVariant(QString()) << 0;
    QTest::newRow("list") << QVariant(QStringList{QStringLiteral("a"), QStringLiteral("b")}) << 0;
    QTest::newRow("rectangle") << QVariant(QRect(1, 2, 3, 4)) << 0;
}

void tst_VConfigCapture::storedHotkeys()
{
    QFETCH(QVariant, stored);
    QFETCH(int, expectedKey);
    {
        const auto store = rawStore();
        store->setValue(QStringLiteral("HotkeyWindow"), stored);
        store->sync();
    }
    // Whatever is stored replaces the default, garbage included.
    QCOMPARE(VConfigCapture::instance()->hotkey(VV::CaptureWindow).key(), expectedKey);
}

void tst_VConfigCapture::hotkeyRoundTrip()
{
    VConfigCapture* pConfig = VConfigCapture::instance();
    const VHotkey hotkey(QKeyCombination(Qt::CTRL | Qt::ALT, Qt::Key_S).toCombined());
    pConfig->setHotkey(VV::CaptureScrolling, hotkey);
    QCOMPARE(pConfig->hotkey(VV::CaptureScrolling), hotkey);
    QVERIFY(pConfig->hotkey(VV::CaptureRegion) == VConfigCapture::defaultHotkey(VV::CaptureRegion));
}

void tst_VConfigCapture::useHotkeyKeys()
{
    VConfigCapture* pConfig = VConfigCapture::instance();
    pConfig->setUseHotkey(VV::CaptureFullScreen, true);
    pConfig->setUseHotkey(7, true);
    const auto store = rawStore();
    QCOMPARE(store->value(QStringLiteral("UseHotkeyFullScreen")).toBool(), true);
    QCOMPARE(store->value(QStringLiteral("UseUnsupportedCaptuerMode")).toBool(), true);
    QVERIFY(pConfig->isUseHotkey(7));
    QVERIFY(!pConfig->isUseHotkey(VV::CaptureRegion));
}

void tst_VConfigCapture::brokenValues_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("format as text") << "TargetFormat" << QVariant("abc") << QVariant(0);
    QTest::newRow("format out of range kept") << "TargetFormat" << QVariant("7") << QVariant(7);
    QTest::newRow("negative quality") << "JpgQuality" << QVariant("-4") << QVariant(1u);
    QTest::newRow("quality too high") << "JpgQuality" << QVariant("300") << QVariant(100u);
    QTest::newRow("quality as text") << "JpgQuality" << QVariant("high") << QVariant(75u);
    QTest::newRow("interval too long")
        << "ScrollingInterval" << QVariant("99999") << QVariant(5000);
    QTest::newRow("interval negative") << "ScrollingInterval" << QVariant("-1") << QVariant(0);
    QTest::newRow("method as text") << "NameMethod" << QVariant("auto") << QVariant(0);
    QTest::newRow("flag as text") << "CreateSubfolders" << QVariant("perhaps") << QVariant(false);
    QTest::newRow("flag as 1") << "CreateSubfolders" << QVariant("1") << QVariant(true);
}

void tst_VConfigCapture::brokenValues()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(QVariant, expected);
    rawStore()->setValue(key, stored);
    const VConfigCapture* pConfig = VConfigCapture::instance();
    QVariant actual;
    if (key == QLatin1String("TargetFormat"))
        actual = pConfig->targetFormat();
    else if (key == QLatin1String("JpgQuality"))
        actual = pConfig->jpgQuality();
    else if (key == QLatin1String("ScrollingInterval"))
        actual = pConfig->scrollingInterval();
    else if (key == QLatin1String("NameMethod"))
        actual = pConfig->nameMethod();
    else
        actual = pConfig->isCreateSubfolders();
    QCOMPARE(actual, expected);
    // Reading never repairs the store behind the user's back.
    QCOMPARE(rawStore()->value(key), stored);
}

void tst_VConfigCapture::valuesRoundTrip()
{
    VConfigCapture* pConfig = VConfigCapture::instance();
    pConfig->setRegionType(1);
    pConfig->setIncludeCursor(true);
    pConfig->setScrollingInterval(1200);
    pConfig->setShowTellFriend(false);
    pConfig->setNameMethod(1);
    pConfig->setTargetFormat(2);
    pConfig->setJpgQuality(40);
    pConfig->setLastFilePath(QStringLiteral("/tmp/shots"));
    pConfig->setCreateSubfolders(true);
    pConfig->setFileNameFormat(QStringLiteral("Cap-h"));
    pConfig->setSubFolderFormat(QStringLiteral("Y"));
    QCOMPARE(pConfig->regionType(), 1);
    QVERIFY(pConfig->isIncludeCursor());
    QCOMPARE(pConfig->scrollingInterval(), 1200);
    QVERIFY(!pConfig->isShowTellFriend());
    QCOMPARE(pConfig->nameMethod(), 1);
    QCOMPARE(pConfig->targetFormat(), 2);
    QCOMPARE(pConfig->jpgQuality(), 40u);
    QCOMPARE(pConfig->lastFilePath(), QStringLiteral("/tmp/shots"));
    QVERIFY(pConfig->isCreateSubfolders());
    QCOMPARE(pConfig->fileNameFormat(), QStringLiteral("Cap-h"));
    QCOMPARE(pConfig->subFolderFormat(), QStringLiteral("Y"));
}

TALVIK_TEST_MAIN(tst_VConfigCapture)
#include "tst_VConfigCapture.moc"
