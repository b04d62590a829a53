// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "hotkey/VHotkeyEdit.h"
#include "hotkey/VHotkeys.h"
#include "VRecordingBackend.h"
#include "VVCapture.h"

#include <QAction>
#include <QMessageBox>
#include <QTimer>
#include <QVBoxLayout>

namespace {
VHotkey hotkey(QKeyCombination combination)
{
    return VHotkey(combination.toCombined());
}

// What a warning box said, read and closed as soon as it is up.
struct BoxWatch
{
    QString title;
    QString text;
    int seen = 0;

    void arm()
    {
        QTimer::singleShot(0, [this] {
            auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!pBox)
                return;
            ++seen;
            title = pBox->windowTitle();
            text = pBox->text();
            pBox->accept();
        });
    }
};
} // namespace

class tst_VHotkeyEdit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void freshEdit();
    void keyPresses_data();
    void keyPresses();
    void bareModifiersChangeNothing_data();
    void bareModifiersChangeNothing();
    void releasesAreSwallowed();
    void shortcutsDoNotFire();
    void sameCombinationAgainChangesNothing();
    void failureShowsTheReasonAndRetries();
    void applyReinstallsTheSameHotkey();
    void hiddenEditWarnsInABox();

private:
    VRecordingBackend m_backend;
    std::unique_ptr<QWidget> m_pWindow;
    VHotkeyEdit* m_pEdit = nullptr;
    QLineEdit* m_pOther = nullptr;
};

void tst_VHotkeyEdit::initTestCase()
{
    setHotkeyBackend(&m_backend);
    setHotkeyOwnerWindow(WId(1));
}

void tst_VHotkeyEdit::init()
{
    m_backend.reset();
    m_pWindow = std::make_unique<QWidget>();
    auto* pLayout = new QVBoxLayout(m_pWindow.get());
    m_pEdit = new VHotkeyEdit(m_pWindow.get());
    m_pEdit->setMode(VV::CaptureWindow);
    m_pOther = new QLineEdit(m_pWindow.get());
    pLayout->addWidget(m_pEdit);
    pLayout->addWidget(m_pOther);
    m_pWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pWindow.get()));
    m_pWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_pWindow.get()));
    m_pEdit->setFocus();
    QTRY_VERIFY(m_pEdit->hasFocus());
}

void tst_VHotkeyEdit::cleanup()
{
    m_pWindow.reset();
}

void tst_VHotkeyEdit::cleanupTestCase()
{
    setHotkeyOwnerWindow(0);
    setHotkeyBackend(nullptr);
}

void tst_VHotkeyEdit::freshEdit()
{
    const VHotkeyEdit edit;
    QCOMPARE(edit.mode(), 0);
    QVERIFY(edit.hotkey().isEmpty());
}

void tst_VHotkeyEdit::keyPresses_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("shown");
    const int shift = Qt::ShiftModifier;
    // Keys other programs type with: refused without Ctrl, Alt or Win, Shift or not.
    const auto alone = [](const char* key) {
        return QStringLiteral("Add Ctrl, Alt or Win: %1 alone would block other programs").arg(key);
    };
    QTest::newRow("Shift+1 drops Shift")
        << int(Qt::Key_1) << shift << "!" << int(Qt::Key_1) << alone("1");
    QTest::newRow("Shift+A keeps Shift")
        << int(Qt::Key_A) << shift << "A" << (Qt::SHIFT | Qt::Key_A).toCombined()
        << alone("Shift+A");
    QTest::newRow("Ctrl+Shift+A keeps Shift")
        << int(Qt::Key_A) << int(Qt::ControlModifier | Qt::ShiftModifier) << "\x01"
        << (Qt::CTRL | Qt::SHIFT | Qt::Key_A).toCombined() << "Ctrl+Shift+A";
    QTest::newRow("Shift+F5, no text")
        << int(Qt::Key_F5) << shift << "" << (Qt::SHIFT | Qt::Key_F5).toCombined() << "Shift+F5";
    QTest::newRow("Shift+Space") << int(Qt::Key_Space) << shift << " "
                                 << (Qt::SHIFT | Qt::Key_Space).toCombined()
                                 << alone("Shift+Space");
    QTest::newRow("a letter shows as its key, not as text")
        << int(Qt::Key_Q) << 0 << "q" << int(Qt::Key_Q) << alone("Q");
    const VHotkey all = hotkey(Qt::CTRL | Qt::ALT | Qt::META | Qt::Key_Print);
    QTest::newRow("Ctrl+Alt+Win+Print Screen")
        << int(Qt::Key_Print) << int(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier) << ""
        << all.key() << all.toString();
    QTest::newRow("keypad 1 is not the digit 1")
        << int(Qt::Key_1) << int(Qt::KeypadModifier) << "1"
        << (Qt::KeypadModifier | Qt::Key_1).toCombined()
        << QStringLiteral("%1 is not a valid hotkey")
               .arg(VHotkey((Qt::KeypadModifier | Qt::Key_1).toCombined()).toString());
    QTest::newRow("accented letter")
        << int(Qt::Key_Eacute) << 0 << "\xc3\xa9" << int(Qt::Key_Eacute)
        << QStringLiteral("%1 is not a valid hotkey").arg(VHotkey(int(Qt::Key_Eacute)).toString());
}

void tst_VHotkeyEdit::keyPresses()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, expected);
    QFETCH(QString, shown);
    QTest::sendKeyEvent(QTest::Press, m_pEdit, Qt::Key(key), text,
                        Qt::KeyboardModifiers(modifiers));
    QCOMPARE(m_pEdit->hotkey().key(), expected);
    QCOMPARE(m_pEdit->text(), shown);
}

void tst_VHotkeyEdit::bareModifiersChangeNothing_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Ctrl") << int(Qt::Key_Control) << int(Qt::ControlModifier);
    QTest::newRow("Shift") << int(Qt::Key_Shift) << int(Qt::ShiftModifier);
    QTest::newRow("Alt") << int(Qt::Key_Alt) << int(Qt::AltModifier);
    QTest::newRow("Meta") << int(Qt::Key_Meta) << int(Qt::MetaModifier);
    QTest::newRow("left Super") << int(Qt::Key_Super_L) << int(Qt::MetaModifier);
    QTest::newRow("right Super") << int(Qt::Key_Super_R) << int(Qt::MetaModifier);
    QTest::newRow("AltGr") << int(Qt::Key_AltGr) << int(Qt::GroupSwitchModifier);
    QTest::newRow("a key without a name") << int(Qt::Key_unknown) << 0;
}

void tst_VHotkeyEdit::bareModifiersChangeNothing()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    const VHotkey installed = hotkey(Qt::CTRL | Qt::Key_F11);
    m_pEdit->setHotkey(installed);
    const int calls = m_backend.registerCalls + m_backend.unregisterCalls;

    QTest::sendKeyEvent(QTest::Press, m_pEdit, Qt::Key(key), QString(),
                        Qt::KeyboardModifiers(modifiers));
    QTest::sendKeyEvent(QTest::Release, m_pEdit, Qt::Key(key), QString(),
                        Qt::KeyboardModifiers(modifiers));
    QCOMPARE(m_pEdit->hotkey(), installed);
    QCOMPARE(m_pEdit->text(), installed.toString());
    QCOMPARE(m_backend.registerCalls + m_backend.unregisterCalls, calls);
    m_pOther->setFocus(); // the field records no more: the hotkey goes on the desktop
    QCOMPARE(m_backend.installed.count(0xC001), std::size_t(1));
}

void tst_VHotkeyEdit::releasesAreSwallowed()
{
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
    release.ignore();
    QVERIFY(QCoreApplication::sendEvent(m_pEdit, &release));
    QVERIFY(release.isAccepted());
    QVERIFY(m_pEdit->hotkey().isEmpty());
    QVERIFY(m_pEdit->text().isEmpty());
}

void tst_VHotkeyEdit::shortcutsDoNotFire()
{
    QAction action(m_pWindow.get());
    action.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_pWindow->addAction(&action);
    int fired = 0;
    connect(&action, &QAction::triggered, this, [&fired] { ++fired; });

    // Elsewhere in the window the shortcut works...
    m_pOther->setFocus();
    QTRY_VERIFY(m_pOther->hasFocus());
    QTest::keyClick(m_pOther, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(fired, 1);

    // ...in the field the combination becomes the hotkey instead.
    m_pEdit->setFocus();
    QTRY_VERIFY(m_pEdit->hasFocus());
    QTest::keyClick(m_pEdit, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(fired, 1);
    QCOMPARE(m_pEdit->hotkey(), hotkey(Qt::CTRL | Qt::Key_S));

    QShortcutEvent shortcut(QKeySequence(Qt::CTRL | Qt::Key_S), 0);
    QVERIFY(QCoreApplication::sendEvent(m_pEdit, &shortcut));
}

void tst_VHotkeyEdit::sameCombinationAgainChangesNothing()
{
    QTest::keyClick(m_pEdit, Qt::Key_F2, Qt::AltModifier);
    QCOMPARE(m_backend.registerCalls, 1);
    QTest::keyClick(m_pEdit, Qt::Key_F2, Qt::AltModifier);
    QCOMPARE(m_backend.registerCalls, 1);
    m_pOther->setFocus();
    QCOMPARE(m_backend.installed.count(0xC001), std::size_t(1));
    QCOMPARE(m_pEdit->text(), QStringLiteral("Alt+F2"));
}

void tst_VHotkeyEdit::failureShowsTheReasonAndRetries()
{
    m_backend.refused.insert({VPlatformBackend::ModControl, 0x70u + 2});
    QTest::keyClick(m_pEdit, Qt::Key_F3, Qt::ControlModifier);
    QCOMPARE(m_pEdit->text(), QStringLiteral("Failed to set hotkey: Ctrl+F3"));
    QCOMPARE(m_pEdit->hotkey(), hotkey(Qt::CTRL | Qt::Key_F3));

    // Once the other program lets go, pressing the combination again takes it.
    m_backend.refused.clear();
    QTest::keyClick(m_pEdit, Qt::Key_F3, Qt::ControlModifier);
    QCOMPARE(m_pEdit->text(), QStringLiteral("Ctrl+F3"));
    m_pOther->setFocus();
    QCOMPARE(m_backend.installed.count(0xC001), std::size_t(1));
}

void tst_VHotkeyEdit::applyReinstallsTheSameHotkey()
{
    const VHotkey chosen = hotkey(Qt::META | Qt::Key_Print);
    m_pEdit->setHotkey(chosen);
    removeHotkey(m_pEdit->mode()); // the mode's box switched off
    QVERIFY(m_backend.installed.empty());
    m_pEdit->setHotkey(chosen);
    QVERIFY(m_backend.installed.empty());

    m_pEdit->applyHotkey(chosen); // and on again
    m_pOther->setFocus();
    QCOMPARE(m_backend.installed[0xC001],
             VRecordingBackend::Combination(VPlatformBackend::ModWin, 44u));
    QCOMPARE(m_pEdit->text(), QStringLiteral("Win+Print Screen"));
}

void tst_VHotkeyEdit::hiddenEditWarnsInABox()
{
    BoxWatch watch;
    watch.arm();
    m_pEdit->setHotkey(VHotkey(int(Qt::Key_Tab)));
    QCoreApplication::processEvents();
    QCOMPARE(watch.seen, 0); // visible: the field says it

    m_pWindow->hide();
    watch.arm();
    m_pEdit->setHotkey(VHotkey());
    QCOMPARE(watch.seen, 1);
    QCOMPARE(watch.title, QStringLiteral("Setting Hotkey"));
    QCOMPARE(watch.text, QStringLiteral("Hotkey setting is empty."));
    QCOMPARE(m_pEdit->text(), QStringLiteral("Hotkey setting is empty."));

    watch.arm();
    m_pEdit->setHotkey(hotkey(Qt::Key_F4));
    QCoreApplication::processEvents(); // a stray box would be closed and counted here
    QCOMPARE(watch.seen, 1);
}

TALVIK_TEST_MAIN(tst_VHotkeyEdit)
#include "tst_VHotkeyEdit.moc"
