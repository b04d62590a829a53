// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"
#include "TalvikTestConfig.h"

#include "foundation/autorun/VAutoRun.h"
#include "foundation/VConfig.h"

#include <QSettings>

#include <memory>

namespace {
using TestConfig = TalvikTest::IniConfig;

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}
} // namespace

class tst_VConfig : public QObject
{
    Q_OBJECT

private slots:
    void instanceIsNullBeforeAnyConfig();
    void defaultsOfAnEmptyStore();
    void valuesRoundTrip();
    void balloonFlagsAreIndependent();
    void brokenValuesReadAsDefaults_data();
    void brokenValuesReadAsDefaults();
    void autoRunFollowsTheSetting();
    void aChoiceMadeInTheDesktopStands_data();
    void aChoiceMadeInTheDesktopStands();

private:
    QString storePath(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
    QTemporaryDir m_dir;
};

void tst_VConfig::instanceIsNullBeforeAnyConfig()
{
    QCOMPARE(VConfig::_instance(), nullptr);
    {
        TestConfig config(storePath("instance.ini"));
        QCOMPARE(VConfig::_instance(), &config);
    }
}

void tst_VConfig::defaultsOfAnEmptyStore()
{
    const TestConfig config(storePath("empty.ini"));
    QCOMPARE(config.borderLineColor(), QColor(64, 64, 64, 255));
    QCOMPARE(config.borderLineWidth(), 1u);
    QVERIFY(config.hasSystemTray());
    QVERIFY(config.isShowTrayInstantMenu());
    QVERIFY(config.isAutoUpdate());
    QVERIFY(config.isShowBalloon(QStringLiteral("AnyBalloon")));
}

void tst_VConfig::valuesRoundTrip()
{
    const QString path = storePath("roundtrip.ini");
    {
        TestConfig config(path);
        config.setBorderLineColor(QColor(10, 20, 30, 40));
        config.setBorderLineWidth(7);
        config.setSystemTray(false);
        config.setShowTrayInstantMenu(false);
        config.setAutoUpdate(false);
    }
    // A new object on the same file: nothing was cached, everything reached the store.
    const TestConfig config(path);
    QCOMPARE(config.borderLineColor(), QColor(10, 20, 30, 40));
    QCOMPARE(config.borderLineWidth(), 7u);
    QVERIFY(!config.hasSystemTray());
    QVERIFY(!config.isShowTrayInstantMenu());
    QVERIFY(!config.isAutoUpdate());
}

void tst_VConfig::balloonFlagsAreIndependent()
{
    const QString path = storePath("balloons.ini");
    {
        TestConfig config(path);
        config.setShowBalloon(QStringLiteral("Line"), false);
        QVERIFY(!config.isShowBalloon(QStringLiteral("Line")));
        QVERIFY(config.isShowBalloon(QStringLiteral("Rectangle")));
        QVERIFY(config.isShowBalloon(QStringLiteral("line")));
    }
    QSettings raw(path, QSettings::IniFormat);
    QCOMPARE(raw.childGroups(), QStringList{QStringLiteral("ShowBalloon")});
    QCOMPARE(raw.value(QStringLiteral("ShowBalloon/Line")).toBool(), false);
}

void tst_VConfig::brokenValuesReadAsDefaults_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("width as text") << QByteArray("BorderLineWidth=abc");
    QTest::newRow("colour as text") << QByteArray("BorderLineColor=not-a-colour");
    QTest::newRow("flag as text") << QByteArray("SystemTray=maybe");
    QTest::newRow("flag as list") << QByteArray("AutoUpdate=a, b");
    QTest::newRow("garbage variant") << QByteArray("BorderLineColor=@Variant(\\0\\x1)");
}

void tst_VConfig::brokenValuesReadAsDefaults()
{
    QFETCH(QByteArray, line);
    const QString path = storePath("broken.ini");
    const QByteArray content = "[General]\n" + line + "\n";
    writeFile(path, content);
    {
        const TestConfig config(path);
        QCOMPARE(config.borderLineWidth(), 1u);
        QCOMPARE(config.borderLineColor(), QColor(64, 64, 64));
        QVERIFY(config.hasSystemTray());
        QVERIFY(config.isAutoUpdate());
    }
    QCOMPARE(readFile(path), content);
}

void tst_VConfig::autoRunFollowsTheSetting()
{
    const QString entry = VAutoRun::location(QCoreApplication::applicationName());
    QFile::remove(entry);
    const QString path = storePath("autorun.ini");
    TestConfig config(path);

    // Reading the default switches the entry on.
    QVERIFY(config.isAutoRun());
    QVERIFY(QFile::exists(entry));
    QVERIFY(readFile(entry).contains(
        VAutoRun::command(QCoreApplication::applicationFilePath()).toUtf8()));

    config.setAutoRun(false);
    QVERIFY(!QFile::exists(entry));
    QVERIFY(!config.isAutoRun());
    QVERIFY(!QFile::exists(entry));

    config.setAutoRun(true);
    QVERIFY(QFile::exists(entry));
}

void tst_VConfig::aChoiceMadeInTheDesktopStands_data()
{
    QTest::addColumn<QByteArray>("entry"); // empty: deleted after it was written
    QTest::newRow("hidden") << QByteArray("[Desktop Entry]\nType=Application\nHidden=true\n");
    QTest::newRow("switched off") << QByteArray(
        "[Desktop Entry]\nType=Application\nX-GNOME-Autostart-enabled=false\n");
    QTest::newRow("deleted") << QByteArray();
}

void tst_VConfig::aChoiceMadeInTheDesktopStands()
{
    QFETCH(QByteArray, entry);
    const QString path = VAutoRun::location(QCoreApplication::applicationName());
    QFile::remove(path);
    const QString store = storePath("desktop-choice.ini");
    QFile::remove(store);
    QVERIFY(TestConfig(store).isAutoRun()); // the first start writes it
    QVERIFY(readFile(path).contains("Icon=talvikcapture"));
    QFile::remove(path);
    if (!entry.isEmpty())
        writeFile(path, entry);
    // Later starts read it and leave it as it is, or absent.
    QVERIFY(!TestConfig(store).isAutoRun());
    QVERIFY(!TestConfig(store).isAutoRun());
    QCOMPARE(readFile(path), entry);
}

TALVIK_TEST_MAIN(tst_VConfig)
#include "tst_VConfig.moc"
