// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "app/VSingleInstance.h"

#include <QDirIterator>
#include <QStandardPaths>

class tst_VSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    // A crashed instance's lock that names the process number the system has since given to a
    // new start (Windows and Wine reuse them soon) must not keep that start out for good.
    void lockOfADeadInstanceWithOurNumberIsTakenOver()
    {
        const QString id = QStringLiteral("tst_VSingleInstance");
        QByteArray left;
        QString path;
        {
            VSingleInstance dead(id);
            QVERIFY(dead.claim());
            QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
            QDirIterator locks(folder.isEmpty() ? QDir::tempPath() : folder, {id + "-*.lock"});
            QVERIFY(locks.hasNext());
            path = locks.next();
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            left = file.readAll();
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(left) == left.size());
        file.close();
        VSingleInstance next(id);
        QVERIFY(next.claim());
    }
};

TALVIK_TEST_MAIN(tst_VSingleInstance)
#include "tst_VSingleInstance.moc"
