// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "grab/VScreenGrab.h"
#include "grab/VWindowNode.h"
#include "platform/VPlatformFactory.h"
#include "platform/x11/VPlatformBackendX11.h"
#include "VTestXClient.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <xcb/shape.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

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
    void windowTree();
    void windowsVanishingMidway();
    void cursorImage();
    void screenGrabsAgree();

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

void tst_VPlatformBackendX11::windowTree()
{
    VTestXClient& x = *m_pOther;
    // A frame with rounded top corners as a window manager makes it, the client inside it.
    const xcb_window_t frame = x.createWindow(x.root(), 200, 150, 300, 200);
    const xcb_rectangle_t outline[] = {{4, 0, 292, 4}, {0, 4, 300, 196}};
    xcb_shape_rectangles(x.connection(), XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING,
                         XCB_CLIP_ORDERING_UNSORTED, frame, 0, 0, 2, outline);
    const xcb_window_t client = x.createWindow(frame, 5, 25, 290, 170);
    x.setValues(client, x.atom("WM_STATE"), x.atom("WM_STATE"), {1, XCB_NONE});
    x.setText(client, x.atom("_NET_WM_NAME"), x.atom("UTF8_STRING"), "Talvik \u2713");
    x.setText(client, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, "fallback");
    x.setText(client, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, std::string("talvik\0Talvik\0", 14));
    const xcb_window_t button = x.createWindow(client, 10, 10, 100, 40, 1);
    x.createWindow(client, 150, 10, 50, 50); // never mapped
    // In front, over the frame's right side: client-side decorations with a shadow of 10 pixels
    // at the sides, 8 above and 12 below.
    const xcb_window_t decorated = x.createWindow(x.root(), 450, 300, 240, 180);
    x.setValues(decorated, x.atom("_GTK_FRAME_EXTENTS"), XCB_ATOM_CARDINAL, {10, 10, 8, 12});
    x.setText(decorated, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, "Caf\xe9");
    for (const xcb_window_t window : {button, client, frame, decorated})
        xcb_map_window(x.connection(), window);
    x.sync();

    // In device pixels whatever the scale: the tree lines up with the grabbed picture.
    VWindowNode tree = buildWindowTree(grabScreen(QGuiApplication::primaryScreen()).deviceGeometry);
    VWindowNode* pFramed = tree.findWindowAt({300, 160}).first;
    QVERIFY(pFramed && pFramed->handle() == client);
    QCOMPARE(pFramed->rect(), QRect(200, 150, 300, 200));
    QCOMPARE(pFramed->clientRect(), QRect(205, 175, 290, 170));
    QCOMPARE(pFramed->title() + '/' + pFramed->className(), QStringLiteral("Talvik \u2713/Talvik"));
    const QImage mask = pFramed->shapeMask().toImage();
    QCOMPARE(mask.pixelColor(1, 1).alpha() + mask.pixelColor(5, 1).alpha(), 255);
    QCOMPARE(pFramed->children().size(), std::size_t(1)); // the unmapped one is not seen
    QCOMPARE(pFramed->children()[0]->rect(), QRect(215, 185, 102, 42));
    QCOMPARE(pFramed->children()[0]->clientRect(), QRect(216, 186, 100, 40));
    const VWindowNode* pDecorated = tree.findWindowAt({470, 310}).first;
    QVERIFY(pDecorated && pDecorated->handle() == decorated);
    QCOMPARE(pDecorated->rect(), QRect(460, 308, 220, 160));
    QCOMPARE(pDecorated->title(), QStringLiteral("Caf\u00e9"));
    for (const VPlatformWindow& window : m_pBackend->visibleWindows({0, 0, 150, 150}))
        QVERIFY(window.handle != client);
    xcb_destroy_window(x.connection(), frame);
    xcb_destroy_window(x.connection(), decorated);
    x.sync();
}

void tst_VPlatformBackendX11::windowsVanishingMidway()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("XCB error")));
    VTestXClient& x = *m_pOther;
    std::vector<xcb_window_t> windows;
    for (int i = 0; i < 300; ++i) {
        windows.push_back(x.createWindow(x.root(), i, i, 200, 100));
        x.createWindow(windows.back(), 5, 5, 20, 20);
        xcb_map_subwindows(x.connection(), windows.back());
        xcb_map_window(x.connection(), windows.back());
    }
    x.sync();
    // Another client tears them down one by one while the tree is read, again and again.
    std::atomic<bool> bDone{false};
    std::thread destroyer([&] {
        for (const xcb_window_t window : windows) {
            xcb_destroy_window(x.connection(), window);
            xcb_flush(x.connection());
            // Paced, not waiting for anything: the windows go while the reads run.
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        x.sync();
        bDone = true;
    });
    while (!bDone)
        m_pBackend->visibleWindows({0, 0, 1280, 1024});
    destroyer.join();
    for (const VPlatformWindow& window : m_pBackend->visibleWindows({0, 0, 1280, 1024}))
        QVERIFY(window.handle != windows.back());
    QCoreApplication::processEvents(); // errors left for the toolkit would show up now
}

void tst_VPlatformBackendX11::cursorImage()
{
    // A half-transparent red cursor of our own, its hot spot off the centre.
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(QColor(255, 0, 0, 128));
    QWindow window;
    window.setGeometry(0, 0, 200, 200);
    window.setCursor(QCursor(QPixmap::fromImage(image), 3, 4));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    xcb_warp_pointer(m_pOther->connection(), XCB_NONE, m_pOther->root(), 0, 0, 0, 0, 101, 81);
    m_pOther->sync();

    VPlatformCursor cursor;
    QTRY_VERIFY(m_pBackend->cursorImage(cursor) && cursor.width == 16 && cursor.height == 16);
    QCOMPARE(QPoint(cursor.hotX, cursor.hotY), QPoint(3, 4));
    QCOMPARE(QPoint(cursor.x, cursor.y), QPoint(101, 81));
    QCOMPARE(cursor.pixels[0], 0x80800000u); // premultiplied

    // Device pixels everywhere, whatever the scale factor.
    const VScreenGrab grab = grabScreen(window.screen());
    const xcb_screen_t* pScreen = xcb_setup_roots_iterator(xcb_get_setup(m_pConnection)).data;
    QCOMPARE(grab.deviceGeometry, QRect(0, 0, pScreen->width_in_pixels, pScreen->height_in_pixels));
    QCOMPARE(grab.picture.size(), grab.deviceGeometry.size());
    const QPoint offBy = toDevicePixels(QCursor::pos()) - QPoint(101, 81);
    QVERIFY(qAbs(offBy.x()) <= 1 && qAbs(offBy.y()) <= 1); // whole logical points are rounded
    QImage painted(64, 64, QImage::Format_ARGB32_Premultiplied);
    painted.setDevicePixelRatio(grab.picture.devicePixelRatio());
    painted.fill(Qt::transparent);
    drawCursor(painted, QPoint(81, 61)); // the pointer lands on (20, 20)
    QCOMPARE(painted.pixelColor(17, 16), QColor(255, 0, 0, 128));
    QCOMPARE(painted.pixelColor(32, 31), QColor(255, 0, 0, 128));
    QCOMPARE(painted.pixelColor(16, 16).alpha() + painted.pixelColor(33, 31).alpha(), 0);
}

// Shared memory, plain requests and the toolkit's own grab all see the same pixels.
void tst_VPlatformBackendX11::screenGrabsAgree()
{
    QScreen* pScreen = QGuiApplication::primaryScreen();
    const QImage toolkit = pScreen->grabWindow(0).toImage();
    const VScreenGrab grab = grabScreen(pScreen);
    QCOMPARE(grab.picture, toolkit);

    qputenv("TALVIK_NO_SHM", "1");
    VPlatformBackendX11 plainBackend(m_pConnection);
    qunsetenv("TALVIK_NO_SHM");
    const QRect& area = grab.deviceGeometry;
    VPlatformImage plain =
        plainBackend.grabScreenImage({area.x(), area.y(), area.width(), area.height()});
    QVERIFY(!plain.whyNotShared.empty());
    QImage plainImage = wrapPlatformImage(std::move(plain));
    plainImage.setDevicePixelRatio(toolkit.devicePixelRatio());
    QCOMPARE(plainImage, toolkit);
    QVERIFY(m_pBackend->grabScreenImage({0, 0, 64, 64}).whyNotShared.empty());
}

TALVIK_TEST_MAIN(tst_VPlatformBackendX11)
#include "tst_VPlatformBackendX11.moc"
