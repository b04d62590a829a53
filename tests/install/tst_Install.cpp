// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include <QImage>
#include <QProcess>

// cmake --install into a fresh prefix must give a desktop everything it needs, and the installed
// program must start from there without the build tree.
class tst_Install : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void files_data();
    void files();
    void desktopEntry();
    void installedProgramRuns();

private:
    QString installed(const QString& relative) const { return m_prefix.filePath(relative); }
    QString bin(const QString& name) const;

    QTemporaryDir m_prefix;
};

QString tst_Install::bin(const QString& name) const
{
    return installed(QStringLiteral(TALVIK_INSTALL_BINDIR "/") + name);
}

void tst_Install::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(TALVIK_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(TALVIK_BUILD_DIR),
                   QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY(install.waitForFinished(240000));
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
             install.readAll().constData());
}

void tst_Install::files_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("iconSize"); // 0: not a picture

    const QString bindir = QStringLiteral(TALVIK_INSTALL_BINDIR "/");
    const QString datadir = QStringLiteral(TALVIK_INSTALL_DATADIR "/");
    QStringList files = {
        bindir + QStringLiteral("TalvikCapture"),
        QStringLiteral(TALVIK_INSTALL_LIBDIR "/talvikcapture/libTalvikCore.so.2"),
        datadir + QStringLiteral("applications/example.morvane.TalvikCapture.desktop"),
        datadir + QStringLiteral("metainfo/example.morvane.TalvikCapture.metainfo.xml"),
        datadir + QStringLiteral("icons/hicolor/scalable/apps/talvikcapture.svg"),
        datadir + QStringLiteral("bash-completion/completions/TalvikCapture"),
        datadir + QStringLiteral("talvikcapture/translations/talvikcapture_zh_CN.qm"),
    };
    if (TALVIK_HAS_UPDATE)
        files << QStringLiteral(TALVIK_INSTALL_LIBEXECDIR "/talvikcapture/TalvikUpdate")
              << datadir + QStringLiteral("talvikcapture/translations/talvikupdate_fr.qm");
    if (TALVIK_HAS_MAN)
        files << QStringLiteral(TALVIK_INSTALL_MANDIR "/man1/TalvikCapture.1.gz");
    for (const QString& file : files)
        QTest::newRow(qPrintable(file)) << file << 0;
    for (const int size : {16, 32, 48, 256}) {
        const QString icon =
            datadir + QStringLiteral("icons/hicolor/%1x%1/apps/talvikcapture.png").arg(size);
        QTest::newRow(qPrintable(icon)) << icon << size;
    }
}

void tst_Install::files()
{
    QFETCH(QString, path);
    QFETCH(int, iconSize);

    QVERIFY2(QFileInfo::exists(installed(path)), qPrintable(path));
    if (iconSize > 0) {
        // The theme trusts the folder name; a wrong size looks blurred or cut in the launcher.
        const QImage icon(installed(path));
        QCOMPARE(icon.size(), QSize(iconSize, iconSize));
    }
}

void tst_Install::desktopEntry()
{
    QFile file(installed(QStringLiteral(TALVIK_INSTALL_DATADIR
                                        "/applications/example.morvane.TalvikCapture.desktop")));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("[Desktop Entry]"));
    QHash<QString, QString> entry;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('[')) && line != lines.value(0))
            break; // the actions' groups follow
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && !line.startsWith(QLatin1Char('#')))
            entry.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }

    QCOMPARE(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
    QCOMPARE(entry.value(QStringLiteral("Name")), QStringLiteral("Talvik Capture"));
    // Found through PATH and the icon theme, so the entry works under any prefix.
    const QString program = entry.value(QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0);
    QVERIFY2(!program.contains(QLatin1Char('/')), qPrintable(program));
    QVERIFY2(QFileInfo(bin(program)).isExecutable(), qPrintable(program));
    const QString icon = entry.value(QStringLiteral("Icon"));
    QVERIFY2(!icon.contains(QLatin1Char('/')), qPrintable(icon));
    QVERIFY(QFileInfo::exists(installed(
        QStringLiteral(TALVIK_INSTALL_DATADIR "/icons/hicolor/48x48/apps/%1.png").arg(icon))));
    const QStringList categories =
        entry.value(QStringLiteral("Categories")).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    QVERIFY(categories.contains(QStringLiteral("Graphics")));
    QVERIFY(categories.contains(QStringLiteral("Utility")));
}

void tst_Install::installedProgramRuns()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LD_LIBRARY_PATH"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The loader names every library it starts, so the test sees which copy was used.
    environment.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("libs"));

    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(bin(QStringLiteral("TalvikCapture")), {QStringLiteral("--version")});
    QVERIFY(program.waitForFinished(30000));
    const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString loader = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(program.exitCode(), 0);
    QVERIFY2(out.contains(QStringLiteral(TALVIK_VERSION)), qPrintable(out));

    const QString marker = QStringLiteral("calling init: ");
    QString loaded;
    for (const QString& line : loader.split(QLatin1Char('\n'))) {
        if (line.contains(marker) && line.endsWith(QStringLiteral("/libTalvikCore.so.2")))
            loaded = line.mid(line.indexOf(marker) + marker.size());
    }
    const QString library =
        installed(QStringLiteral(TALVIK_INSTALL_LIBDIR "/talvikcapture/libTalvikCore.so.2"));
    QVERIFY2(!loaded.isEmpty(), "the loader reported no core library");
    QCOMPARE(QFileInfo(loaded).canonicalFilePath(), QFileInfo(library).canonicalFilePath());

    // It speaks the user's language from where it is installed.
    environment.remove(QStringLiteral("LD_DEBUG"));
    environment.remove(QStringLiteral("LC_ALL"));
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    program.setProcessEnvironment(environment);
    program.start(bin(QStringLiteral("TalvikCapture")),
                  {QStringLiteral("--capture"), QStringLiteral("nonsense")});
    QVERIFY(program.waitForFinished(30000));
    const QString errors = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(errors.contains(QStringLiteral("Siehe --help.")), qPrintable(errors));
}

QTEST_GUILESS_MAIN(tst_Install)
#include "tst_Install.moc"
