#include "VUpdaterLauncher.h"

#include "foundation/VConfig.h"
#include "VCaptureInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

QString updaterProgram()
{
    return QCoreApplication::applicationDirPath() + QDir::separator() +
           QStringLiteral("TalvikUpdate" TALVIK_EXECUTABLE_SUFFIX);
}

QStringList updaterArguments()
{
    return {VCaptureInfo::applicationName(), VCaptureInfo::displayName(),
            VCaptureInfo::updateDescriptionUrl(), VCaptureInfo::version()};
}

void startUpdater()
{
    const VConfig* pConfig = VConfig::_instance();
    if (!pConfig || !pConfig->isAutoUpdate())
        return;
    QProcess::startDetached(updaterProgram(), updaterArguments());
}
