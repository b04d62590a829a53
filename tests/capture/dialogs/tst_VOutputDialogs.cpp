// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "config/VConfigCapture.h"
#include "dialogs/VDialogFileOptions.h"
#include "output/VDialogPromptTarget.h"
#include "foundation/VV.h"
#include "VVCapture.h"

#include <QClipboard>
#include <QCommandLinkButton>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {
// Answers the next file dialog with path (or cancels it when path is empty), and records
// that one was shown.
class FileDialogAnswer : public QObject
{
public:
    explicit FileDialogAnswer(const QString& path) : m_path(path)
    {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, &FileDialogAnswer::poll);
        m_timer.start();
    }
    bool wasAsked() const { return m_bAsked; }

private:
    void poll()
    {
        auto* pDialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!pDialog)
            return;
        m_bAsked = true;
        m_timer.stop();
        // Answer from inside the dialog's own event loop: a dialog told to finish while it is
        // still being shown would leave that loop running.
        QTimer::singleShot(50, pDialog, [pDialog, path = m_path] {
            if (path.isEmpty()) {
                pDialog->reject();
            } else {
                // Typed as a user would, then confirmed with Return.
                auto* pName = pDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                if (!pName)
                    qFatal("the file dialog has no name field");
                pName->setText(path);
                QTest::keyClick(pName, Qt::Key_Return);
            }
        });
    }

    QString m_path;
    QTimer m_timer;
    bool m_bAsked = false;
};

QImage sample()
{
    QImage image(30, 20, QImage::Format_ARGB32);
    image.fill(qRgba(10, 200, 30, 255));
    return image;
}
} // namespace

class tst_VOutputDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void chooserToClipboard();
    void chooserToFileAlwaysAsks_data();
    void chooserToFileAlwaysAsks();
    void chooserCancel();
    void optionsPreviewDropsInvalidCharacters();
    void optionsAcceptStoresAsTyped();
    void optionsCancelStoresNothing();
    void optionsRefuseLeavingTheFolder();

private:
    QTemporaryDir m_dir;
};

void tst_VOutputDialogs::init()
{
    VConfigCapture* pConfig = VConfigCapture::instance();
    pConfig->setNameMethod(1);
    pConfig->setAutomaticSaveFolder(m_dir.path());
    pConfig->setFileNameFormat(QStringLiteral("Snap-Y-M-D-h-m-s"));
    pConfig->setSubFolderFormat(QStringLiteral("YM"));
    pConfig->setCreateSubfolders(false);
    pConfig->setTargetFormat(VV::TargetFormatPng);
    QGuiApplication::clipboard()->clear();
}

void tst_VOutputDialogs::chooserToClipboard()
{
    QImage image = sample();
    VDialogPromptTarget dialog(nullptr, &image);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Select Output Target"));
    dialog.show();
    QTest::mouseClick(dialog.findChild<QCommandLinkButton*>(QStringLiteral("buttonClipboard")),
                      Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(QGuiApplication::clipboard()->image().pixel(5, 5), qRgba(10, 200, 30, 255));
}

void tst_VOutputDialogs::chooserToFileAlwaysAsks_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("written");
    QTest::newRow("named") << "chosen.png" << true;
    QTest::newRow("no suffix typed") << "chosen" << true;
    QTest::newRow("cancelled") << "" << false;
}

void tst_VOutputDialogs::chooserToFileAlwaysAsks()
{
    QFETCH(QString, answer);
    QFETCH(bool, written);
    const QString lastPathBefore = VConfigCapture::instance()->lastFilePath();
    QImage image = sample();
    VDialogPromptTarget dialog(nullptr, &image);
    dialog.show();
    FileDialogAnswer fileDialog(answer.isEmpty() ? QString() : m_dir.filePath(answer));
    // The automatic method is on, and the chooser asks all the same.
    QTest::mouseClick(dialog.findChild<QCommandLinkButton*>(QStringLiteral("buttonFile")),
                      Qt::LeftButton);
    QVERIFY(fileDialog.wasAsked());
    // Without a file the capture is still there to be saved.
    QCOMPARE(dialog.isVisible(), !written);
    const QString expected = m_dir.filePath(QStringLiteral("chosen.png"));
    QCOMPARE(QFileInfo::exists(expected), written);
    if (written) {
        QCOMPARE(QImage(expected).size(), QSize(30, 20));
        QCOMPARE(VConfigCapture::instance()->lastFilePath(), m_dir.path());
        QFile::remove(expected);
    } else {
        QCOMPARE(VConfigCapture::instance()->lastFilePath(), lastPathBefore);
    }
    // Nothing went to the automatic folder.
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList());
}

void tst_VOutputDialogs::chooserCancel()
{
    QImage image = sample();
    VDialogPromptTarget dialog(nullptr, &image);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QCommandLinkButton*>(QStringLiteral("buttonCancel")),
                      Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QVERIFY(QGuiApplication::clipboard()->image().isNull());
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList());
}

void tst_VOutputDialogs::optionsPreviewDropsInvalidCharacters()
{
    VDialogFileOptions dialog(nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Options: Automatic File Name"));
    auto* pFormat = dialog.findChild<QLineEdit*>(QStringLiteral("lineEditFileNameFormat"));
    auto* pPreview = dialog.findChild<QLineEdit*>(QStringLiteral("lineEditFileNamePreview"));
    auto* pSubFolder = dialog.findChild<QLineEdit*>(QStringLiteral("lineEditSubFolderFormat"));
    auto* pSubPreview = dialog.findChild<QLineEdit*>(QStringLiteral("lineEditSubFolderPreview"));
    // The stored templates replace the form's own at once.
    QCOMPARE(pFormat->text(), QStringLiteral("Snap-Y-M-D-h-m-s"));
    QCOMPARE(pSubFolder->text(), QStringLiteral("YM"));
    QCOMPARE(pSubPreview->text(), QDate::currentDate().toString(QStringLiteral("yyyyMM")));

    pFormat->clear();
    QTest::keyClicks(pFormat, QStringLiteral("Cap:Y"));
    QCOMPARE(pFormat->text(), QStringLiteral("Cap:Y"));
    QCOMPARE(pPreview->text(),
             QStringLiteral("Cap") + QString::number(QDate::currentDate().year()));
    QVERIFY(pPreview->isReadOnly());
}

void tst_VOutputDialogs::optionsAcceptStoresAsTyped()
{
    VDialogFileOptions dialog(nullptr);
    dialog.findChild<QLineEdit*>(QStringLiteral("lineEditFileNameFormat"))
        ->setText(QStringLiteral("Cap:Y"));
    dialog.findChild<QLineEdit*>(QStringLiteral("lineEditSubFolderFormat"))
        ->setText(QStringLiteral("D|M"));
    dialog.findChild<QGroupBox*>(QStringLiteral("groupBoxCreateSubfolders"))->setChecked(true);
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    const VConfigCapture* pConfig = VConfigCapture::instance();
    QCOMPARE(pConfig->fileNameFormat(), QStringLiteral("Cap:Y"));
    QCOMPARE(pConfig->subFolderFormat(), QStringLiteral("D|M"));
    QVERIFY(pConfig->isCreateSubfolders());
}

void tst_VOutputDialogs::optionsRefuseLeavingTheFolder()
{
    VDialogFileOptions dialog(nullptr);
    auto* pFormat = dialog.findChild<QLineEdit*>(QStringLiteral("lineEditSubFolderFormat"));
    QPushButton* pOk = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    for (const char* format : {"..", "a/b", "a\\b", "a\tb", "Y..M"}) {
        pFormat->setText(QString::fromLatin1(format));
        QCOMPARE(pOk->isEnabled(), QByteArray(format) == "Y..M");
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("labelProblem"))->isHidden(),
                 pOk->isEnabled());
    }
}

void tst_VOutputDialogs::optionsCancelStoresNothing()
{
    VDialogFileOptions dialog(nullptr);
    dialog.findChild<QLineEdit*>(QStringLiteral("lineEditFileNameFormat"))
        ->setText(QStringLiteral("Other"));
    dialog.findChild<QGroupBox*>(QStringLiteral("groupBoxCreateSubfolders"))->setChecked(true);
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(VConfigCapture::instance()->fileNameFormat(), QStringLiteral("Snap-Y-M-D-h-m-s"));
    QVERIFY(!VConfigCapture::instance()->isCreateSubfolders());
}

TALVIK_TEST_MAIN(tst_VOutputDialogs)
#include "tst_VOutputDialogs.moc"
