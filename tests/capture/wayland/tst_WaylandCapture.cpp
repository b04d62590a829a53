// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs inside wayland-session.sh: a real compositor and the real desktop portals.
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QPainter>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>
#include <QWidget>

namespace {

QByteArray output(const QString& program, const QStringList& arguments,
                  const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    return process.waitForFinished() ? process.readAllStandardOutput() : QByteArray();
}

// What the compositor shows, as grim reads it: the screen a user sees, in device pixels.
QImage screenShot()
{
    return QImage::fromData(output(QStringLiteral("grim"), {QStringLiteral("-")}))
        .convertToFormat(QImage::Format_RGB32);
}

// The program's exit code and standard error; the event loop runs meanwhile, for a fake portal.
std::pair<int, QString> runCapture(const QString& file, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/TalvikCapture"),
                  {QStringLiteral("--capture"), QStringLiteral("fullscreen"),
                   QStringLiteral("--output"), file});
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 30000))
        process.kill();
    process.waitForFinished();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// Quadrants of four colours crossed by one-pixel lines every 7 device pixels, so that a
// picture cut a pixel off or scaled shows it.
QImage pattern(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const bool right = x >= size.width() / 2;
            const bool bottom = y >= size.height() / 2;
            image.setPixel(x, y,
                           x % 7 == 0 || y % 7 == 0 ? qRgb(0, 0, 0)
                           : bottom                 ? (right ? qRgb(255, 255, 0) : qRgb(0, 0, 255))
                                                    : (right ? qRgb(0, 255, 0) : qRgb(255, 0, 0)));
        }
    }
    return image;
}

class PatternWindow : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override
    {
        QImage image = pattern(size() * devicePixelRatio());
        image.setDevicePixelRatio(devicePixelRatio());
        QPainter(this).drawImage(0, 0, image);
    }
};

// A Screenshot portal on a private bus that answers with the Response code it is given, or
// never (-1).
class FakePortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    int response = -1;

public slots:
    QDBusObjectPath Screenshot(const QString&, const QVariantMap& options, const QDBusMessage& call)
    {
        const QString handle = QStringLiteral("/org/freedesktop/portal/desktop/request/") +
                               call.service().mid(1).replace(QLatin1Char('.'), QLatin1Char('_')) +
                               QLatin1Char('/') +
                               options.value(QStringLiteral("handle_token")).toString();
        QDBusMessage signal = QDBusMessage::createSignal(
            handle, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        signal << uint(response) << QVariantMap();
        if (response >= 0)
            QTimer::singleShot(100, this,
                               [signal] { QDBusConnection(QStringLiteral("fake")).send(signal); });
        return QDBusObjectPath(handle);
    }
};

} // namespace

class tst_WaylandCapture : public QObject
{
    Q_OBJECT

private slots:
    void fullScreenThroughThePortal();
    void portalWithoutPicture_data();
    void portalWithoutPicture();
    void regionDraggedThroughTheOverlay();

private:
    QTemporaryDir m_folder;
};

void tst_WaylandCapture::fullScreenThroughThePortal()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    PatternWindow window;
    window.showFullScreen();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(window.size(), window.screen()->size());
    const QImage shown = pattern(window.size() * window.devicePixelRatio());
    QTRY_VERIFY_WITH_TIMEOUT(screenShot() == shown, 10000);

    const QString path = m_folder.filePath(QStringLiteral("full.png"));
    const auto [exitCode, err] = runCapture(path, QProcessEnvironment::systemEnvironment());
    QVERIFY2(exitCode == 0, qPrintable(err));
    const QImage shot = QImage(path).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot, shown);
    // xdg-desktop-portal-wlr hands its picture over in this file; it is ours to remove.
    QVERIFY(!QFile::exists(QStringLiteral("/tmp/out.png")));
}

void tst_WaylandCapture::portalWithoutPicture_data()
{
    QTest::addColumn<int>("response"); // -2: no portal on the bus at all
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << -2 << "cannot be reached";
    QTest::newRow("cancelled") << 1 << "was cancelled";
    QTest::newRow("refused") << 2 << "refused";
    QTest::newRow("silent") << -1 << "did not answer in time";
}

void tst_WaylandCapture::portalWithoutPicture()
{
    QFETCH(int, response);
    QFETCH(QString, message);
    // A bus that starts no services: the desktop's portal must not come up on it by itself.
    QFile config(m_folder.filePath(QStringLiteral("bus.conf")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write("<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen><policy "
                 "context='default'><allow send_destination='*'/><allow eavesdrop='true'/>"
                 "<allow own='*'/></policy></busconfig>");
    config.close();
    QProcess bus;
    bus.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=") + config.fileName(),
                                              QStringLiteral("--print-address")});
    QVERIFY(bus.waitForReadyRead(5000));
    const QString address = QString::fromUtf8(bus.readLine()).trimmed();
    FakePortal portal;
    portal.response = response;
    QDBusConnection connection = QDBusConnection::connectToBus(address, QStringLiteral("fake"));
    if (response != -2) {
        QVERIFY(connection.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
        QVERIFY(connection.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"),
                                          &portal, QDBusConnection::ExportAllSlots));
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
    environment.insert(QStringLiteral("TALVIK_PORTAL_TIMEOUT_MS"), QStringLiteral("1500"));
    const QString path = m_folder.filePath(QStringLiteral("none.png"));
    const auto [exitCode, err] = runCapture(path, environment);
    QDBusConnection::disconnectFromBus(QStringLiteral("fake"));
    bus.kill();
    bus.waitForFinished();
    QCOMPARE(exitCode, 1);
    QVERIFY2(err.contains(message), qPrintable(err));
    QVERIFY(!QFile::exists(path));
}

// The road a user takes: the overlay over the frozen screen, a rectangle dragged with the
// pointer sway gets from its X window, Ctrl+S; the file holds the screen's own pixels.
void tst_WaylandCapture::regionDraggedThroughTheOverlay()
{
    QProcessEnvironment x11;
    x11.insert(QStringLiteral("DISPLAY"), qEnvironmentVariable("TALVIK_WAYLAND_X11_DISPLAY"));
    if (x11.value(QStringLiteral("DISPLAY")).isEmpty())
        QSKIP("sway has no pointer here: run the session with --x11");
    PatternWindow window;
    window.showFullScreen();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(window.size(), window.screen()->size());
    QTRY_VERIFY_WITH_TIMEOUT(screenShot() == pattern(window.size()), 10000);

    const QString folder = m_folder.filePath(QStringLiteral("region"));
    QVERIFY(QDir().mkpath(m_folder.filePath(QStringLiteral("config/Morvane"))));
    QFile settings(m_folder.filePath(QStringLiteral("config/Morvane/TalvikCapture.ini")));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[General]\nAutoUpdate=false\nNameMethod=1\nFileNameFormat=region\n"
                   "AutomaticSaveFolder=" +
                   folder.toUtf8() + '\n');
    settings.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       m_folder.filePath(QStringLiteral("config")));
    QProcess app;
    app.setProcessEnvironment(environment);
    app.start(QCoreApplication::applicationDirPath() + QStringLiteral("/TalvikCapture"),
              {QStringLiteral("--capture"), QStringLiteral("region")});
    const auto killApp = qScopeGuard([&app] {
        app.kill();
        app.waitForFinished();
    });
    QTRY_VERIFY_WITH_TIMEOUT(
        output(QStringLiteral("swaymsg"), {QStringLiteral("-t"), QStringLiteral("get_tree")})
            .contains("Talvik is Capturing"),
        15000);
    // The overlay is up once the screen shows the pattern dimmed (red under 60 % black), away
    // from the pointer's cross and the help balloon.
    const auto screenAt = [] { return screenShot().pixel(300, 300); };
    const auto dimmed = [&] {
        const QRgb shown = screenAt();
        return qAbs(qRed(shown) - 102) <= 2 && qGreen(shown) == 0;
    };
    QTRY_VERIFY_WITH_TIMEOUT(dimmed(), 10000);
    output(QStringLiteral("xdotool"),
           {"mousemove", "560", "440", "mousedown", "1", "mousemove", "640", "500", "mousemove",
            "720", "580", "mouseup", "1"},
           x11);
    // The editor's white ground replaces the frozen screen once the rows have slid in.
    QTRY_COMPARE_WITH_TIMEOUT(screenAt(), qRgb(255, 255, 255), 10000);
    output(QStringLiteral("xdotool"), {"key", "ctrl+s"}, x11);
    const QString path = folder + QStringLiteral("/region.png");
    QTRY_VERIFY_WITH_TIMEOUT(!QImage(path).isNull(), 10000);
    // Every pixel is the screen's own, as on X11.
    const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image, pattern(window.size()).copy(560, 440, 160, 140));
}

QTEST_MAIN(tst_WaylandCapture)
#include "tst_WaylandCapture.moc"
