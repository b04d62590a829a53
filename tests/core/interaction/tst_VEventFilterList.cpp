// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "graphics/VGraphicsScene.h"
#include "interaction/VEventFilter.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"

#include <QFocusEvent>
#include <QGraphicsRectItem>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPointer>

#include <functional>
#include <memory>
#include <utility>

namespace {
struct Log
{
    QStringList asked;
    QStringList removed;
};

// Records what it is offered; whether it consumes is up to the test.
class Recorder : public VEventFilter
{
    Q_OBJECT

public:
    Recorder(const QString& name, VV::enumFilterPriority priority, Log* log)
        : m_name(name), m_pLog(log)
    {
        setPriority(priority);
    }

    bool eventFilter(QEvent* event) override
    {
        m_pLog->asked << m_name;
        types << event->type();
        // One-shot, and out of the member before it runs: it may destroy this filter.
        if (const std::function<void()> once = std::exchange(whileAsked, nullptr))
            once();
        return consume;
    }

    bool consume = false;
    std::function<void()> whileAsked;
    QList<QEvent::Type> types;
    int removals = 0;

protected:
    void onRemoved() override
    {
        ++removals;
        m_pLog->removed << m_name;
    }

private:
    QString m_name;
    Log* m_pLog;
};
} // namespace

// The list recognises create prompts by class name only; the library has none yet.
class VCreatePrompt : public Recorder
{
    Q_OBJECT

public:
    using Recorder::Recorder;
};

namespace {
// A dynamic item that tells whether a press reached the scene.
class PressTarget : public QGraphicsRectItem
{
public:
    PressTarget() : QGraphicsRectItem(0, 0, 100, 100) {}
    int presses = 0;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override
    {
        ++presses;
        event->accept();
    }
};
} // namespace

class tst_VEventFilterList : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<VCanvas> m_pCanvas;
    Log m_log;
    QMap<QString, QPointer<Recorder>> m_filters;

    // "A0" starts a filter A of priority 0, "*A0" a create prompt; "!A" makes A consume, "-A"
    // disables it, "~A" destroys it behind the list's back.
    void run(const QStringList& ops)
    {
        for (const QString& op : ops) {
            const QString name = op.mid(1);
            if (op.startsWith('!')) {
                m_filters[name]->consume = true;
            } else if (op.startsWith('-')) {
                m_filters[name]->disable();
            } else if (op.startsWith('~')) {
                delete m_filters[name];
            } else {
                const bool prompt = op.startsWith('*');
                const QString entry = prompt ? name : op;
                const auto priority = VV::enumFilterPriority(entry.mid(1).toInt());
                Recorder* filter = prompt ? new VCreatePrompt(entry.left(1), priority, &m_log)
                                          : new Recorder(entry.left(1), priority, &m_log);
                m_filters[entry.left(1)] = filter;
                filter->start(m_pCanvas.get());
            }
        }
    }

    QWidget* viewport() const { return m_pCanvas->view()->viewport(); }

private slots:
    void init()
    {
        m_pCanvas = std::make_unique<VCanvas>();
        m_pCanvas->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pCanvas.get()));
        m_log = Log();
        m_filters.clear();
    }

    void cleanup()
    {
        m_pCanvas.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void askOrder_data()
    {
        QTest::addColumn<QStringList>("ops");
        QTest::addColumn<QStringList>("asked");

        QTest::newRow("two prompts: the newer first")
            << QStringList{"A0", "B0"} << QStringList{"B", "A"};
        QTest::newRow("normal after prompt stands behind")
            << QStringList{"*P0", "N2"} << QStringList{"P", "N"};
        QTest::newRow("prompt after normal goes ahead")
            << QStringList{"N2", "*P0"} << QStringList{"P", "N"};
        QTest::newRow("mixed priorities") << QStringList{"A2", "B0", "C1", "D2", "E0", "F3"}
                                          << QStringList{"E", "B", "C", "D", "A", "F"};
        QTest::newRow("disabled filters are passed by")
            << QStringList{"A2", "B0", "!B", "-B", "C1", "-C"} << QStringList{"A"};
        QTest::newRow("the first consumer ends the walk")
            << QStringList{"A2", "B1", "!B", "C0"} << QStringList{"C", "B"};
        // A destroyed entry must not throw the search for the insertion place off.
        QTest::newRow("insertion past a destroyed entry")
            << QStringList{"C0", "N0", "B0", "A0", "D2", "~N", "E2"}
            << QStringList{"A", "B", "C", "E", "D"};
    }

    void askOrder()
    {
        QFETCH(QStringList, ops);
        QFETCH(QStringList, asked);
        run(ops);
        // A press and a release, each offered in the same order.
        QTest::keyClick(viewport(), Qt::Key_A);
        QCOMPARE(m_log.asked, asked + asked);
    }

    void consumedPressNeverReachesTheScene_data()
    {
        QTest::addColumn<QStringList>("ops");
        QTest::addColumn<int>("presses");

        QTest::newRow("a filter that lets it pass") << QStringList{"A2"} << 1;
        QTest::newRow("a consuming filter") << QStringList{"A2", "!A"} << 0;
        QTest::newRow("a disabled consuming filter") << QStringList{"A2", "!A", "-A"} << 1;
    }

    void consumedPressNeverReachesTheScene()
    {
        QFETCH(QStringList, ops);
        QFETCH(int, presses);
        auto* target = new PressTarget;
        m_pCanvas->scene()->addItem(target);
        run(ops);
        QTest::mouseClick(viewport(), Qt::LeftButton, {},
                          m_pCanvas->view()->mapFromScene(QPointF(50, 50)));
        QCOMPARE(target->presses, presses);
    }

    void offeredEvents_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("offered");

        QTest::newRow("key press") << int(QEvent::KeyPress) << true;
        QTest::newRow("key release") << int(QEvent::KeyRelease) << true;
        QTest::newRow("scene mouse move") << int(QEvent::GraphicsSceneMouseMove) << true;
        QTest::newRow("scene hover move") << int(QEvent::GraphicsSceneHoverMove) << true;
        QTest::newRow("scene wheel") << int(QEvent::GraphicsSceneWheel) << true;
        QTest::newRow("focus in") << int(QEvent::FocusIn) << false;
        QTest::newRow("focus out") << int(QEvent::FocusOut) << false;
        QTest::newRow("paint") << int(QEvent::Paint) << false;
        QTest::newRow("shortcut override") << int(QEvent::ShortcutOverride) << false;
        QTest::newRow("just below the scene events") << int(QEvent::ZeroTimerEvent) << false;
        QTest::newRow("just above the scene events") << int(QEvent::KeyboardLayoutChange) << false;
    }

    void offeredEvents()
    {
        QFETCH(int, type);
        QFETCH(bool, offered);
        run({"A2", "!A"});
        const auto t = QEvent::Type(type);
        std::unique_ptr<QEvent> event;
        if (t == QEvent::KeyPress || t == QEvent::KeyRelease || t == QEvent::ShortcutOverride)
            event = std::make_unique<QKeyEvent>(t, Qt::Key_A, Qt::NoModifier);
        else if (t == QEvent::GraphicsSceneMouseMove)
            event = std::make_unique<QGraphicsSceneMouseEvent>(t);
        else if (t == QEvent::GraphicsSceneHoverMove)
            event = std::make_unique<QGraphicsSceneHoverEvent>(t);
        else if (t == QEvent::GraphicsSceneWheel)
            event = std::make_unique<QGraphicsSceneWheelEvent>(t);
        else if (t == QEvent::FocusIn || t == QEvent::FocusOut)
            event = std::make_unique<QFocusEvent>(t);
        else if (t == QEvent::Paint)
            event = std::make_unique<QPaintEvent>(QRect(0, 0, 10, 10));
        else
            event = std::make_unique<QEvent>(t);
        QApplication::sendEvent(m_pCanvas->scene(), event.get());
        QCOMPARE(m_filters["A"]->types, offered ? QList<QEvent::Type>{t} : QList<QEvent::Type>{});
    }

    void noViewNoFiltering()
    {
        VGraphicsScene scene;
        Recorder filter("A", VV::FilterPriorityNormal, &m_log);
        scene.startEventFilter(&filter);
        QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
        QApplication::sendEvent(&scene, &key);
        QGraphicsSceneMouseEvent move(QEvent::GraphicsSceneMouseMove);
        QApplication::sendEvent(&scene, &move);
        QCOMPARE(m_log.asked, QStringList());
        // Off the list again; the deletion it schedules dies with the stack object.
        scene.removeEventFilter(&filter);
    }

    void removal_data()
    {
        QTest::addColumn<QStringList>("ops");
        QTest::addColumn<QString>("remove");
        QTest::addColumn<int>("times");
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<QStringList>("askedAfter");

        QTest::newRow("a started filter")
            << QStringList{"A2", "B2"} << "A" << 1 << QStringList{"A"} << QStringList{"B"};
        QTest::newRow("twice") << QStringList{"A2", "B2"} << "A" << 2 << QStringList{"A"}
                               << QStringList{"B"};
        QTest::newRow("a prompt") << QStringList{"*P0", "B2"} << "P" << 1 << QStringList{"P"}
                                  << QStringList{"B"};
        QTest::newRow("a filter never started")
            << QStringList{"B2"} << "X" << 1 << QStringList{} << QStringList{"B"};
    }

    void removal()
    {
        QFETCH(QStringList, ops);
        QFETCH(QString, remove);
        QFETCH(int, times);
        QFETCH(QStringList, removed);
        QFETCH(QStringList, askedAfter);
        run(ops);
        const bool absent = !m_filters.contains(remove);
        const QPointer<Recorder> filter =
            absent ? new Recorder(remove, VV::FilterPriorityNormal, &m_log)
                   : m_filters[remove].data();
        for (int i = 0; i < times; ++i)
            m_pCanvas->scene()->removeEventFilter(filter);
        m_pCanvas->scene()->removeEventFilter(nullptr);
        QCOMPARE(m_log.removed, removed);
        // Deleted later, never at once: it may be the filter handling the current event.
        QVERIFY(filter);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(filter.isNull(), !absent);
        QTest::keyPress(viewport(), Qt::Key_A);
        QCOMPARE(m_log.asked, askedAfter);
        delete filter;
    }

    void changesDuringDispatch_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QStringList>("asked");

        // A asks first and changes the list under the walk.
        QTest::newRow("removes the next filter") << "remove B" << QStringList{"A", "C"};
        QTest::newRow("destroys the next filter") << "destroy B" << QStringList{"A", "C"};
        QTest::newRow("removes itself") << "remove A" << QStringList{"A", "B", "C"};
        QTest::newRow("cancels the prompts") << "cancel" << QStringList{"A", "C"};
    }

    void changesDuringDispatch()
    {
        QFETCH(QString, change);
        QFETCH(QStringList, asked);
        run({"C2", "*B1", "A0"});
        VGraphicsScene* scene = m_pCanvas->scene();
        m_filters["A"]->whileAsked = [&, scene] {
            if (change == "remove B")
                scene->removeEventFilter(m_filters["B"]);
            else if (change == "destroy B")
                delete m_filters["B"];
            else if (change == "remove A")
                scene->removeEventFilter(m_filters["A"]);
            else
                scene->cancelCurrentPrompt();
        };
        QTest::keyPress(viewport(), Qt::Key_A);
        QCOMPARE(m_log.asked, asked);
    }

    void cancelCurrentPromptRemovesOnlyPrompts()
    {
        run({"A2", "*P0", "B1", "*Q0"});
        m_pCanvas->scene()->cancelCurrentPrompt();
        QCOMPARE(m_log.removed, (QStringList{"P", "Q"}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_filters["P"] && !m_filters["Q"]);
        QTest::keyPress(viewport(), Qt::Key_A);
        QCOMPARE(m_log.asked, (QStringList{"B", "A"}));
    }

    void sceneDestructionRemovesEveryFilterLastFirst()
    {
        run({"A2", "B0", "C1"});
        m_pCanvas.reset();
        QCOMPARE(m_log.removed, (QStringList{"A", "C", "B"}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_filters["A"] && !m_filters["B"] && !m_filters["C"]);
    }
};

TALVIK_TEST_MAIN(tst_VEventFilterList)
#include "tst_VEventFilterList.moc"
