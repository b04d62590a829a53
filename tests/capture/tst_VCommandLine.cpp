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
    QTest::newRow("nothing") << QStringList{} << Action::Start << ""
                             << "" << 0;
    QTest::newRow("autorun") << QStringList{"/autorun"} << Action::Start << ""
                             << "" << 0;
    QTest::newRow("capture") << QStringList{"--capture", "fullscreen"} << Action::Capture
                             << "fullscreen"
                             << "" << 0;
    QTest::newRow("capture with = form")
        << QStringList{"--capture=fullscreen", "--output=/tmp/a.png", "--delay=250"}
        << Action::Capture << "fullscreen"
        << "/tmp/a.png" << 250;
    QTest::newRow("other mode parses")
        << QStringList{"--capture", "region"} << Action::Capture << "region"
        << "" << 0;
    QTest::newRow("help") << QStringList{"--help"} << Action::Help << ""
                          << "" << 0;
    QTest::newRow("version") << QStringList{"--version"} << Action::Version << ""
                             << "" << 0;
    QTest::newRow("unknown mode") << QStringList{"--capture", "everything"} << Action::Invalid << ""
                                  << "" << 0;
    QTest::newRow("missing mode") << QStringList{"--capture"} << Action::Invalid << ""
                                  << "" << 0;
    QTest::newRow("negative delay")
        << QStringList{"--capture", "fullscreen", "--delay", "-5"} << Action::Invalid << ""
        << "" << 0;
    QTest::newRow("delay as text")
        << QStringList{"--capture", "fullscreen", "--delay", "soon"} << Action::Invalid << ""
        << "" << 0;
    QTest::newRow("empty output") << QStringList{"--capture", "fullscreen", "--output", ""}
                                  << Action::Invalid << ""
                                  << "" << 0;
    QTest::newRow("output without capture")
        << QStringList{"--output", "/tmp/a.png"} << Action::Invalid << ""
        << "" << 0;
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << Action::Invalid << ""
                                    << "" << 0;
    QTest::newRow("stray word") << QStringList{"/AUTORUN"} << Action::Invalid << ""
                                << "" << 0;
}

void tst_VCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, mode);
    QFETCH(QString, output);
    QFETCH(int, delay);
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
