// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VUpdateDialog.h"
#include "ui_VUpdateDialog.h"

#include "VLogUpdate.h"
#include "VUpdateDescription.h"
#include "VUpdateFolder.h"
#include "VUpdateFormat.h"
#include "VUpdateSettings.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMovie>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QSignalBlocker>
#include <QTimer>
#include <QUrl>

#include <cmath>
#include <limits>

// The resources live in a static library, where nothing would pull them in by itself.
static void initUpdateResources()
{
    Q_INIT_RESOURCE(update);
}

namespace {

// Remind-later delays in minutes, in the order of the combo box items after the heading.
constexpr int kRemindDelays[] = {10, 60, 240};
constexpr int kMinutesPerDay = 1440;

bool isUsableLink(const QString& link)
{
    const QUrl url(link, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || url.path().endsWith(QLatin1Char('/')))
        return false;
    if (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))
        return false;
    return !VUpdateFormat::safeFileName(url.fileName()).isEmpty();
}

// A version that is not a finite decimal number counts as 0.
float toVersion(const QString& text)
{
    const float version = text.toFloat();
    return std::isfinite(version) ? version : 0;
}

} // namespace

VUpdateDialog::VUpdateDialog(const QString& productKey, const QString& displayName,
                             const QString& address, const QString& currentVersion,
                             int networkTimeoutMs, QWidget* pParent)
    : QDialog(pParent)
    , m_pUi(std::make_unique<Ui::VUpdateDialog>())
    , m_trayIcon(this)
    , m_network(this)
    , m_displayName(displayName)
    , m_productKey(productKey)
    , m_currentVersion(currentVersion)
    , m_networkTimeoutMs(networkTimeoutMs)
{
    initUpdateResources();
    m_pUi->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // Its ground and text from the scheme, light or dark, in the colours of an entry field.
    m_pUi->labelFound->setBackgroundRole(QPalette::Base);
    m_pUi->labelFound->setForegroundRole(QPalette::Text);
    // Grows with its font and its texts, never below the size it was drawn at.
    layout()->setSizeConstraint(QLayout::SetMinimumSize);
    m_pUi->labelFound->hide();
    connect(m_pUi->pushButtonMinimizeToTray, &QPushButton::clicked, this, [this] {
        if (trayAvailable())
            hide();
        else
            showMinimized();
    });
    m_pUi->comboBoxRemindAfterFailure->hide();
    m_pUi->pushButtonRetry->hide();

    auto* pMovie = new QMovie(QStringLiteral(":/animation/images/loading.gif"), QByteArray(), this);
    m_pUi->labelAnimation->setMovie(pMovie);
    pMovie->start();

    applyTexts();

    qCInfo(lcUpdate, "Update: asking %s about %s %s", qUtf8Printable(address),
           qUtf8Printable(productKey), qUtf8Printable(currentVersion));
    QNetworkRequest request{QUrl(address)};
    request.setRawHeader("User-Agent", "Morvane-Update 1.0");
    m_pCheckReply = m_network.get(request);
    // Without a bound the network thread would keep buffering a runaway body while the abort
    // below is on its way.
    m_pCheckReply->setReadBufferSize(2 * kMaxDescriptionBytes);
    connect(m_pCheckReply, &QNetworkReply::finished, this, &VUpdateDialog::onCheckVersionFinished);
    // Progress reports come late and throttled; what has arrived and what is announced are
    // known at once.
    const auto capDescription = [this] {
        if (!m_pCheckReply)
            return;
        const QVariant announced = m_pCheckReply->header(QNetworkRequest::ContentLengthHeader);
        if (m_pCheckReply->bytesAvailable() > kMaxDescriptionBytes ||
            (announced.isValid() && announced.toLongLong() > kMaxDescriptionBytes))
            m_pCheckReply->abort();
    };
    connect(m_pCheckReply, &QNetworkReply::metaDataChanged, this, capDescription);
    connect(m_pCheckReply, &QNetworkReply::readyRead, this, capDescription);

    // A server that accepts the connection and then trickles or says nothing must not keep the
    // updater alive, so the whole check has a deadline.
    m_pCheckDeadline = new QTimer(this);
    m_pCheckDeadline->setSingleShot(true);
    connect(m_pCheckDeadline, &QTimer::timeout, this, &VUpdateDialog::onCheckTimedOut);
    m_pCheckDeadline->start(m_networkTimeoutMs);

    m_trayIcon.setIcon(QIcon(QStringLiteral(":/images/images/16.png")));
    connect(&m_trayIcon, &QSystemTrayIcon::activated, this, &VUpdateDialog::onSystemTrayActivated);
    connect(&m_trayIcon, &QSystemTrayIcon::messageClicked, this,
            &VUpdateDialog::onSystemTrayMessageClicked);
}

VUpdateDialog::~VUpdateDialog()
{
    // Replies would report their end to a half-destroyed dialog otherwise.
    for (QNetworkReply* pReply : {m_pCheckReply, m_pDownloadReply}) {
        if (pReply) {
            pReply->disconnect(this);
            pReply->abort();
        }
    }
    // Only a started installer still needs its file; anything else would be left lying around.
    if (!m_bInstallerStarted)
        discardDownload();
}

void VUpdateDialog::remindLater(int minutes)
{
    qCInfo(lcUpdate, "Update: remind in %d minutes", minutes);
    VUpdateSettings::setRemindUntil(QDateTime::currentDateTime().addSecs(qint64(minutes) * 60));
    if (minutes >= kMinutesPerDay) {
        emit quitRequested(0);
        return;
    }
    hide();
    if (m_reminderTimerId != 0)
        killTimer(m_reminderTimerId);
    m_reminderIntervalMs = minutes * 60000;
    m_reminderTimerId = startTimer(m_reminderIntervalMs);
}

void VUpdateDialog::updateProgress(qint64 received, qint64 total, qint64 elapsedMs)
{
    QProgressBar* pBar = m_pUi->progressBar;
    if (total > 0) {
        // The bar counts in int; scale large files down rather than let the range overflow.
        int shift = 0;
        while ((total >> shift) > std::numeric_limits<int>::max())
            ++shift;
        pBar->setRange(0, int(total >> shift));
        pBar->setValue(int(qBound(qint64(0), received, total) >> shift));
    } else {
        pBar->setRange(0, 0);
    }
    m_lastTotal = total;

    if (elapsedMs <= 1000)
        return;
    const qint64 speed = qMax<qint64>(0, received - m_lastReceived) * 1000 / elapsedMs;
    m_speedText = VUpdateFormat::byteCountText(speed);
    m_pUi->labelSpeed->setText(m_speedTemplate.arg(m_speedText));
    m_speedClock.start();
    m_lastReceived = received;
    refreshTrayToolTip();
}

void VUpdateDialog::reject()
{
    // Escape means the same as closing the window.
    close();
}

void VUpdateDialog::on_pushButtonInstall_clicked()
{
    // Kept from before the start, so that no later clean-up takes the file from a running
    // installer even if this program dies the next moment.
    if (m_pFolder)
        m_pFolder->setKept(true);
    m_bInstallerStarted = QProcess::startDetached(m_downloadPath, QStringList());
    qCInfo(lcUpdate, "Update: the installer %s %s", qUtf8Printable(m_downloadPath),
           m_bInstallerStarted ? "started" : "could not be started");
    if (m_pFolder)
        m_pFolder->setKept(m_bInstallerStarted);
    emit quitRequested(0);
}

void VUpdateDialog::on_comboBoxCancel_currentIndexChanged(int index)
{
    remindFromComboBox(m_pUi->comboBoxCancel, index);
}

void VUpdateDialog::on_pushButtonDownload_clicked()
{
    if (m_pDownloadReply)
        return;
    discardDownload();

    m_pUi->labelSpeed->clear();
    m_speedText.clear();
    m_speedClock.start();
    m_lastReceived = 0;
    m_lastTotal = 0;
    m_hash.reset();
    m_received = 0;
    m_sizeLimit = kMaxUnannouncedDownloadBytes;
    m_overLimitReason = tr("The server sent more than %1B without giving a size; no installer "
                           "is that large.")
                            .arg(VUpdateFormat::byteCountText(kMaxUnannouncedDownloadBytes));
    if (m_expectedSize >= 0) {
        m_sizeLimit = m_expectedSize;
        m_overLimitReason = tr("The server sent more than the %1 bytes the update description "
                               "gives as the size.")
                                .arg(m_expectedSize);
    }
    m_refusal.clear();
    m_writeError.clear();
    m_failureReason.clear();
    m_downloadState = DownloadState::Running;

    m_pUi->labelDownloading->setText(tr("Downloading %1...").arg(m_displayName));
    m_pUi->comboBoxRemindAfterFailure->hide();
    m_pUi->pushButtonRetry->hide();
    m_pUi->progressBar->setRange(0, 100);
    m_pUi->progressBar->setValue(0);
    m_pUi->progressBar->show();
    m_pUi->stackedWidget->setCurrentWidget(m_pUi->widgetDownload);

    m_pFolder = std::make_unique<VUpdateFolder>();
    if (m_pFolder->path().isEmpty()) {
        qCInfo(lcUpdate, "Update: no download folder could be made");
        m_pFolder.reset();
        showDownloadFailed(tr("The download folder could not be created."));
        return;
    }
    const QString fileName = VUpdateFormat::safeFileName(QUrl(m_downloadLink).fileName());
    m_downloadPath = QDir::toNativeSeparators(m_pFolder->path() + QLatin1Char('/') + fileName);
    m_installer.setFileName(m_downloadPath);
    // Unbuffered: we write in large pieces already, and the file on disk then always holds
    // everything that has arrived.
    if (!m_installer.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        const QString reason = m_installer.errorString();
        qCInfo(lcUpdate, "Update: %s cannot be written: %s", qUtf8Printable(m_downloadPath),
               qUtf8Printable(reason));
        discardDownload();
        showDownloadFailed(tr("The file could not be written: %1").arg(reason));
        return;
    }

    qCInfo(lcUpdate, "Update: downloading %s to %s", qUtf8Printable(m_downloadLink),
           qUtf8Printable(m_downloadPath));
    QNetworkRequest request{QUrl(m_downloadLink)};
    request.setTransferTimeout(m_networkTimeoutMs);
    m_pDownloadReply = m_network.get(request);
    // Without a bound the network thread buffers whatever the server sends, faster than it can
    // be checked and written; with one it waits until we have taken what it holds.
    m_pDownloadReply->setReadBufferSize(kDownloadBufferBytes);
    connect(m_pDownloadReply, &QNetworkReply::finished, this, &VUpdateDialog::onDownloadFinished);
    connect(m_pDownloadReply, &QNetworkReply::metaDataChanged, this,
            &VUpdateDialog::onDownloadMetaDataChanged);
    connect(m_pDownloadReply, &QNetworkReply::downloadProgress, this,
            &VUpdateDialog::onDownloadProgress);
    connect(m_pDownloadReply, &QNetworkReply::readyRead, this, &VUpdateDialog::onDownloadReadyRead);
}

void VUpdateDialog::onDownloadProgress(qint64 received, qint64 total)
{
    updateProgress(received, total, m_speedClock.elapsed());
}

void VUpdateDialog::onCheckVersionFinished()
{
    QNetworkReply* pReply = m_pCheckReply;
    if (!pReply)
        return;
    m_pCheckReply = nullptr;
    m_pCheckDeadline->stop();
    pReply->deleteLater();

    // Every way this can go wrong means the same to the user: there is no update to offer.
    if (pReply->error() != QNetworkReply::NoError) {
        qCInfo(lcUpdate, "Update: no description: %s", qUtf8Printable(pReply->errorString()));
        emit quitRequested(0);
        return;
    }
    const QByteArray body = pReply->read(kMaxDescriptionBytes + 1);
    if (body.size() > kMaxDescriptionBytes) {
        qCInfo(lcUpdate, "Update: the description is longer than %lld bytes; ignored",
               qint64(kMaxDescriptionBytes));
        emit quitRequested(0);
        return;
    }

    const VUpdateDescription description = VUpdateDescription::find(body, m_productKey);
    m_latestVersion = description.version();
    m_downloadLink = description.link();
    m_expectedSha256 = description.sha256();
    m_expectedSize = description.size();

    const bool bNewer = toVersion(m_currentVersion) < toVersion(m_latestVersion);
    const QString size = m_expectedSize >= 0 ? QStringLiteral("%1 bytes").arg(m_expectedSize)
                                             : QStringLiteral("no size");
    qCInfo(lcUpdate, "Update: running %s, the description offers %s (%s), link %s, %s, %s",
           qUtf8Printable(m_currentVersion),
           m_latestVersion.isEmpty() ? "nothing" : qUtf8Printable(m_latestVersion),
           bNewer ? "newer" : "not newer", qUtf8Printable(m_downloadLink), qUtf8Printable(size),
           m_expectedSha256.isEmpty() ? "no sha256" : "a sha256");
    if (m_latestVersion.isEmpty() || m_downloadLink.isEmpty() || !bNewer ||
        !isUsableLink(m_downloadLink)) {
        if (bNewer && !m_downloadLink.isEmpty() && !isUsableLink(m_downloadLink))
            qCInfo(lcUpdate, "Update: the link is not an http(s) address of a file; ignored");
        emit quitRequested(0);
        return;
    }
    showFound();
}

void VUpdateDialog::onDownloadMetaDataChanged()
{
    const QVariant announced = m_pDownloadReply
                                   ? m_pDownloadReply->header(QNetworkRequest::ContentLengthHeader)
                                   : QVariant();
    if (!announced.isValid())
        return;
    // Any other size than the description's is wrong, and known before the body comes.
    const qint64 length = announced.toLongLong();
    if (m_expectedSize >= 0 && length != m_expectedSize) {
        refuseDownload(tr("The server announces %1 bytes, but the update description gives %2 "
                          "bytes as the size.")
                           .arg(length)
                           .arg(m_expectedSize));
    } else if (m_expectedSize < 0) {
        m_sizeLimit = length;
        m_overLimitReason = tr("The server sent more than the %1 bytes it announced.").arg(length);
    }
}

void VUpdateDialog::onDownloadReadyRead()
{
    QNetworkReply* pReply = m_pDownloadReply;
    if (!pReply || !pReply->isOpen() || !m_writeError.isEmpty() || !m_refusal.isEmpty())
        return;
    // The reply holds no more than its read buffer, so this ends soon at any speed; the read
    // that finds it empty lets the network thread go on.
    for (QByteArray piece = pReply->read(kDownloadPieceBytes); !piece.isEmpty();
         piece = pReply->read(kDownloadPieceBytes)) {
        if (piece.size() > m_sizeLimit - m_received) {
            refuseDownload(m_overLimitReason);
            return;
        }
        m_received += piece.size();
        if (!m_expectedSha256.isEmpty())
            m_hash.addData(piece);
        if (m_installer.write(piece) != piece.size()) {
            m_writeError = m_installer.errorString();
            if (pReply->isRunning())
                pReply->abort();
            return;
        }
    }
}

void VUpdateDialog::onDownloadFinished()
{
    if (!m_pDownloadReply)
        return;
    onDownloadReadyRead();
    QNetworkReply* pReply = m_pDownloadReply;
    m_pDownloadReply = nullptr;
    pReply->deleteLater();
    m_installer.close();

    const QString failure = downloadFailure(pReply);
    if (!failure.isEmpty()) {
        qCInfo(lcUpdate, "Update: the download failed after %lld bytes: %s", m_received,
               qUtf8Printable(failure));
        discardDownload();
        showDownloadFailed(failure);
        return;
    }
    qCInfo(lcUpdate, "Update: downloaded %lld bytes, %s", m_received,
           m_expectedSha256.isEmpty() ? "no checksum to compare" : "its sha256 matches");

    m_installer.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                               QFileDevice::ExeOwner);
    m_downloadState = DownloadState::Done;
    m_pUi->stackedWidget->setCurrentWidget(m_pUi->widgetInstall);
    refreshTrayToolTip();
    showTrayMessage(m_trayIcon.toolTip(), QSystemTrayIcon::Information);
}

void VUpdateDialog::onSystemTrayActivated(QSystemTrayIcon::ActivationReason reason)
{
    Q_UNUSED(reason);
    showDialog();
}

void VUpdateDialog::onSystemTrayMessageClicked()
{
    showDialog();
}

void VUpdateDialog::on_comboBoxRemindAfterFailure_currentIndexChanged(int index)
{
    remindFromComboBox(m_pUi->comboBoxRemindAfterFailure, index);
}

void VUpdateDialog::on_pushButtonRetry_clicked()
{
    on_pushButtonDownload_clicked();
}

void VUpdateDialog::onCheckTimedOut()
{
    if (m_pCheckReply)
        m_pCheckReply->abort();
}

bool VUpdateDialog::event(QEvent* pEvent)
{
    const bool bHandled = QDialog::event(pEvent);
    // Wrapped texts need more height as they grow; a window's layout does not give it.
    if (pEvent->type() == QEvent::LayoutRequest && hasHeightForWidth()) {
        const int need = heightForWidth(width());
        if (need > height())
            resize(width(), need);
    }
    return bHandled;
}

void VUpdateDialog::changeEvent(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::LanguageChange)
        applyTexts();
    QDialog::changeEvent(pEvent);
}

void VUpdateDialog::closeEvent(QCloseEvent* pEvent)
{
    pEvent->accept();
    emit quitRequested(2);
}

void VUpdateDialog::timerEvent(QTimerEvent* pEvent)
{
    if (pEvent->timerId() != m_reminderTimerId || m_reminderTimerId == 0) {
        QDialog::timerEvent(pEvent);
        return;
    }
    if (isHidden())
        showMinimized();
    activateWindow();
}

void VUpdateDialog::applyTexts()
{
    // The form's texts are the templates; every placeholder is filled again from them.
    m_pUi->retranslateUi(this);
    m_speedTemplate = m_pUi->labelSpeed->text();
    fillRemindItems(m_pUi->comboBoxCancel);
    fillRemindItems(m_pUi->comboBoxRemindAfterFailure);

    m_pUi->labelFound->setText(m_pUi->labelFound->text().arg(m_displayName));
    m_pUi->labelChecking->setText(m_pUi->labelChecking->text().arg(m_displayName));
    const QString latest =
        m_latestVersion.isEmpty() ? QStringLiteral("%3") : m_latestVersion.toHtmlEscaped();
    m_pUi->labelInfoBeforeDownload->setText(m_pUi->labelInfoBeforeDownload->text().arg(
        m_displayName.toHtmlEscaped(), m_currentVersion.toHtmlEscaped(), latest));
    m_pUi->labelInstallReady->setText(m_pUi->labelInstallReady->text().arg(m_displayName));

    switch (m_downloadState) {
    case DownloadState::Failed:
        m_pUi->labelDownloading->setText(tr("The download of %1 failed.").arg(m_displayName));
        m_pUi->labelSpeed->setText(m_failureReason);
        break;
    case DownloadState::Running:
    case DownloadState::Done:
        m_pUi->labelDownloading->setText(m_pUi->labelDownloading->text().arg(m_displayName));
        m_pUi->labelSpeed->setText(m_speedText.isEmpty() ? QString()
                                                         : m_speedTemplate.arg(m_speedText));
        break;
    case DownloadState::None:
        m_pUi->labelDownloading->setText(m_pUi->labelDownloading->text().arg(m_displayName));
        break;
    }
    if (m_trayIcon.isVisible())
        refreshTrayToolTip();
}

void VUpdateDialog::fillRemindItems(QComboBox* pComboBox)
{
    const QSignalBlocker blocker(pComboBox);
    pComboBox->clear();
    pComboBox->addItem(tr("Cancel and Remind me"));
    for (const int minutes : kRemindDelays)
        pComboBox->addItem(
            tr("%1 later")
                .arg(VUpdateFormat::durationText(qint64(minutes) * 60, QStringLiteral(" "))));
}

void VUpdateDialog::remindFromComboBox(QComboBox* pComboBox, int index)
{
    if (index < 1 || index > int(std::size(kRemindDelays)))
        return;
    remindLater(kRemindDelays[index - 1]);
    pComboBox->setCurrentIndex(0);
}

void VUpdateDialog::showFound()
{
    applyTexts();
    m_pUi->stackedWidget->setCurrentWidget(m_pUi->widgetFoundNew);
    m_trayIcon.setVisible(trayAvailable());
    refreshTrayToolTip();
    showTrayMessage(tr("Found New version for %1, click here to download the latest version %2")
                        .arg(m_displayName, m_latestVersion),
                    QSystemTrayIcon::Information);
}

void VUpdateDialog::showDownloadFailed(const QString& reason)
{
    m_downloadState = DownloadState::Failed;
    m_failureReason = reason;
    m_pUi->labelDownloading->setText(tr("The download of %1 failed.").arg(m_displayName));
    m_pUi->labelSpeed->setText(reason);
    m_pUi->progressBar->hide();
    m_pUi->comboBoxRemindAfterFailure->setCurrentIndex(0);
    m_pUi->comboBoxRemindAfterFailure->show();
    m_pUi->pushButtonRetry->show();
    m_pUi->stackedWidget->setCurrentWidget(m_pUi->widgetDownload);
    refreshTrayToolTip();
    showTrayMessage(m_trayIcon.toolTip(), QSystemTrayIcon::Warning);
}

void VUpdateDialog::refreshTrayToolTip()
{
    QString text;
    switch (m_downloadState) {
    case DownloadState::None:
        text = tr("Found new version for %1, version %2").arg(m_displayName, m_latestVersion);
        break;
    case DownloadState::Running:
        if (m_lastTotal > 0) {
            const qint64 percent =
                qBound(qint64(0), m_lastReceived * 100 / m_lastTotal, qint64(100));
            text = tr("Downloading %1, version %2.\n%3B/s, %4% finished.")
                       .arg(m_displayName, m_latestVersion, m_speedText, QString::number(percent));
        } else {
            text = tr("Downloading %1, version %2.\n%3B/s.")
                       .arg(m_displayName, m_latestVersion, m_speedText);
        }
        break;
    case DownloadState::Failed:
        text = tr("Download of %1, version %2, failed.").arg(m_displayName, m_latestVersion);
        break;
    case DownloadState::Done:
        text = tr("Download %1, version %2, finished. Ready to Install.")
                   .arg(m_displayName, m_latestVersion);
        break;
    }
    m_trayIcon.setToolTip(text);
}

QString VUpdateDialog::downloadFailure(const QNetworkReply* pReply) const
{
    if (!m_refusal.isEmpty())
        return m_refusal;
    if (!m_writeError.isEmpty())
        return tr("The file could not be written: %1").arg(m_writeError);
    if (pReply->error() == QNetworkReply::OperationCanceledError)
        return tr("The server stopped sending.");
    if (pReply->error() != QNetworkReply::NoError)
        return pReply->errorString();

    const qint64 size = QFileInfo(m_downloadPath).size();
    const QVariant announced = pReply->header(QNetworkRequest::ContentLengthHeader);
    if ((announced.isValid() && announced.toLongLong() != size) ||
        (m_expectedSize >= 0 && m_expectedSize != size))
        return tr("The download is incomplete.");
    // A body without a length ends when the server closes the connection, and a cut-off
    // transfer ends just the same: such a file can only be trusted by its checksum. Chunked
    // and HTTP/2 transfers mark their own end, and Qt reports a transfer cut before it.
    const bool endMarked = announced.isValid() ||
                           pReply->rawHeader("Transfer-Encoding").toLower().contains("chunked") ||
                           pReply->attribute(QNetworkRequest::Http2WasUsedAttribute).toBool();
    if (!endMarked && m_expectedSha256.isEmpty())
        return tr("The download cannot be checked: the server sent no size and the update "
                  "description no checksum.");
    if (size == 0)
        return tr("The download is empty.");
    if (!m_expectedSha256.isEmpty() && m_hash.result().toHex() != m_expectedSha256.toLatin1())
        return tr("The downloaded file is damaged: its checksum does not match.");
    return QString();
}

void VUpdateDialog::refuseDownload(const QString& reason)
{
    m_refusal = reason;
    if (m_pDownloadReply && m_pDownloadReply->isRunning())
        m_pDownloadReply->abort();
}

void VUpdateDialog::discardDownload()
{
    if (m_installer.isOpen())
        m_installer.close();
    m_pFolder.reset(); // the folder goes with the file in it
    m_downloadPath.clear();
}

void VUpdateDialog::showDialog()
{
    showNormal();
    activateWindow();
}

void VUpdateDialog::showTrayMessage(const QString& message, QSystemTrayIcon::MessageIcon icon)
{
    if (!trayAvailable()) {
        // Nothing else would ever show: an icon nobody can see takes no clicks.
        if (isHidden())
            showDialog();
        return;
    }
    const QString title = tr("Automatic Update");
    m_trayIcon.showMessage(title, message, icon, 10000);
    emit trayMessageShown(title, message);
}

bool VUpdateDialog::trayAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}
