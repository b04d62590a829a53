#pragma once

#include <QApplication>
#include <QDir>
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

} // namespace TalvikTest

// QTEST_MAIN with a private home prepared before the application object exists.
#define TALVIK_TEST_MAIN(TestObject)                                                               \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        TalvikTest::privateHome();                                                                 \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
