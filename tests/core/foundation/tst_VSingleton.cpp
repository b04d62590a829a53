// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "foundation/VSingleton.h"

#include <QProcess>

#include <cstdio>

// Each singleton reports its destruction on standard output, which the test reads from a child
// process: teardown happens at process exit, after any test could look.
template <char Name>
class Recorder : public VSingleton<Recorder<Name>>
{
public:
    ~Recorder() override { std::printf("~%c\n", Name); }

private:
    friend class VSingleton<Recorder<Name>>;
    Recorder() { std::printf("+%c\n", Name); }
};

class tst_VSingleton : public QObject
{
    Q_OBJECT

private slots:
    void teardownIsNewestFirst_data();
    void teardownIsNewestFirst();
    void instanceIsCreatedOnce();
};

void tst_VSingleton::teardownIsNewestFirst_data()
{
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("expected");
    QTest::newRow("A then B") << "AB"
                              << "+A +B ~B ~A";
    QTest::newRow("B then A") << "BA"
                              << "+B +A ~A ~B";
    QTest::newRow("three, repeated asks") << "ABACB"
                                          << "+A +B +C ~C ~B ~A";
    QTest::newRow("none asked, none made") << ""
                                           << "";
}

void tst_VSingleton::teardownIsNewestFirst()
{
    QFETCH(QString, order);
    QFETCH(QString, expected);
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), order});
    QVERIFY(child.waitForFinished(10000));
    QCOMPARE(child.exitCode(), 0);
    const QString output = QString::fromLatin1(child.readAllStandardOutput()).simplified();
    QCOMPARE(output, expected);
}

void tst_VSingleton::instanceIsCreatedOnce()
{
    Recorder<'X'>* first = Recorder<'X'>::instance();
    QVERIFY(first);
    QCOMPARE(Recorder<'X'>::instance(), first);
}

static int runChild(const char* order)
{
    for (const char* c = order; *c; ++c) {
        switch (*c) {
        case 'A':
            Recorder<'A'>::instance();
            break;
        case 'B':
            Recorder<'B'>::instance();
            break;
        case 'C':
            Recorder<'C'>::instance();
            break;
        }
    }
    std::fflush(stdout);
    return 0;
}

int main(int argc, char* argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argv[2]);
    TalvikTest::privateHome();
    QApplication app(argc, argv);
    tst_VSingleton tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_VSingleton.moc"
