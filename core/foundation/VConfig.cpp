// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VConfig.h"

#include "VUtility.h"

#include <QSettings>

namespace {
const QString kBorderLineColor = QStringLiteral("BorderLineColor");
const QString kBorderLineWidth = QStringLiteral("BorderLineWidth");
const QString kSystemTray = QStringLiteral("SystemTray");
const QString kShowTrayInstantMenu = QStringLiteral("ShowTrayInstantMenu");
const QString kAutoUpdate = QStringLiteral("AutoUpdate");
const QString kAutoRun = QStringLiteral("AutoRun");
// Set once the log-on entry was written: an entry gone after that was deleted by the user.
const QString kAutoRunWritten = QStringLiteral("AutoRunWritten");
const QString kShowBalloonGroup = QStringLiteral("ShowBalloon/");

const QColor kDefaultBorderLineColor(64, 64, 64, 255);
constexpr unsigned int kDefaultBorderLineWidth = 1;
} // namespace

VConfig* VConfig::m_pConfigInstance = nullptr;

VConfig::VConfig(std::unique_ptr<QSettings> store) : m_pSettings(std::move(store))
{
    m_pConfigInstance = this;
}

VConfig::~VConfig()
{
    if (m_pConfigInstance == this)
        m_pConfigInstance = nullptr;
    // Deleting the store flushes it.
}

VConfig* VConfig::_instance()
{
    return m_pConfigInstance;
}

QVariant VConfig::readValue(const QString& key) const
{
    return m_pSettings->value(key);
}

void VConfig::writeValue(const QString& key, const QVariant& value)
{
    m_pSettings->setValue(key, value);
}

bool VConfig::readBool(const QString& key, bool defaultValue) const
{
    const QVariant value = readValue(key);
    if (!value.isValid())
        return defaultValue;
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    // INI files hold text; anything but a recognisable flag is treated as absent.
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return defaultValue;
}

int VConfig::readInt(const QString& key, int defaultValue) const
{
    const QVariant value = readValue(key);
    if (!value.isValid())
        return defaultValue;
    bool ok = false;
    const int result = value.toInt(&ok);
    return ok ? result : defaultValue;
}

unsigned int VConfig::readUInt(const QString& key, unsigned int defaultValue) const
{
    const QVariant value = readValue(key);
    if (!value.isValid())
        return defaultValue;
    bool ok = false;
    const qlonglong result = value.toLongLong(&ok);
    if (!ok)
        return defaultValue;
    // A negative count is nearest to zero.
    return result < 0 ? 0u : static_cast<unsigned int>(qMin<qlonglong>(result, UINT_MAX));
}

QString VConfig::readString(const QString& key, const QString& defaultValue) const
{
    const QVariant value = readValue(key);
    if (!value.isValid() || !value.canConvert<QString>())
        return defaultValue;
    return value.toString();
}

QColor VConfig::defaultBorderLineColor()
{
    return kDefaultBorderLineColor;
}

unsigned int VConfig::defaultBorderLineWidth()
{
    return kDefaultBorderLineWidth;
}

QColor VConfig::borderLineColor() const
{
    const QVariant value = readValue(kBorderLineColor);
    if (!value.isValid())
        return kDefaultBorderLineColor;
    const QColor color = value.value<QColor>();
    return color.isValid() ? color : kDefaultBorderLineColor;
}

void VConfig::setBorderLineColor(const QColor& color)
{
    writeValue(kBorderLineColor, color);
}

unsigned int VConfig::borderLineWidth() const
{
    return readUInt(kBorderLineWidth, kDefaultBorderLineWidth);
}

void VConfig::setBorderLineWidth(unsigned int width)
{
    writeValue(kBorderLineWidth, width);
}

bool VConfig::hasSystemTray() const
{
    return readBool(kSystemTray, true);
}

void VConfig::setSystemTray(bool on)
{
    writeValue(kSystemTray, on);
}

bool VConfig::isShowTrayInstantMenu() const
{
    return readBool(kShowTrayInstantMenu, true);
}

void VConfig::setShowTrayInstantMenu(bool on)
{
    writeValue(kShowTrayInstantMenu, on);
}

bool VConfig::isAutoUpdate() const
{
    return readBool(kAutoUpdate, true);
}

void VConfig::setAutoUpdate(bool on)
{
    writeValue(kAutoUpdate, on);
}

bool VConfig::isAutoRun() const
{
    // The entry is written once as the setting says; after that the desktop's own settings
    // may switch it off or delete it, and that choice stands: nothing is written over it.
    switch (VUtility::autoRunState()) {
    case VAutoRun::State::Enabled:
        // Brought up to date where the program moved or an older version wrote it.
        VUtility::setAutoRun(true);
        return true;
    case VAutoRun::State::Disabled:
        return false;
    case VAutoRun::State::Absent:
        break;
    }
    if (readBool(kAutoRunWritten, false))
        return false;
    const bool on = readBool(kAutoRun, true);
    if (on) {
        VUtility::setAutoRun(true);
        settings().setValue(kAutoRunWritten, true);
    }
    return on;
}

void VConfig::setAutoRun(bool on)
{
    writeValue(kAutoRun, on);
    VUtility::setAutoRun(on);
    writeValue(kAutoRunWritten, true);
}

bool VConfig::isShowBalloon(const QString& id) const
{
    return readBool(kShowBalloonGroup + id, true);
}

void VConfig::setShowBalloon(const QString& id, bool on)
{
    writeValue(kShowBalloonGroup + id, on);
}
