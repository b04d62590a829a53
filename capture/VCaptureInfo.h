// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The fixed identity of the capture application.
namespace VCaptureInfo {

inline QString applicationName()
{
    return QStringLiteral("TalvikCapture");
}
inline QString organizationName()
{
    return QStringLiteral("Morvane");
}
inline QString productTitle()
{
    return QStringLiteral("Screen Capture");
}
// "Morvane Screen Capture", the updater's second argument.
inline QString displayName()
{
    return organizationName() + QLatin1Char(' ') + productTitle();
}
inline QString version()
{
    return QStringLiteral("2.5");
}
inline QString makerSiteUrl()
{
    return QStringLiteral("https://www.morvane.example/");
}
inline QString updateDescriptionUrl()
{
    return QStringLiteral("https://www.morvane.example/d/talvikcapture.xml");
}
inline QString productPageUrl()
{
    return QStringLiteral("https://www.morvane.example/screen-capture-tool");
}
inline QString issueFormUrl()
{
    return QStringLiteral("https://support.morvane.example/default.asp?pg=pgPublicEdit");
}
inline QString sharePageUrl()
{
    return QStringLiteral("https://www.morvane.example/share.php?prod=TalvikCapture");
}
inline QString supportMailUrl()
{
    return QStringLiteral("mailto:support@morvane.example");
}

} // namespace VCaptureInfo
