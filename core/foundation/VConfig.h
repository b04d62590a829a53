// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QColor>
#include <QString>
#include <QVariant>

#include <memory>

class QSettings;

// The settings object shared by the core library. A derived class supplies the store (format,
// scope and names); every accessor reads or writes the store at once and nothing is cached.
//
// Values of the wrong type read as their defaults without touching the file, so a hand-edited
// store can never corrupt the session that reads it.
class TALVIKCORE_EXPORT VConfig
{
public:
    // The settings object constructed last; null before any.
    static VConfig* _instance();

    // What the border accessors give for a missing or broken value; also what items use when
    // no settings object exists.
    static QColor defaultBorderLineColor();
    static unsigned int defaultBorderLineWidth();

    QColor borderLineColor() const;
    void setBorderLineColor(const QColor& color);

    unsigned int borderLineWidth() const;
    void setBorderLineWidth(unsigned int width);

    bool hasSystemTray() const;
    void setSystemTray(bool on);

    bool isShowTrayInstantMenu() const;
    void setShowTrayInstantMenu(bool on);

    bool isAutoUpdate() const;
    void setAutoUpdate(bool on);

    // Reading also brings the operating system's log-on entry in line with the value.
    bool isAutoRun() const;
    void setAutoRun(bool on);

    bool isShowBalloon(const QString& id) const;
    void setShowBalloon(const QString& id, bool on);

    VConfig(const VConfig&) = delete;
    VConfig& operator=(const VConfig&) = delete;

protected:
    explicit VConfig(std::unique_ptr<QSettings> store);
    virtual ~VConfig();

    QSettings& settings() const { return *m_pSettings; }

    QVariant readValue(const QString& key) const;
    void writeValue(const QString& key, const QVariant& value);

    // Typed reads: a missing key or a value that does not convert gives the default.
    bool readBool(const QString& key, bool defaultValue) const;
    int readInt(const QString& key, int defaultValue) const;
    unsigned int readUInt(const QString& key, unsigned int defaultValue) const;
    QString readString(const QString& key, const QString& defaultValue) const;

private:
    std::unique_ptr<QSettings> m_pSettings;
    static VConfig* m_pConfigInstance;
};
