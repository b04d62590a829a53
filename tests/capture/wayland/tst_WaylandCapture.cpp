// Runs inside wayland-session.sh: a real compositor and the real desktop portals.
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <QWidget>

namespace {

struct Run
{
    int exitCode = -1;
    QString err;
};

// The program, beside this test in the session's folder; the event loop runs meanwhile, as a
// fake portal of ours must answer.
Run runCapture(const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/TalvikCapture"),
                  arguments);
    Run run;
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 30000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

// Quadrants of four colours crossed by one-pixel lines every 7 device pixels, so that a
// picture cut a pixel off or scaled shows it.
QRgb expectedAt(int x, int y, const QSize& size)
{
    if (x % 7 == 0 || y % 7 == 0)
        return qRgb(0, 0, 0);
    const bool right = x >= size.width() / 2;
    const bool bottom = y >= size.height() / 2;
    return bottom ? (right ? qRgb(255, 255, 0) : qRgb(0, 0, 255))
                  : (right ? qRgb(0, 255, 0) : qRgb(255, 0, 0));
}

class Pattern : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override
    {
        const qreal ratio = devicePixelRatio();
        QImage image(size() * ratio, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* pLine = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                pLine[x] = expectedAt(x, y, image.size());
        }
        image.setDevicePixelRatio(ratio);
        QPainter(this).drawImage(0, 0, image);
    }
};

// A Screenshot portal that answers as told, on a private bus of its own.
class FakePortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    // -1: never answers; else the Response code.
    int response = -1;

public slots:
    QDBusObjectPath Screenshot(const QString&, const QVariantMap& options, const QDBusMessage& call)
    {
        QString sender = call.service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        const QString handle = QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender +
                               QLatin1Char('/') +
                               options.value(QStringLiteral("handle_token")).toString();
        if (response >= 0) {
            QTimer::singleShot(100, this, [handle, code = uint(response)] {
                QDBusMessage signal = QDBusMessage::createSignal(
                    handle, QStringLiteral("org.freedesktop.portal.Request"),
                    QStringLiteral("Response"));
                signal << code << QVariantMap();
                QDBusConnection(QStringLiteral("fake")).send(signal);
            });
        }
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

private:
    QTemporaryDir m_folder;
};

void tst_WaylandCapture::fullScreenThroughThePortal()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    Pattern pattern;
    pattern.showFullScreen();
    QVERIFY(QTest::qWaitForWindowExposed(&pattern));
    QScreen* pScreen = pattern.screen();
    QTRY_COMPARE(pattern.size(), pScreen->size());
    QTest::qWait(300); // the compositor shows the last frame

    const QString path = m_folder.filePath(QStringLiteral("full.png"));
    const Run run = runCapture({QStringLiteral("--capture"), QStringLiteral("fullscreen"),
                                QStringLiteral("--output"), path},
                               QProcessEnvironment::systemEnvironment());
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QImage shot = QImage(path).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.size(), pScreen->size() * pScreen->devicePixelRatio());
    int wrong = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x)
            wrong += shot.pixel(x, y) != expectedAt(x, y, shot.size());
    }
    QCOMPARE(wrong, 0);
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
    const QString config = m_folder.filePath(QStringLiteral("bus.conf"));
    QFile file(config);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen>"
               "<auth>EXTERNAL</auth><policy context=\"default\"><allow send_destination=\"*\"/>"
               "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>");
    file.close();
    QProcess bus;
    bus.start(QStringLiteral("dbus-daemon"),
              {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
               QStringLiteral("--print-address")});
    QVERIFY(bus.waitForReadyRead(5000));
    const QString address = QString::fromUtf8(bus.readLine()).trimmed();
    FakePortal portal;
    portal.response = response;
    {
        QDBusConnection connection = QDBusConnection::connectToBus(address, QStringLiteral("fake"));
        QVERIFY(connection.isConnected());
        if (response != -2) {
            QVERIFY(connection.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
            QVERIFY(connection.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"),
                                              &portal, QDBusConnection::ExportAllSlots));
        }
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
    environment.insert(QStringLiteral("TALVIK_PORTAL_TIMEOUT_MS"), QStringLiteral("1500"));
    const QString path = m_folder.filePath(QStringLiteral("none.png"));
    const Run run = runCapture({QStringLiteral("--capture"), QStringLiteral("fullscreen"),
                                QStringLiteral("--output"), path},
                               environment);
    QDBusConnection::disconnectFromBus(QStringLiteral("fake"));
    bus.kill();
    bus.waitForFinished();
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(tst_WaylandCapture)
#include "tst_WaylandCapture.moc"
