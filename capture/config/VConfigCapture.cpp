// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VConfigCapture.h"

#include "VCaptureInfo.h"
#include "VCaptureModes.h"
#include "VVCapture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <optional>

namespace {
const QString kRegionType = QStringLiteral("RegionType");
const QString kIncludeCursor = QStringLiteral("IncludeCursor");
const QString kScrollingInterval = QStringLiteral("ScrollingInterval");
const QString kShowTellFriend = QStringLiteral("ShowTellFriend");
const QString kNameMethod = QStringLiteral("NameMethod");
const QString kTargetFormat = QStringLiteral("TargetFormat");
const QString kJpgQuality = QStringLiteral("JpgQuality");
const QString kLastFilePath = QStringLiteral("LastFilePath");
const QString kAutomaticSaveFolder = QStringLiteral("AutomaticSaveFolder");
const QString kCreateSubfolders = QStringLiteral("CreateSubfolders");
const QString kFileNameFormat = QStringLiteral("FileNameFormat");
const QString kSubFolderFormat = QStringLiteral("SubFolderFormat");

std::unique_ptr<QSettings> createStore()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       VCaptureInfo::organizationName(),
                                       VCaptureInfo::applicationName());
}
} // namespace

VConfigCapture::VConfigCapture() : VConfig(createStore()) {}

VConfigCapture::~VConfigCapture() = default;

QString VConfigCapture::hotkeyKeyName(int mode)
{
    const VCaptureModes::Row* pRow = VCaptureModes::find(mode);
    return pRow ? QString::fromLatin1(pRow->settingsKey) : QStringLiteral("UnsupportedCaptuerMode");
}

VHotkey VConfigCapture::defaultHotkey(int mode)
{
    switch (mode) {
    case VV::CaptureRegion:
        return VHotkey(Qt::Key_Print);
    case VV::CaptureWindow:
        return VHotkey(QKeyCombination(Qt::ALT, Qt::Key_Print).toCombined());
    case VV::CaptureScrolling:
        return VHotkey(QKeyCombination(Qt::META, Qt::Key_Print).toCombined());
    case VV::CaptureFullScreen:
        return VHotkey(QKeyCombination(Qt::CTRL, Qt::Key_Print).toCombined());
    default:
        return VHotkey();
    }
}

int VConfigCapture::regionType() const
{
    return readInt(kRegionType, VV::RegionRectangle);
}

void VConfigCapture::setRegionType(int type)
{
    writeValue(kRegionType, type);
}

bool VConfigCapture::isIncludeCursor() const
{
    return readBool(kIncludeCursor, false);
}

void VConfigCapture::setIncludeCursor(bool on)
{
    writeValue(kIncludeCursor, on);
}

int VConfigCapture::scrollingInterval() const
{
    return qBound(0, readInt(kScrollingInterval, 500), kMaxScrollingInterval);
}

void VConfigCapture::setScrollingInterval(int milliseconds)
{
    writeValue(kScrollingInterval, qBound(0, milliseconds, kMaxScrollingInterval));
}

bool VConfigCapture::isShowTellFriend() const
{
    return readBool(kShowTellFriend, true);
}

void VConfigCapture::setShowTellFriend(bool on)
{
    writeValue(kShowTellFriend, on);
}

int VConfigCapture::nameMethod() const
{
    return readInt(kNameMethod, VV::NameAsk);
}

void VConfigCapture::setNameMethod(int method)
{
    writeValue(kNameMethod, method);
}

int VConfigCapture::targetFormat() const
{
    return readInt(kTargetFormat, 0);
}

void VConfigCapture::setTargetFormat(int format)
{
    writeValue(kTargetFormat, format);
}

unsigned int VConfigCapture::jpgQuality() const
{
    return qBound(1u, readUInt(kJpgQuality, 75), 100u);
}

void VConfigCapture::setJpgQuality(unsigned int quality)
{
    writeValue(kJpgQuality, quality);
}

QString VConfigCapture::lastFilePath() const
{
    return readString(kLastFilePath, QString());
}

void VConfigCapture::setLastFilePath(const QString& path)
{
    writeValue(kLastFilePath, path);
}

QString VConfigCapture::defaultAutomaticSaveFolder()
{
    const QString folder = QDir::toNativeSeparators(QStandardPaths::writableLocation(
                               QStandardPaths::DocumentsLocation)) +
                           QDir::separator() + VCaptureInfo::productTitle();
    if (!QFileInfo::exists(folder))
        QDir().mkpath(folder);
    return folder;
}

namespace {

// What a folder setting names below the home folder, or nothing when it is absolute. A
// relative folder would otherwise follow wherever the program happened to be started.
std::optional<QString> belowHome(const QString& folder)
{
    if (folder == QLatin1String("~") || folder.startsWith(QLatin1String("~/")))
        return folder.mid(1);
    if (QDir::isRelativePath(folder))
        return folder;
    return std::nullopt;
}

// The folder, joined to the home folder as the shell joins "~//x" (so a part that reads as
// absolute stays below home too); empty when it climbs out.
QString joinedToHome(const QString& relative)
{
    const QString home = QDir::homePath();
    const QString path = QDir::cleanPath(home + QLatin1Char('/') + relative);
    const QString inHome = QDir(home).relativeFilePath(path);
    if (inHome == QLatin1String("..") || inHome.startsWith(QLatin1String("../")) ||
        QDir::isAbsolutePath(inHome))
        return QString();
    return path;
}

} // namespace

QString VConfigCapture::folderProblem(const QString& folder)
{
    const auto relative = belowHome(folder);
    if (!relative || !joinedToHome(*relative).isEmpty())
        return QString();
    return QCoreApplication::translate("VConfigCapture",
                                       "A relative folder may not leave the home folder.");
}

QString VConfigCapture::automaticSaveFolder() const
{
    const QString fallback = defaultAutomaticSaveFolder();
    const QString folder = readString(kAutomaticSaveFolder, fallback);
    // An emptied setting would otherwise put captures at the root of the file system.
    if (folder.isEmpty())
        return fallback;
    const auto relative = belowHome(folder);
    if (!relative)
        return folder;
    const QString path = joinedToHome(*relative);
    if (path.isEmpty()) {
        qWarning("AutomaticSaveFolder \"%s\" leaves the home folder; ignored",
                 qUtf8Printable(folder));
        return fallback;
    }
    return QDir::toNativeSeparators(path);
}

void VConfigCapture::setAutomaticSaveFolder(const QString& folder)
{
    writeValue(kAutomaticSaveFolder, folder);
}

bool VConfigCapture::isCreateSubfolders() const
{
    return readBool(kCreateSubfolders, false);
}

void VConfigCapture::setCreateSubfolders(bool on)
{
    writeValue(kCreateSubfolders, on);
}

QString VConfigCapture::defaultFileNameFormat()
{
    return QStringLiteral("Snap-Y-M-D-h-m-s");
}

QString VConfigCapture::fileNameFormat() const
{
    return readString(kFileNameFormat, defaultFileNameFormat());
}

void VConfigCapture::setFileNameFormat(const QString& format)
{
    writeValue(kFileNameFormat, format);
}

QString VConfigCapture::defaultSubFolderFormat()
{
    return QStringLiteral("YM");
}

QString VConfigCapture::subFolderFormat() const
{
    return readString(kSubFolderFormat, defaultSubFolderFormat());
}

void VConfigCapture::setSubFolderFormat(const QString& format)
{
    writeValue(kSubFolderFormat, format);
}

VHotkey VConfigCapture::hotkey(int mode) const
{
    const QVariant value = readValue(hotkeyKeyName(mode));
    if (!value.isValid())
        return defaultHotkey(mode);
    if (value.metaType() == QMetaType::fromType<QKeySequence>())
        return VHotkey(value.value<QKeySequence>());
    if (value.typeId() == QMetaType::QString) {
        // Text that names no key reads as no hotkey, not as a half-parsed one.
        const QKeySequence sequence =
            QKeySequence::fromString(value.toString(), QKeySequence::PortableText);
        for (int i = 0; i < sequence.count(); ++i) {
            if (sequence[i].key() == Qt::Key_unknown)
                return VHotkey();
        }
        return VHotkey(sequence);
    }
    if (value.canConvert<QKeySequence>())
        return VHotkey(value.value<QKeySequence>());
    return VHotkey();
}

void VConfigCapture::setHotkey(int mode, const VHotkey& hotkey)
{
    writeValue(hotkeyKeyName(mode), hotkey.sequence());
}

bool VConfigCapture::isUseHotkey(int mode) const
{
    return readBool(QStringLiteral("Use") + hotkeyKeyName(mode), false);
}

void VConfigCapture::setUseHotkey(int mode, bool on)
{
    writeValue(QStringLiteral("Use") + hotkeyKeyName(mode), on);
}
