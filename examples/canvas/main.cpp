// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Shows a canvas with one item of every kind, a panel that starts each drawing tool and the
// "Properties" panel of the selected items beside the canvas.
// Ctrl+wheel zooms; a click selects an item and shows its grips.
// With --grab FILE it saves a picture of its window and quits.
#include "VExampleDocument.h"
#include "VExamplePropertiesPanel.h"
#include "VExampleTools.h"

#include "widgets/VCanvas.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("talvik-example-canvas"));

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption grab(QStringLiteral("grab"),
                                  QStringLiteral("Save a picture of the window and quit."),
                                  QStringLiteral("file"));
    parser.addOption(grab);
    parser.process(app);

    QMainWindow window;
    auto* canvas = new VCanvas(&window);
    fillExampleDocument(*canvas);
    auto* tools = new VExampleTools(canvas);
    window.setCentralWidget(canvas);
    new VExamplePropertiesPanel(&window, canvas, tools->panel());
    window.setWindowTitle(QStringLiteral("Canvas example"));
    window.statusBar()->showMessage(QStringLiteral(
        "Draw with the panel's tools (L, P, G, R, T, E, F, H, O, N). Click an item to reshape it, "
        "Delete removes it, F4 shows its properties, Ctrl+Z undoes; Ctrl+wheel zooms; a double "
        "click edits text."));
    // Room for the tool panel above the page and for the properties beside it.
    window.resize(1240, 760);
    window.show();

    if (parser.isSet(grab)) {
        const QString file = parser.value(grab);
        QTimer::singleShot(500, &window, [&window, file] {
            const bool saved = window.grab().save(file);
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
