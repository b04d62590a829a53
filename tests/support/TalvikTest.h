// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <csignal>
#include <QTemporaryDir>
#include <QtTest>

namespace TalvikTest {

// Points HOME and the XDG folders at a fresh private folder, so no test reads or writes the
// real user's settings, documents or autostart entries. Must run before any QSettings.
inline QTemporaryDir& privateHome()
{
    static QTemporaryDir home;
    static const bool prepared = [] {
        const QByteArray root = home.path().toLocal8Bit();
        qputenv("HOME", root);
        qputenv("XDG_CONFIG_HOME", root + "/.config");
        qputenv("XDG_DATA_HOME", root + "/.local/share");
        qputenv("XDG_CACHE_HOME", root + "/.cache");
        qputenv("XDG_RUNTIME_DIR", root + "/.runtime");
        QDir(home.path()).mkpath(QStringLiteral(".config"));
        QDir(home.path()).mkpath(QStringLiteral(".runtime"));
        QFile::setPermissions(home.path() + QStringLiteral("/.runtime"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                  QFileDevice::ExeOwner);
        return true;
    }();
    Q_UNUSED(prepared);
    return home;
}

// The window manager TALVIK_TEST_WM names (openbox), run for the whole test program, so its
// journeys meet the desktop users have; nothing when the variable is unset. Started before the
// application, which reads what the window manager supports when it connects.
class WindowManager
{
public:
    WindowManager()
    {
        const QString program = qEnvironmentVariable("TALVIK_TEST_WM");
        if (program.isEmpty())
            return;
        const QTemporaryDir flags;
        const QString ready = flags.filePath(QStringLiteral("ready"));
        // Its start-up command runs once it manages the screen.
        if (!QProcess::startDetached(program,
                                     {QStringLiteral("--sm-disable"), QStringLiteral("--startup"),
                                      QStringLiteral("touch ") + ready},
                                     QString(), &m_pid))
            qFatal("cannot start the window manager %s", qPrintable(program));
        QElapsedTimer clock;
        clock.start();
        while (!QFile::exists(ready) && clock.elapsed() < 15000)
            QThread::msleep(20);
        if (!QFile::exists(ready))
            qFatal("the window manager %s did not start", qPrintable(program));
    }
    ~WindowManager()
    {
        if (m_pid > 0)
            ::kill(pid_t(m_pid), SIGTERM);
    }
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

private:
    qint64 m_pid = 0;
};

} // namespace TalvikTest

// QTEST_MAIN with a private home prepared before the application object exists.
#define TALVIK_TEST_MAIN(TestObject)                                                               \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        TalvikTest::privateHome();                                                                 \
        const TalvikTest::WindowManager windowManager;                                             \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
