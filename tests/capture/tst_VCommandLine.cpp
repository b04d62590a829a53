// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "app/VCommandLine.h"

using Action = VCommandLine::Action;
Q_DECLARE_METATYPE(VCommandLine::Action)

class tst_VCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void textOnlyRequests_data();
    void textOnlyRequests();
};

void tst_VCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("delay");
    QTest::addColumn<bool>("oneShot");
    QTest::addColumn<bool>("autorun");
    const QStringList fullscreen{"--capture", "fullscreen"};
    QTest::newRow("nothing") << QStringList{} << Action::Start << ""
                             << "" << 0 << false << false;
    QTest::newRow("autorun") << QStringList{"/autorun"} << Action::Start << ""
                             << "" << 0 << false << true;
    QTest::newRow("autorun in capitals shows the dialog")
        << QStringList{"/AUTORUN"} << Action::Start << ""
        << "" << 0 << false << false;
    QTest::newRow("other words are ignored")
        << QStringList{"hello", "/autorun"} << Action::Start << ""
        << "" << 0 << false << true;
    QTest::newRow("capture in the instance") << fullscreen << Action::Capture << "fullscreen"
                                             << "" << 0 << false << false;
    QTest::newRow("region in the instance")
        << QStringList{"--capture", "region"} << Action::Capture << "region"
        << "" << 0 << false << false;
    QTest::newRow("one-shot into a file, = form")
        << QStringList{"--capture=fullscreen", "--output=/tmp/a.png", "--delay=250"}
        << Action::Capture << "fullscreen"
        << "/tmp/a.png" << 250 << true << false;
    QTest::newRow("one-shot automatic name")
        << (fullscreen + QStringList{"--auto-name"}) << Action::Capture << "fullscreen"
        << "" << 0 << true << false;
    QTest::newRow("help") << QStringList{"--help"} << Action::Help << ""
                          << "" << 0 << false << false;
    QTest::newRow("version") << QStringList{"--version"} << Action::Version << ""
                             << "" << 0 << false << false;
    QTest::newRow("unknown options are reported, not obeyed")
        << QStringList{"--autorun", "-x", "--frobnicate=1", "/autorun"} << Action::Start << ""
        << "" << 0 << false << true;
    QTest::newRow("a value that looks like an option")
        << (fullscreen + QStringList{"--output", "--x.png"}) << Action::Capture << "fullscreen"
        << "--x.png" << 0 << true << false;
    const auto invalid = [](const char* name, const QStringList& arguments) {
        QTest::newRow(name) << arguments << Action::Invalid << ""
                            << "" << 0 << false << false;
    };
    invalid("unknown mode", {"--capture", "everything"});
    invalid("missing mode", {"--capture"});
    invalid("negative delay", fullscreen + QStringList{"--auto-name", "--delay", "-5"});
    invalid("delay as text", fullscreen + QStringList{"--auto-name", "--delay", "soon"});
    invalid("delay without one-shot", fullscreen + QStringList{"--delay", "5"});
    invalid("empty output", fullscreen + QStringList{"--output", ""});
    invalid("output and automatic name",
            fullscreen + QStringList{"--output", "a.png", "--auto-name"});
    invalid("page to scroll without its point", {"--capture", "scrolling", "--auto-name"});
    invalid("output without capture", {"--output", "/tmp/a.png"});
}

void tst_VCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, mode);
    QFETCH(QString, output);
    QFETCH(int, delay);
    QFETCH(bool, oneShot);
    QFETCH(bool, autorun);
    arguments.prepend(QStringLiteral("TalvikCapture"));
    const VCommandLine line = VCommandLine::parse(arguments);
    QCOMPARE(line.action, action);
    if (action == Action::Invalid) {
        QVERIFY(!line.error.isEmpty());
        return;
    }
    QCOMPARE(line.captureMode, mode);
    QCOMPARE(line.outputFile, output);
    QCOMPARE(line.delayMs, delay);
    QCOMPARE(line.isOneShot(), oneShot);
    QCOMPARE(line.autorun, autorun);
}

void tst_VCommandLine::textOnlyRequests_data()
{
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<bool>("textOnly");
    QTest::newRow("help") << QByteArrayList{"--help"} << true;
    QTest::newRow("short version") << QByteArrayList{"--capture", "fullscreen", "-v"} << true;
    QTest::newRow("capture") << QByteArrayList{"--capture", "fullscreen"} << false;
    QTest::newRow("output named --help.png") << QByteArrayList{"--output", "--help.png"} << false;
}

void tst_VCommandLine::textOnlyRequests()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(bool, textOnly);
    arguments.prepend("TalvikCapture");
    std::vector<char*> argv;
    for (QByteArray& argument : arguments)
        argv.push_back(argument.data());
    QCOMPARE(VCommandLine::asksForTextOnly(int(argv.size()), argv.data()), textOnly);
}

TALVIK_TEST_MAIN(tst_VCommandLine)
#include "tst_VCommandLine.moc"
