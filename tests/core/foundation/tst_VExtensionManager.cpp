// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "foundation/VExtensionManager.h"

namespace {
class ExtensionBase : public QObject
{
    Q_OBJECT
public:
    Q_INVOKABLE ExtensionBase() = default;
};

class E1 : public ExtensionBase
{
    Q_OBJECT
public:
    Q_INVOKABLE E1() = default;
};

class E2 : public ExtensionBase
{
    Q_OBJECT
public:
    Q_INVOKABLE E2() = default;
};

// Inherits the base but cannot be made by meta-object.
class NotInvokable : public ExtensionBase
{
    Q_OBJECT
public:
    NotInvokable() = default;
};

class Unrelated : public QObject
{
    Q_OBJECT
public:
    Q_INVOKABLE Unrelated() = default;
};

class TargetB : public QObject
{
    Q_OBJECT
};

class TargetD : public TargetB
{
    Q_OBJECT
};
} // namespace

class tst_VExtensionManager : public QObject
{
    Q_OBJECT

private slots:
    void refusals();
    void findWalksFromDerivedToBase();
    void sameExtensionTwice();
    void copiesAreIndependent();
};

void tst_VExtensionManager::refusals()
{
    VExtensionManager manager(QStringLiteral("ExtensionBase"));
    // A silent refusal for a class outside the base's family.
    QVERIFY(!manager.add(&Unrelated::staticMetaObject, QStringLiteral("TargetB")));
    QTest::ignoreMessage(QtDebugMsg,
                         "class NotInvokable default constructor should be Q_INVOKABLE");
    QVERIFY(!manager.add(&NotInvokable::staticMetaObject, QStringLiteral("TargetB")));
    QVERIFY(manager.find(&TargetB::staticMetaObject).isEmpty());
    QVERIFY(manager.find(nullptr).isEmpty());
}

void tst_VExtensionManager::findWalksFromDerivedToBase()
{
    VExtensionManager manager(QStringLiteral("ExtensionBase"));
    QVERIFY(manager.add(&E1::staticMetaObject, QStringLiteral("TargetB")));
    QVERIFY(manager.add(&E2::staticMetaObject, QStringLiteral("TargetD")));
    using List = QList<const QMetaObject*>;
    QCOMPARE(manager.find(&TargetD::staticMetaObject),
             (List{&E2::staticMetaObject, &E1::staticMetaObject}));
    QCOMPARE(manager.find(&TargetB::staticMetaObject), List{&E1::staticMetaObject});
    QVERIFY(manager.find(&QObject::staticMetaObject).isEmpty());

    // What was found can be made.
    std::unique_ptr<QObject> made(manager.find(&TargetD::staticMetaObject).first()->newInstance());
    QVERIFY(qobject_cast<E2*>(made.get()));
}

void tst_VExtensionManager::sameExtensionTwice()
{
    VExtensionManager manager(QStringLiteral("ExtensionBase"));
    QVERIFY(manager.add(&E1::staticMetaObject, QStringLiteral("TargetB")));
    QVERIFY(manager.add(&E1::staticMetaObject, QStringLiteral("TargetB")));
    QCOMPARE(manager.find(&TargetB::staticMetaObject).size(), 2);
}

void tst_VExtensionManager::copiesAreIndependent()
{
    VExtensionManager manager(QStringLiteral("ExtensionBase"));
    QVERIFY(manager.add(&E1::staticMetaObject, QStringLiteral("TargetB")));
    VExtensionManager copy = manager;
    QVERIFY(copy.add(&E2::staticMetaObject, QStringLiteral("TargetB")));
    QCOMPARE(manager.find(&TargetB::staticMetaObject).size(), 1);
    QCOMPARE(copy.find(&TargetB::staticMetaObject).size(), 2);
}

TALVIK_TEST_MAIN(tst_VExtensionManager)
#include "tst_VExtensionManager.moc"
