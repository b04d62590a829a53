// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VUpdaterLauncher.h"

#include "foundation/VConfig.h"
#include "VCaptureInfo.h"
#include "VLogCapture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

bool hasUpdater()
{
    return TALVIK_HAS_UPDATER;
}

QString updaterProgram()
{
    const QDir folder(QCoreApplication::applicationDirPath());
    const QString name = QStringLiteral("TalvikUpdate" TALVIK_EXECUTABLE_SUFFIX);
    if (QFileInfo::exists(folder.filePath(name)))
        return QDir::toNativeSeparators(folder.filePath(name));
    return QDir::toNativeSeparators(
        QDir::cleanPath(folder.filePath(QStringLiteral(TALVIK_HELPER_DIR "/") + name)));
}

QStringList updaterArguments()
{
    return {VCaptureInfo::applicationName(), VCaptureInfo::displayName(),
            VCaptureInfo::updateDescriptionUrl(), VCaptureInfo::version()};
}

void startUpdater()
{
    const VConfig* pConfig = VConfig::_instance();
    if (!hasUpdater() || !pConfig || !pConfig->isAutoUpdate())
        return;
    const bool bStarted = QProcess::startDetached(updaterProgram(), updaterArguments());
    qCInfo(lcCapture, "Start: the updater %s %s", qUtf8Printable(updaterProgram()),
           bStarted ? "started" : "could not be started");
}
