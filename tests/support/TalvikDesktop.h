// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <QWidget>

namespace TalvikTest {

// What a desktop tool prints; empty when it fails, which pOk tells apart from an empty answer.
inline QByteArray toolOutput(const QString& program, const QStringList& arguments,
                             bool* pOk = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    const bool bOk = process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
                     process.exitCode() == 0;
    if (pOk)
        *pOk = bOk;
    return bOk ? process.readAllStandardOutput().trimmed() : QByteArray();
}

// The real pointer and keyboard, as a user's hand gives them to whatever window is on top.
inline QByteArray xdotool(const QStringList& arguments, bool* pOk = nullptr)
{
    return toolOutput(QStringLiteral("xdotool"), arguments, pOk);
}

// Where the first window an xdotool search finds lies on the X screen; null while none is.
inline QRect windowGeometry(const QStringList& search)
{
    const QString shell = QString::fromLatin1(
        xdotool(QStringList{"search"} + search + QStringList{"getwindowgeometry", "--shell"}));
    QMap<QString, int> values;
    for (const QString& line : shell.split(QLatin1Char('\n')))
        values.insert(line.section(QLatin1Char('='), 0, 0),
                      line.section(QLatin1Char('='), 1).toInt());
    return QRect(values.value("X"), values.value("Y"), values.value("WIDTH"),
                 values.value("HEIGHT"));
}

// Whether the first window an xdotool search finds holds the keyboard focus: it is up and
// takes what a user types.
inline bool hasKeyboard(const QStringList& search)
{
    const QByteArray window = xdotool(QStringList{"search"} + search).split('\n').value(0);
    return !window.isEmpty() && xdotool({"getwindowfocus"}).trimmed() == window;
}

// A real drag with the left button, in global device pixels.
inline bool dragOnScreen(const QPoint& from, const QPoint& to)
{
    const auto text = [](int v) { return QString::number(v); };
    bool bOk = false;
    xdotool({"mousemove", text(from.x()), text(from.y()), "mousedown", "1", "mousemove",
             text((from.x() + to.x()) / 2), text((from.y() + to.y()) / 2), "mousemove",
             text(to.x()), text(to.y()), "mouseup", "1"},
            &bOk);
    return bOk;
}

// How much of a window the screen really shows as the window paints itself: a window that
// exists but lies under another one scores near 0.
inline double shownShare(QWidget* pWindow)
{
    const QImage own = pWindow->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect where(pWindow->mapToGlobal(QPoint(0, 0)), pWindow->size());
    const QImage screen = pWindow->screen()
                              ->grabWindow(0, where.x(), where.y(), where.width(), where.height())
                              .toImage()
                              .convertToFormat(QImage::Format_RGB32)
                              .scaled(own.size());
    qint64 same = 0;
    for (int y = 0; y < own.height(); ++y)
        for (int x = 0; x < own.width(); ++x)
            same += own.pixel(x, y) == screen.pixel(x, y);
    return double(same) / (qint64(own.width()) * own.height());
}

// The colour the screen shows at a global point, as a program reading the screen gets it:
// polled until a window just shown has really reached the screen.
inline QRgb screenPixel(const QPoint& global)
{
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, global.x(), global.y(), 1, 1)
        .toImage()
        .pixel(0, 0);
}

// Runs check on the next modal dialog of class T once it shows, from inside the dialog's own
// event loop (which holds up the code that opened it), then presses keys to end it. A failed
// check ends the dialog all the same, so nothing waits for it forever. The flag turns true
// once that is done.
template <class T>
std::shared_ptr<bool> onNextDialog(QObject* pContext, std::function<void(T*)> check,
                                   const QString& keys)
{
    auto pDone = std::make_shared<bool>(false);
    auto* pTimer = new QTimer(pContext);
    QObject::connect(pTimer, &QTimer::timeout, pTimer, [pTimer, check, keys, pDone] {
        auto* pDialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!pDialog || !pDialog->isVisible())
            return;
        pTimer->deleteLater();
        pTimer->stop();
        check(pDialog);
        if (QTest::currentTestFailed())
            pDialog->reject();
        else
            xdotool({"key", keys});
        *pDone = true;
    });
    pTimer->start(20);
    return pDone;
}

} // namespace TalvikTest
