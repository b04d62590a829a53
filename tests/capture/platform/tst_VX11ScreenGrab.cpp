// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "grab/VScreenGrab.h"
#include "platform/x11/VX11ScreenGrab.h"

#include <QFile>
#include <QProcess>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

struct XcbDisconnect
{
    void operator()(xcb_connection_t* p) const { xcb_disconnect(p); }
};

// A private X server of the given depth: the test's own display has one depth only.
class VPrivateXServer
{
public:
    explicit VPrivateXServer(int depth)
    {
        // -displayfd 1 picks a free display and writes its number to standard output.
        m_server.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"),
                        QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("%1x%2x%3").arg(kWidth).arg(kHeight).arg(depth),
                        QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!m_server.waitForStarted(5000))
            return;
        QByteArray number;
        while (!number.contains('\n') && m_server.waitForReadyRead(10000))
            number += m_server.readAllStandardOutput();
        if (number.trimmed().isEmpty())
            return;
        m_pConnection.reset(xcb_connect((":" + number.trimmed()).constData(), nullptr));
        if (xcb_connection_has_error(m_pConnection.get()))
            m_pConnection.reset();
    }
    ~VPrivateXServer()
    {
        m_pConnection.reset();
        m_server.terminate();
        m_server.waitForFinished(5000);
    }

    xcb_connection_t* connection() const { return m_pConnection.get(); }
    const xcb_screen_t& screen() const
    {
        return *xcb_setup_roots_iterator(xcb_get_setup(connection())).data;
    }

private:
    QProcess m_server;
    std::unique_ptr<xcb_connection_t, XcbDisconnect> m_pConnection;
};

void sync(xcb_connection_t* pConnection)
{
    std::free(xcb_get_input_focus_reply(pConnection, xcb_get_input_focus(pConnection), nullptr));
}

// Noise over the whole root window, in the server's pixel format, and the picture the
// toolkit should see of it.
QImage paintNoise(const VPrivateXServer& server)
{
    xcb_connection_t* const pConnection = server.connection();
    const xcb_screen_t& screen = server.screen();
    const bool b16 = screen.root_depth == 16;
    QImage expected(kWidth, kHeight, b16 ? QImage::Format_RGB16 : QImage::Format_RGB32);
    std::uint32_t seed = 12345;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            seed = seed * 1664525u + 1013904223u;
            if (b16)
                reinterpret_cast<std::uint16_t*>(expected.scanLine(y))[x] =
                    std::uint16_t(seed >> 8);
            else
                reinterpret_cast<std::uint32_t*>(expected.scanLine(y))[x] =
                    (seed >> 8) | 0xff000000u;
        }
    }
    const xcb_gcontext_t gc = xcb_generate_id(pConnection);
    xcb_create_gc(pConnection, gc, screen.root, 0, nullptr);
    // Bands small enough for any request size limit; both sides little-endian here.
    constexpr int kBand = 32;
    for (int y = 0; y < kHeight; y += kBand) {
        const QImage band = expected.copy(0, y, kWidth, kBand);
        xcb_put_image(pConnection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen.root, gc, kWidth, kBand, 0,
                      std::int16_t(y), 0, screen.root_depth, std::uint32_t(band.sizeInBytes()),
                      band.constBits());
    }
    xcb_free_gc(pConnection, gc);
    sync(pConnection);
    return expected;
}

// Shared memory segments this process made that still exist.
int ourSegments()
{
    QFile table(QStringLiteral("/proc/sysvipc/shm"));
    if (!table.open(QIODevice::ReadOnly))
        return -1;
    int count = 0;
    table.readLine(); // the column names
    while (!table.atEnd()) {
        const QList<QByteArray> columns = table.readLine().simplified().split(' ');
        count +=
            columns.size() > 4 && columns[4].toLongLong() == QCoreApplication::applicationPid();
    }
    return count;
}

} // namespace

class tst_VX11ScreenGrab : public QObject
{
    Q_OBJECT

private slots:
    void sharedAndPlainGrabTheSamePixels_data();
    void sharedAndPlainGrabTheSamePixels();
};

void tst_VX11ScreenGrab::sharedAndPlainGrabTheSamePixels_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<QRect>("area");
    QTest::newRow("24-bit, whole screen") << 24 << QRect(0, 0, kWidth, kHeight);
    // An odd width leaves padding at each line's end in 16 bits.
    QTest::newRow("16-bit, odd part") << 16 << QRect(13, 7, 301, 203);
    QTest::newRow("16-bit, whole screen") << 16 << QRect(0, 0, kWidth, kHeight);
}

void tst_VX11ScreenGrab::sharedAndPlainGrabTheSamePixels()
{
    QFETCH(int, depth);
    QFETCH(QRect, area);
    std::optional<VPrivateXServer> server;
    server.emplace(depth);
    QVERIFY2(server->connection(), "needs Xvfb");
    QCOMPARE(int(server->screen().root_depth), depth);
    const QImage expected = paintNoise(*server).copy(area);
    const VPlatformRect rect{area.x(), area.y(), area.width(), area.height()};

    QImage sharedImage;
    {
        VX11ScreenGrab shared(server->connection(), server->screen(), true);
        VPlatformImage sharedPixels = shared.grab(rect);
        QCOMPARE(QString::fromStdString(sharedPixels.whyNotShared), QString());
        sharedImage = wrapPlatformImage(std::move(sharedPixels));
        QCOMPARE(sharedImage, expected);

        // A picture still held keeps its pixels; one let go of lends its segment to the next.
        QImage second = wrapPlatformImage(shared.grab(rect));
        QVERIFY(second.constBits() != sharedImage.constBits());
        const uchar* const pReleased = std::exchange(second, QImage()).constBits();
        QCOMPARE(wrapPlatformImage(shared.grab(rect)).constBits(), pReleased);
        QCOMPARE(ourSegments(), 2);

        VX11ScreenGrab plain(server->connection(), server->screen(), false);
        VPlatformImage plainPixels = plain.grab(rect);
        QVERIFY(!plainPixels.whyNotShared.empty());
        QCOMPARE(wrapPlatformImage(std::move(plainPixels)), expected);
    }

    // The picture owns its pixels: they outlive the grabber and the server, and go with it.
    sync(server->connection()); // the server has let go of the kept segment
    QCOMPARE(ourSegments(), 1);
    server.reset();
    QCOMPARE(sharedImage, expected);
    sharedImage = QImage();
    QCOMPARE(ourSegments(), 0);
}

TALVIK_TEST_MAIN(tst_VX11ScreenGrab)
#include "tst_VX11ScreenGrab.moc"
