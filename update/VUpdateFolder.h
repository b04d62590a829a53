// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// The private folder a download goes into: "TalvikUpdate-" and six random characters in the
// temporary directory, which only its user can enter. While an updater uses it, a lock file
// in it says so by the updater's process id and a lock the system lets go of when the process
// ends, however it ends. A folder with a lock nobody holds was left by an updater that crashed
// or was killed; the next start removes it.
class VUpdateFolder
{
public:
    static constexpr const char* kLockName = "TalvikUpdate.lock";

    // Makes the folder and takes its lock; path() is empty when either fails.
    VUpdateFolder();
    // Removes the folder with the files in it, unless it is kept.
    ~VUpdateFolder();
    VUpdateFolder(const VUpdateFolder&) = delete;
    VUpdateFolder& operator=(const VUpdateFolder&) = delete;

    QString path() const { return m_path; }

    // For an installer started from the folder, which needs its file after the updater has
    // gone: the folder stays, and its lock is given up at once, since a folder without a lock
    // file is never removed by removeStale(). Set before the start, cleared if it failed.
    void setKept(bool bKept);

    // Removes the folders in tempPath that earlier updaters of this user left behind: each
    // must have the name pattern, be a real folder only its owner (this user) can enter, and
    // hold a lock file whose lock is free. Only files directly in it go, never a folder
    // inside or what a link points to. Returns how many folders went.
    static int removeStale(const QString& tempPath);

private:
    // Removes the files in folder, then the lock and the folder itself.
    static bool remove(const QString& folder, std::unique_ptr<QLockFile> pLock);

    QString m_path;
    std::unique_ptr<QLockFile> m_pLock;
    bool m_bKept = false;
};
