// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCryptographicHash>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QNetworkAccessManager>
#include <QSystemTrayIcon>

#include <memory>

class QComboBox;
class QNetworkReply;
class QTimer;
class VUpdateFolder;

namespace Ui {
class VUpdateDialog;
}

// The whole updater: checks the release description, announces a newer version through the
// tray icon, downloads it into a private folder and starts it. The dialog stays hidden until
// there is something to tell. The program's end is requested through quitRequested().
class VUpdateDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kDefaultNetworkTimeoutMs = 20000;
    // Descriptions are a few hundred bytes; anything much larger is not one.
    static constexpr qint64 kMaxDescriptionBytes = 1024 * 1024;
    // A download neither the server nor the description gives a size for stops here: no
    // installer is that large, and a body that never ends must not fill the disk.
    static constexpr qint64 kMaxUnannouncedDownloadBytes = qint64(512) << 20;
    // What the network may hold of the download before it waits for us, and the most written
    // at a time: the event loop is back within milliseconds at any speed.
    static constexpr qint64 kDownloadBufferBytes = 1024 * 1024;
    static constexpr qint64 kDownloadPieceBytes = 64 * 1024;

    // networkTimeoutMs bounds the whole check and any silence during the download.
    VUpdateDialog(const QString& productKey, const QString& displayName, const QString& address,
                  const QString& currentVersion, int networkTimeoutMs = kDefaultNetworkTimeoutMs,
                  QWidget* pParent = nullptr);
    ~VUpdateDialog() override;

    // Remembers to ask again in the given number of minutes and hides until then; a delay of a
    // day or more ends the program instead.
    void remindLater(int minutes);

    // Progress with the time since the last speed read-out given, so it can be fed directly.
    void updateProgress(qint64 received, qint64 total, qint64 elapsedMs);

    // The reminder timer; 0 when none runs.
    int reminderTimerId() const { return m_reminderTimerId; }
    int reminderIntervalMs() const { return m_reminderIntervalMs; }

    QString downloadPath() const { return m_downloadPath; }

signals:
    void quitRequested(int exitCode);
    // Also where no tray can show it, so that the announcement can be followed.
    void trayMessageShown(const QString& title, const QString& message);

public slots:
    void reject() override;

private slots:
    void on_pushButtonInstall_clicked();
    void on_comboBoxCancel_currentIndexChanged(int index);
    void on_pushButtonDownload_clicked();
    void onDownloadProgress(qint64 received, qint64 total);
    void onCheckVersionFinished();
    void onDownloadMetaDataChanged();
    void onDownloadReadyRead();
    void onDownloadFinished();
    void onSystemTrayActivated(QSystemTrayIcon::ActivationReason reason);
    void onSystemTrayMessageClicked();
    void on_comboBoxRemindAfterFailure_currentIndexChanged(int index);
    void on_pushButtonRetry_clicked();
    void onCheckTimedOut();

protected:
    // Whether the desktop shows tray icons; without, the dialog shows what the icon would.
    virtual bool trayAvailable() const;
    bool event(QEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;
    void timerEvent(QTimerEvent* pEvent) override;

private:
    enum class DownloadState
    {
        None,
        Running,
        Failed,
        Done
    };

    void applyTexts();
    void fillRemindItems(QComboBox* pComboBox);
    void remindFromComboBox(QComboBox* pComboBox, int index);
    void showFound();
    void showDownloadFailed(const QString& reason);
    void refreshTrayToolTip();
    QString downloadFailure(const QNetworkReply* pReply) const;
    void refuseDownload(const QString& reason);
    void discardDownload();
    void showDialog();
    void showTrayMessage(const QString& message, QSystemTrayIcon::MessageIcon icon);

    std::unique_ptr<Ui::VUpdateDialog> m_pUi;
    QSystemTrayIcon m_trayIcon;
    QNetworkAccessManager m_network;
    QNetworkReply* m_pCheckReply = nullptr;
    QNetworkReply* m_pDownloadReply = nullptr;
    QString m_displayName;
    QString m_productKey;
    QString m_currentVersion;
    QString m_latestVersion;
    QString m_downloadLink;
    QString m_speedTemplate;
    QElapsedTimer m_speedClock;
    qint64 m_lastReceived = 0;
    qint64 m_lastTotal = 0;
    QString m_downloadPath;
    QFile m_installer;

    QString m_expectedSha256;
    qint64 m_expectedSize = -1; // from the description; -1 when it gives none
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
    std::unique_ptr<VUpdateFolder> m_pFolder;
    qint64 m_received = 0;
    qint64 m_sizeLimit = kMaxUnannouncedDownloadBytes;
    QString m_overLimitReason; // what a body beyond m_sizeLimit is told
    QString m_refusal;
    QString m_writeError;
    QString m_speedText;
    QString m_failureReason;
    DownloadState m_downloadState = DownloadState::None;
    bool m_bInstallerStarted = false;
    QTimer* m_pCheckDeadline = nullptr;
    int m_networkTimeoutMs;
    int m_reminderTimerId = 0;
    int m_reminderIntervalMs = 0;
};
