// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/VConfig.h"
#include "foundation/VHotkey.h"
#include "foundation/VSingleton.h"

#include <QString>

// The capture application's settings: the core library's keys and its own in one INI store
// (user scope, "Morvane", "TalvikCapture").
class VConfigCapture : public VConfig, public VSingleton<VConfigCapture>
{
public:
    static QString hotkeyKeyName(int mode);
    static VHotkey defaultHotkey(int mode);

    int regionType() const;
    void setRegionType(int type);

    bool isIncludeCursor() const;
    void setIncludeCursor(bool on);

    // Milliseconds; a value outside 0 to kMaxScrollingInterval is brought inside, both when it
    // is written and when a settings file holds it.
    static constexpr int kMaxScrollingInterval = 5000;
    int scrollingInterval() const;
    void setScrollingInterval(int milliseconds);

    bool isShowTellFriend() const;
    void setShowTellFriend(bool on);

    int nameMethod() const;
    void setNameMethod(int method);

    int targetFormat() const;
    void setTargetFormat(int format);

    unsigned int jpgQuality() const;
    void setJpgQuality(unsigned int quality);

    QString lastFilePath() const;
    void setLastFilePath(const QString& path);

    // Reading creates the default folder when it is missing, whether or not it is used. A
    // relative folder is taken from the home folder.
    QString automaticSaveFolder() const;
    void setAutomaticSaveFolder(const QString& folder);
    static QString defaultAutomaticSaveFolder();
    // Why folder cannot be the automatic save folder, or empty when it can.
    static QString folderProblem(const QString& folder);

    bool isCreateSubfolders() const;
    void setCreateSubfolders(bool on);

    QString fileNameFormat() const;
    static QString defaultFileNameFormat();
    void setFileNameFormat(const QString& format);

    QString subFolderFormat() const;
    static QString defaultSubFolderFormat();
    void setSubFolderFormat(const QString& format);

    VHotkey hotkey(int mode) const;
    void setHotkey(int mode, const VHotkey& hotkey);

    bool isUseHotkey(int mode) const;
    void setUseHotkey(int mode, bool on);

protected:
    VConfigCapture();
    ~VConfigCapture() override;

private:
    friend class VSingleton<VConfigCapture>;
};
