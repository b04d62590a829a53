// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VLogUpdate.h"
#include "VTranslationLoader.h"
#include "VUpdateDialog.h"
#include "VUpdateFolder.h"
#include "VUpdateSettings.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(update);
    VTranslationLoader::install(QStringLiteral("talvikupdate"));
    // What an updater that crashed or was killed left in the temporary directory.
    VUpdateFolder::removeStale(QDir::tempPath());

    // Product key, display name, description address, running version.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 5)
        return 1;

    // In milliseconds: whole seconds would let "61 s ahead", read a moment later, pass as 60.
    if (QDateTime::currentDateTime().msecsTo(VUpdateSettings::remindUntil()) > 60000) {
        qCInfo(lcUpdate, "Update: not asked before %s, as the user wished",
               qUtf8Printable(VUpdateSettings::remindUntil().toString(Qt::ISODate)));
        return 0;
    }

    // Lets a test stand in a quick time-out for the long one a real network needs.
    bool bOk = false;
    const int timeoutMs = qEnvironmentVariableIntValue("TALVIK_UPDATE_TIMEOUT_MS", &bOk);

    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/images/48.png")));
    VUpdateDialog dialog(arguments.at(1), arguments.at(2), arguments.at(3), arguments.at(4),
                         bOk && timeoutMs > 0 ? timeoutMs
                                              : VUpdateDialog::kDefaultNetworkTimeoutMs);
    QObject::connect(&dialog, &VUpdateDialog::quitRequested, &app, &QCoreApplication::exit);
    QApplication::setQuitOnLastWindowClosed(false);
    return QApplication::exec();
}
