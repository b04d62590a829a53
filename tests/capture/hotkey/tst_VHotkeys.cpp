// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "config/VConfigCapture.h"
#include "hotkey/VHotkeyEventFilter.h"
#include "hotkey/VHotkeys.h"
#include "platform/VPlatformFactory.h"
#include "VRecordingBackend.h"
#include "VVCapture.h"

namespace {
VHotkey hotkey(QKeyCombination combination)
{
    return VHotkey(combination.toCombined());
}
constexpr unsigned kAlt = VPlatformBackend::ModAlt;
constexpr unsigned kCtrl = VPlatformBackend::ModControl;
constexpr unsigned kShift = VPlatformBackend::ModShift;
constexpr unsigned kWin = VPlatformBackend::ModWin;
} // namespace

class tst_VHotkeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void withoutOwnerNothingIsInstalled();
    void tables_data();
    void tables();
    void invalidKeys_data();
    void invalidKeys();
    void emptyHotkeyWithdrawsTheOldOne();
    void refusedCombinationKeepsStoredHotkey();
    void twoModesOnOneCombination();
    void removeWithdrawsOnlyThatMode();
    void eventFilterStartsTheMode();
    void offscreenUsesTheNullBackend();

private:
    VRecordingBackend m_backend;
};

void tst_VHotkeys::initTestCase()
{
    setHotkeyBackend(&m_backend);
}

void tst_VHotkeys::init()
{
    m_backend.reset();
    setHotkeyOwnerWindow(WId(0x1234));
}

void tst_VHotkeys::cleanupTestCase()
{
    setHotkeyOwnerWindow(0);
    setHotkeyBackend(nullptr);
}

void tst_VHotkeys::withoutOwnerNothingIsInstalled()
{
    setHotkeyOwnerWindow(0);
    QString error = QStringLiteral("left over");
    QVERIFY(!applyHotkey(VV::CaptureWindow, hotkey(Qt::CTRL | Qt::Key_F2), error));
    QVERIFY(error.isEmpty());
    QCOMPARE(m_backend.registerCalls, 0);
    QCOMPARE(VConfigCapture::instance()->hotkey(VV::CaptureWindow),
             VConfigCapture::defaultHotkey(VV::CaptureWindow));

    setHotkeyOwnerWindow(WId(0x1234));
    QCOMPARE(m_backend.owner, std::uintptr_t(0x1234));
    QVERIFY(applyHotkey(VV::CaptureWindow, hotkey(Qt::CTRL | Qt::Key_F2), error));
}

void tst_VHotkeys::tables_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<unsigned>("modifiers");
    QTest::addColumn<unsigned>("virtualKey");
    QTest::newRow("Ctrl+Print Screen") << (Qt::CTRL | Qt::Key_Print).toCombined() << kCtrl << 44u;
    QTest::newRow("Win+Print Screen") << (Qt::META | Qt::Key_Print).toCombined() << kWin << 44u;
    QTest::newRow("Alt+Print Screen") << (Qt::ALT | Qt::Key_Print).toCombined() << kAlt << 44u;
    QTest::newRow("Print Screen") << int(Qt::Key_Print) << 0u << 44u;
    QTest::newRow("all four modifiers")
        << (Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::META | Qt::Key_Home).toCombined()
        << (kCtrl | kAlt | kShift | kWin) << 36u;
    QTest::newRow("Ctrl+Shift+A") << (Qt::CTRL | Qt::SHIFT | Qt::Key_A).toCombined()
                                  << (kCtrl | kShift) << 0x41u;
    QTest::newRow("Alt+Z") << (Qt::ALT | Qt::Key_Z).toCombined() << kAlt << 0x5au;
    QTest::newRow("0") << (Qt::CTRL | Qt::Key_0).toCombined() << kCtrl << 0x30u;
    QTest::newRow("9") << (Qt::CTRL | Qt::Key_9).toCombined() << kCtrl << 0x39u;
    QTest::newRow("F1") << int(Qt::Key_F1) << 0u << 0x70u;
    QTest::newRow("F12") << int(Qt::Key_F12) << 0u << 0x7bu;
    QTest::newRow("F35") << int(Qt::Key_F35) << 0u << 0x92u;
    QTest::newRow("Alt+Return") << (Qt::ALT | Qt::Key_Return).toCombined() << kAlt << 13u;
    QTest::newRow("Alt+Insert") << (Qt::ALT | Qt::Key_Insert).toCombined() << kAlt << 45u;
    QTest::newRow("Pause") << int(Qt::Key_Pause) << 0u << 19u;
    QTest::newRow("Alt+Escape") << (Qt::ALT | Qt::Key_Escape).toCombined() << kAlt << 27u;
    QTest::newRow("Alt+Space") << (Qt::ALT | Qt::Key_Space).toCombined() << kAlt << 32u;
    QTest::newRow("Alt+PageUp") << (Qt::ALT | Qt::Key_PageUp).toCombined() << kAlt << 33u;
    QTest::newRow("Alt+PageDown") << (Qt::ALT | Qt::Key_PageDown).toCombined() << kAlt << 34u;
    QTest::newRow("Alt+End") << (Qt::ALT | Qt::Key_End).toCombined() << kAlt << 35u;
    QTest::newRow("Alt+Left") << (Qt::ALT | Qt::Key_Left).toCombined() << kAlt << 37u;
    QTest::newRow("Alt+Up") << (Qt::ALT | Qt::Key_Up).toCombined() << kAlt << 38u;
    QTest::newRow("Alt+Right") << (Qt::ALT | Qt::Key_Right).toCombined() << kAlt << 39u;
    QTest::newRow("Alt+Down") << (Qt::ALT | Qt::Key_Down).toCombined() << kAlt << 40u;
}

void tst_VHotkeys::tables()
{
    QFETCH(int, key);
    QFETCH(unsigned, modifiers);
    QFETCH(unsigned, virtualKey);
    QString error;
    QVERIFY(applyHotkey(VV::CaptureFullScreen, VHotkey(key), error));
    QVERIFY(error.isEmpty());
    QCOMPARE(m_backend.installed.size(), std::size_t(1));
    QCOMPARE(m_backend.installed.begin()->first, 0xC003);
    QCOMPARE(m_backend.installed.begin()->second,
             VRecordingBackend::Combination(modifiers, virtualKey));
    QCOMPARE(VConfigCapture::instance()->hotkey(VV::CaptureFullScreen).key(), key);
}

void tst_VHotkeys::invalidKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("keypad 1") << (Qt::KeypadModifier | Qt::Key_1).toCombined();
    QTest::newRow("Ctrl+keypad Enter")
        << QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Enter).toCombined();
    QTest::newRow("accented letter") << int(Qt::Key_Eacute);
    QTest::newRow("Ctrl+Tab") << (Qt::CTRL | Qt::Key_Tab).toCombined();
    QTest::newRow("punctuation") << (Qt::CTRL | Qt::Key_Exclam).toCombined();
}

void tst_VHotkeys::invalidKeys()
{
    QFETCH(int, key);
    QString error;
    QVERIFY(applyHotkey(VV::CaptureRegion, hotkey(Qt::Key_F3), error));
    const VHotkey invalid(key);
    QVERIFY(!applyHotkey(VV::CaptureRegion, invalid, error));
    QCOMPARE(error, QStringLiteral("%1 is not a valid hotkey").arg(invalid.toString()));
    QVERIFY(!invalid.toString().isEmpty());
    QVERIFY(m_backend.installed.empty()); // the old one went in any case
    QCOMPARE(VConfigCapture::instance()->hotkey(VV::CaptureRegion), hotkey(Qt::Key_F3));
}

void tst_VHotkeys::emptyHotkeyWithdrawsTheOldOne()
{
    QString error;
    QVERIFY(applyHotkey(VV::CaptureScrolling, hotkey(Qt::Key_F4), error));
    QVERIFY(!applyHotkey(VV::CaptureScrolling, VHotkey(), error));
    QCOMPARE(error, QStringLiteral("Hotkey setting is empty."));
    QVERIFY(m_backend.installed.empty());
    QCOMPARE(VConfigCapture::instance()->hotkey(VV::CaptureScrolling), hotkey(Qt::Key_F4));
}

void tst_VHotkeys::refusedCombinationKeepsStoredHotkey()
{
    QString error;
    QVERIFY(applyHotkey(VV::CaptureWindow, hotkey(Qt::Key_F5), error));
    m_backend.refused.insert({kCtrl, 44u});
    QVERIFY(!applyHotkey(VV::CaptureWindow, hotkey(Qt::CTRL | Qt::Key_Print), error));
    QCOMPARE(error, QStringLiteral("Failed to set hotkey: Ctrl+Print Screen"));
    QVERIFY(m_backend.installed.empty());
    QCOMPARE(VConfigCapture::instance()->hotkey(VV::CaptureWindow), hotkey(Qt::Key_F5));
}

void tst_VHotkeys::twoModesOnOneCombination()
{
    QString error;
    const VHotkey shared = hotkey(Qt::ALT | Qt::Key_F6);
    QVERIFY(applyHotkey(VV::CaptureRegion, shared, error));
    QVERIFY(!applyHotkey(VV::CaptureWindow, shared, error));
    QCOMPARE(error, QStringLiteral("Failed to set hotkey: %1 is already the Region hotkey")
                        .arg(shared.toString()));
    QCOMPARE(m_backend.installed.size(), std::size_t(1));
    QCOMPARE(m_backend.installed.count(0xC000), std::size_t(1));
}

void tst_VHotkeys::removeWithdrawsOnlyThatMode()
{
    QString error;
    QVERIFY(applyHotkey(VV::CaptureRegion, hotkey(Qt::Key_F7), error));
    QVERIFY(applyHotkey(VV::CaptureFullScreen, hotkey(Qt::Key_F8), error));
    removeHotkey(VV::CaptureRegion);
    QCOMPARE(m_backend.installed.size(), std::size_t(1));
    QCOMPARE(m_backend.installed.count(0xC003), std::size_t(1));
    // Withdrawing keeps the stored hotkey: the use flag says whether it is on.
    QCOMPARE(VConfigCapture::instance()->hotkey(VV::CaptureRegion), hotkey(Qt::Key_F7));
}

void tst_VHotkeys::eventFilterStartsTheMode()
{
    QString error;
    QVERIFY(applyHotkey(VV::CaptureScrolling, hotkey(Qt::Key_F9), error));
    QList<int> modes;
    VHotkeyEventFilter filter([&modes](int mode) { modes << mode; });

    int id = 0xC002;
    qintptr result = 42;
    QVERIFY(filter.nativeEventFilter("recording", &id, &result));
    QCOMPARE(modes, QList<int>{VV::CaptureScrolling});
    QCOMPARE(result, qintptr(0));

    int notInstalled = 0xC001;
    QVERIFY(!filter.nativeEventFilter("recording", &notInstalled, &result));
    QVERIFY(!filter.nativeEventFilter("xcb_generic_event_t", &id, &result));
    QCOMPARE(modes.size(), 1);

    // An id outside the capture modes' range is somebody else's.
    QVERIFY(m_backend.registerHotkey(0x42, 0, 0x71));
    int foreign = 0x42;
    QVERIFY(!filter.nativeEventFilter("recording", &foreign, &result));
    QCOMPARE(modes.size(), 1);
}

void tst_VHotkeys::offscreenUsesTheNullBackend()
{
    QCOMPARE(QString::fromStdString(VPlatform::backend().name()), QStringLiteral("null"));
    setHotkeyBackend(nullptr);
    QString error;
    QVERIFY(!applyHotkey(VV::CaptureRegion, hotkey(Qt::SHIFT | Qt::Key_F10), error));
    QCOMPARE(error, QStringLiteral("Failed to set hotkey: Shift+F10"));
    setHotkeyBackend(&m_backend);
}

TALVIK_TEST_MAIN(tst_VHotkeys)
#include "tst_VHotkeys.moc"
