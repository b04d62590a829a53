#include "TalvikTest.h"

#include "platform/VPlatformFactory.h"
#include "platform/x11/VPlatformBackendX11.h"
#include "VTestXClient.h"

#include <QGuiApplication>

#include <memory>

namespace {
constexpr int kId = 0xC005;
constexpr int kOtherId = 0xC006;
constexpr unsigned kVirtualKeyF9 = 0x78;
constexpr std::uint32_t kKeysymF9 = VTestXClient::kF1 + 8;
constexpr unsigned kCtrlShift = VPlatformBackend::ModControl | VPlatformBackend::ModShift;
constexpr std::uint16_t kCtrlShiftMask = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT;
constexpr std::uint16_t kNumLockMask = XCB_MOD_MASK_2; // where the X servers we test on put it
} // namespace

class tst_VPlatformBackendX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void factoryChoosesX11();
    void keysyms_data();
    void keysyms();
    void recognisesPress_data();
    void recognisesPress();
    void grabIsHeldUntilUnregistered();
    void heldByAnotherClientFailsAndLeavesNothing();
    void secondIdRefusedUntilFirstWithdrawn();
    void reRegisteringAnIdReplacesItsKey();
    void destructionReleasesGrabs();

private:
    xcb_connection_t* m_pConnection = nullptr;
    xcb_window_t m_root = XCB_NONE;
    std::unique_ptr<VTestXClient> m_pOther;
    std::unique_ptr<VPlatformBackendX11> m_pBackend;
};

void tst_VPlatformBackendX11::initTestCase()
{
    const auto* pX11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    QVERIFY2(pX11, "needs the xcb platform on an X server");
    m_pConnection = pX11->connection();
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_pConnection)).data->root;
    m_pOther = std::make_unique<VTestXClient>();
    QVERIFY(m_pOther->isConnected());
    QVERIFY(m_pOther->keycode(kKeysymF9) != XCB_NO_SYMBOL);
}

void tst_VPlatformBackendX11::init()
{
    m_pBackend = std::make_unique<VPlatformBackendX11>(m_pConnection);
}

void tst_VPlatformBackendX11::cleanup()
{
    m_pBackend.reset();
}

void tst_VPlatformBackendX11::factoryChoosesX11()
{
    QCOMPARE(QString::fromStdString(VPlatform::backend().name()), QStringLiteral("x11"));
    QCOMPARE(&VPlatform::backend(), &VPlatform::backend());
}

void tst_VPlatformBackendX11::keysyms_data()
{
    QTest::addColumn<unsigned>("virtualKey");
    QTest::addColumn<unsigned>("keysym");
    QTest::newRow("A names the unshifted a") << unsigned('A') << 0x61u;
    QTest::newRow("Z") << unsigned('Z') << 0x7au;
    QTest::newRow("0") << unsigned('0') << 0x30u;
    QTest::newRow("9") << unsigned('9') << 0x39u;
    QTest::newRow("F1") << 0x70u << 0xffbeu;
    QTest::newRow("F35") << 0x92u << 0xffe0u;
    QTest::newRow("Print") << 44u << 0xff61u;
    QTest::newRow("PageUp") << 33u << 0xff55u;
    QTest::newRow("Insert") << 45u << 0xff63u;
    QTest::newRow("after F35") << 0x93u << 0u;
    QTest::newRow("lower-case code") << unsigned('a') << 0u;
    QTest::newRow("zero") << 0u << 0u;
}

void tst_VPlatformBackendX11::keysyms()
{
    QFETCH(unsigned, virtualKey);
    QFETCH(unsigned, keysym);
    QCOMPARE(unsigned(VPlatformBackendX11::keysymOfVirtualKey(virtualKey)), keysym);
}

void tst_VPlatformBackendX11::recognisesPress_data()
{
    QTest::addColumn<QByteArray>("eventType");
    QTest::addColumn<int>("responseType");
    QTest::addColumn<bool>("onRoot");
    QTest::addColumn<bool>("sameKey");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("id");
    const QByteArray xcb("xcb_generic_event_t");
    const int press = XCB_KEY_PRESS;
    const int base = kCtrlShiftMask;
    QTest::newRow("press") << xcb << press << true << true << base << kId;
    QTest::newRow("with Caps Lock")
        << xcb << press << true << true << (base | XCB_MOD_MASK_LOCK) << kId;
    QTest::newRow("with NumLock") << xcb << press << true << true << (base | kNumLockMask) << kId;
    QTest::newRow("with both locks")
        << xcb << press << true << true << (base | kNumLockMask | XCB_MOD_MASK_LOCK) << kId;
    QTest::newRow("with a pointer button held")
        << xcb << press << true << true << (base | XCB_KEY_BUT_MASK_BUTTON_1) << kId;
    QTest::newRow("sent by a client") << xcb << (press | 0x80) << true << true << base << kId;
    QTest::newRow("an extra modifier")
        << xcb << press << true << true << (base | XCB_MOD_MASK_1) << -1;
    QTest::newRow("a missing modifier")
        << xcb << press << true << true << int(XCB_MOD_MASK_CONTROL) << -1;
    QTest::newRow("another key") << xcb << press << true << false << base << -1;
    QTest::newRow("release") << xcb << int(XCB_KEY_RELEASE) << true << true << base << -1;
    QTest::newRow("in a window of ours") << xcb << press << false << true << base << -1;
    QTest::newRow("another platform's event")
        << QByteArray("windows_generic_MSG") << press << true << true << base << -1;
}

void tst_VPlatformBackendX11::recognisesPress()
{
    QFETCH(QByteArray, eventType);
    QFETCH(int, responseType);
    QFETCH(bool, onRoot);
    QFETCH(bool, sameKey);
    QFETCH(int, state);
    QFETCH(int, id);
    QVERIFY(m_pBackend->registerHotkey(kId, kCtrlShift, kVirtualKeyF9));

    xcb_key_press_event_t event{};
    event.response_type = std::uint8_t(responseType);
    event.detail = m_pOther->keycode(sameKey ? kKeysymF9 : kKeysymF9 + 1);
    event.root = m_root;
    event.event = onRoot ? m_root : m_root + 1;
    event.state = std::uint16_t(state);
    QCOMPARE(m_pBackend->hotkeyFromNativeEvent(eventType.constData(), &event), id);
}

void tst_VPlatformBackendX11::grabIsHeldUntilUnregistered()
{
    QVERIFY(m_pBackend->registerHotkey(kId, kCtrlShift, kVirtualKeyF9));
    QVERIFY(!m_pOther->grab(kCtrlShiftMask, kKeysymF9));
    QVERIFY(!m_pOther->grab(kCtrlShiftMask | XCB_MOD_MASK_LOCK | kNumLockMask, kKeysymF9));

    m_pBackend->unregisterHotkey(kId);
    QVERIFY(m_pOther->grab(kCtrlShiftMask, kKeysymF9));
    m_pOther->ungrab(kCtrlShiftMask, kKeysymF9);
    m_pBackend->unregisterHotkey(kId); // twice is harmless
}

void tst_VPlatformBackendX11::heldByAnotherClientFailsAndLeavesNothing()
{
    // The other client holds only the Caps Lock variant: ours fails part-way through.
    const std::uint16_t locked = kCtrlShiftMask | XCB_MOD_MASK_LOCK;
    QVERIFY(m_pOther->grab(locked, kKeysymF9));
    QVERIFY(!m_pBackend->registerHotkey(kId, kCtrlShift, kVirtualKeyF9));

    // The variants ours did get were given back.
    QVERIFY(m_pOther->grab(kCtrlShiftMask, kKeysymF9));
    QVERIFY(m_pOther->grab(kCtrlShiftMask | kNumLockMask, kKeysymF9));
    xcb_key_press_event_t event{};
    event.response_type = XCB_KEY_PRESS;
    event.detail = m_pOther->keycode(kKeysymF9);
    event.event = m_root;
    event.state = kCtrlShiftMask;
    QCOMPARE(m_pBackend->hotkeyFromNativeEvent("xcb_generic_event_t", &event), -1);

    m_pOther->ungrab(locked, kKeysymF9);
    m_pOther->ungrab(kCtrlShiftMask, kKeysymF9);
    m_pOther->ungrab(kCtrlShiftMask | kNumLockMask, kKeysymF9);
    QVERIFY(m_pBackend->registerHotkey(kId, kCtrlShift, kVirtualKeyF9));
}

void tst_VPlatformBackendX11::secondIdRefusedUntilFirstWithdrawn()
{
    QVERIFY(m_pBackend->registerHotkey(kId, kCtrlShift, kVirtualKeyF9));
    QVERIFY(!m_pBackend->registerHotkey(kOtherId, kCtrlShift, kVirtualKeyF9));
    // Another modifier set on the same key is a different combination.
    QVERIFY(m_pBackend->registerHotkey(kOtherId, VPlatformBackend::ModControl, kVirtualKeyF9));
    m_pBackend->unregisterHotkey(kOtherId);

    // The refusal took nothing from the first id.
    QVERIFY(!m_pOther->grab(kCtrlShiftMask, kKeysymF9));
    xcb_key_press_event_t event{};
    event.response_type = XCB_KEY_PRESS;
    event.detail = m_pOther->keycode(kKeysymF9);
    event.event = m_root;
    event.state = kCtrlShiftMask;
    QCOMPARE(m_pBackend->hotkeyFromNativeEvent("xcb_generic_event_t", &event), kId);

    m_pBackend->unregisterHotkey(kId);
    QVERIFY(m_pBackend->registerHotkey(kOtherId, kCtrlShift, kVirtualKeyF9));
    QCOMPARE(m_pBackend->hotkeyFromNativeEvent("xcb_generic_event_t", &event), kOtherId);
}

void tst_VPlatformBackendX11::reRegisteringAnIdReplacesItsKey()
{
    QVERIFY(m_pBackend->registerHotkey(kId, kCtrlShift, kVirtualKeyF9));
    QVERIFY(m_pBackend->registerHotkey(kId, kCtrlShift, kVirtualKeyF9 + 1));
    QVERIFY(m_pOther->grab(kCtrlShiftMask, kKeysymF9));
    m_pOther->ungrab(kCtrlShiftMask, kKeysymF9);
    QVERIFY(!m_pOther->grab(kCtrlShiftMask, kKeysymF9 + 1));
}

void tst_VPlatformBackendX11::destructionReleasesGrabs()
{
    QVERIFY(m_pBackend->registerHotkey(kId, kCtrlShift, kVirtualKeyF9));
    m_pBackend.reset();
    QVERIFY(m_pOther->grab(kCtrlShiftMask, kKeysymF9));
    m_pOther->ungrab(kCtrlShiftMask, kKeysymF9);
}

TALVIK_TEST_MAIN(tst_VPlatformBackendX11)
#include "tst_VPlatformBackendX11.moc"
