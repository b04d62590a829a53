// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "config/VConfigCapture.h"
#include "hotkey/VHotkeyEdit.h"
#include "hotkey/VHotkeyEventFilter.h"
#include "hotkey/VHotkeys.h"
#include "VTestXClient.h"
#include "VVCapture.h"

// Real grabs on the X server, real key presses from another client through XTEST. The keys are
// ones no other test on the shared server uses.
namespace {
constexpr std::uint32_t kF5 = VTestXClient::kF1 + 4;
constexpr std::uint32_t kF6 = VTestXClient::kF1 + 5;
constexpr std::uint32_t kF7 = VTestXClient::kF1 + 6;
constexpr std::uint32_t kF8 = VTestXClient::kF1 + 7;
constexpr std::uint16_t kShiftWinMask = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_4;

// Not Ctrl+Alt: on F-keys the keyboard map makes that a console switch.
VHotkey shiftWin(Qt::Key key)
{
    return VHotkey((Qt::SHIFT | Qt::META | key).toCombined());
}
} // namespace

class tst_HotkeysX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void pressStartsTheMode();
    void pressWorksWithNumLockOn();
    void twoModesOnOneCombination();
    void switchingOffAndOnReinstalls();
    void combinationHeldByAnotherClient();

private:
    // Types the marker key, whose mode nothing else uses, and waits for it: every press typed
    // before it has then arrived too.
    void typeMarkerAndWait();

    std::unique_ptr<VTestXClient> m_pOther;
    std::unique_ptr<VHotkeyEventFilter> m_pFilter;
    std::unique_ptr<QWidget> m_pOwner;
    QList<int> m_modes;
};

void tst_HotkeysX11::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    m_pOther = std::make_unique<VTestXClient>();
    QVERIFY(m_pOther->isConnected());
    m_pFilter = std::make_unique<VHotkeyEventFilter>([this](int mode) { m_modes << mode; });
    QCoreApplication::instance()->installNativeEventFilter(m_pFilter.get());
    m_pOwner = std::make_unique<QWidget>();
    setHotkeyOwnerWindow(m_pOwner->winId());
}

void tst_HotkeysX11::init()
{
    m_modes.clear();
    QString error;
    QVERIFY2(applyHotkey(VV::CaptureScrolling, shiftWin(Qt::Key_F8), error), qPrintable(error));
}

void tst_HotkeysX11::cleanup()
{
    for (int mode = VV::CaptureRegion; mode <= VV::CaptureFullScreen; ++mode)
        removeHotkey(mode);
}

void tst_HotkeysX11::cleanupTestCase()
{
    QCoreApplication::instance()->removeNativeEventFilter(m_pFilter.get());
    setHotkeyOwnerWindow(0);
}

void tst_HotkeysX11::typeMarkerAndWait()
{
    const int before = int(m_modes.count(VV::CaptureScrolling));
    m_pOther->type({VTestXClient::kShift, VTestXClient::kSuper}, kF8);
    QTRY_COMPARE(int(m_modes.count(VV::CaptureScrolling)), before + 1);
    m_modes.removeAll(VV::CaptureScrolling);
}

void tst_HotkeysX11::pressStartsTheMode()
{
    QString error;
    QVERIFY2(applyHotkey(VV::CaptureWindow, shiftWin(Qt::Key_F5), error), qPrintable(error));
    m_pOther->type({VTestXClient::kShift, VTestXClient::kSuper}, kF5);
    QTRY_COMPARE(m_modes, QList<int>{VV::CaptureWindow});

    // With Ctrl too it is another combination.
    m_pOther->type({VTestXClient::kShift, VTestXClient::kSuper, VTestXClient::kControl}, kF5);
    typeMarkerAndWait();
    QCOMPARE(m_modes, QList<int>{VV::CaptureWindow});
}

void tst_HotkeysX11::pressWorksWithNumLockOn()
{
    QString error;
    QVERIFY2(applyHotkey(VV::CaptureFullScreen, shiftWin(Qt::Key_F6), error), qPrintable(error));
    const std::uint16_t before = m_pOther->modifierState();
    m_pOther->type({}, VTestXClient::kNumLock);
    const bool numLockOn = m_pOther->modifierState() != before;
    if (numLockOn)
        m_pOther->type({VTestXClient::kShift, VTestXClient::kSuper}, kF6);
    m_pOther->type({}, VTestXClient::kNumLock); // back as it was, for the other tests
    QVERIFY2(numLockOn, "NumLock did not change the keyboard state");
    QTRY_COMPARE(m_modes, QList<int>{VV::CaptureFullScreen});
}

void tst_HotkeysX11::twoModesOnOneCombination()
{
    QString error;
    const VHotkey shared = shiftWin(Qt::Key_F7);
    QVERIFY2(applyHotkey(VV::CaptureRegion, shared, error), qPrintable(error));
    QVERIFY(!applyHotkey(VV::CaptureFullScreen, shared, error));
    QCOMPARE(error, QStringLiteral("Failed to set hotkey: %1 is already the Region hotkey")
                        .arg(shared.toString()));
    QVERIFY(VConfigCapture::instance()->hotkey(VV::CaptureFullScreen) != shared);

    m_pOther->type({VTestXClient::kShift, VTestXClient::kSuper}, kF7);
    QTRY_COMPARE(m_modes, QList<int>{VV::CaptureRegion});
}

void tst_HotkeysX11::switchingOffAndOnReinstalls()
{
    VHotkeyEdit edit;
    edit.setMode(VV::CaptureWindow);
    edit.setHotkey(shiftWin(Qt::Key_F5));
    QCOMPARE(edit.text(), shiftWin(Qt::Key_F5).toString());

    removeHotkey(VV::CaptureWindow);
    m_pOther->type({VTestXClient::kShift, VTestXClient::kSuper}, kF5);
    typeMarkerAndWait();
    QVERIFY(m_modes.isEmpty());

    edit.applyHotkey(VConfigCapture::instance()->hotkey(VV::CaptureWindow));
    QCOMPARE(edit.text(), shiftWin(Qt::Key_F5).toString());
    m_pOther->type({VTestXClient::kShift, VTestXClient::kSuper}, kF5);
    QTRY_COMPARE(m_modes, QList<int>{VV::CaptureWindow});
}

void tst_HotkeysX11::combinationHeldByAnotherClient()
{
    QString error;
    QVERIFY2(applyHotkey(VV::CaptureRegion, shiftWin(Qt::Key_F6), error), qPrintable(error));
    QVERIFY(m_pOther->grab(kShiftWinMask, kF7));
    QVERIFY(!applyHotkey(VV::CaptureRegion, shiftWin(Qt::Key_F7), error));
    QCOMPARE(error, QStringLiteral("Failed to set hotkey: ") + shiftWin(Qt::Key_F7).toString());
    QCOMPARE(VConfigCapture::instance()->hotkey(VV::CaptureRegion), shiftWin(Qt::Key_F6));

    // The old hotkey went with the attempt.
    m_pOther->type({VTestXClient::kShift, VTestXClient::kSuper}, kF6);
    typeMarkerAndWait();
    QVERIFY(m_modes.isEmpty());

    m_pOther->ungrab(kShiftWinMask, kF7);
    QVERIFY2(applyHotkey(VV::CaptureRegion, shiftWin(Qt::Key_F7), error), qPrintable(error));
}

TALVIK_TEST_MAIN(tst_HotkeysX11)
#include "tst_HotkeysX11.moc"
