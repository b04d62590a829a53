// Shows a canvas with one item of every kind and a panel that starts each drawing tool.
// Ctrl+wheel zooms; a click selects an item and shows its grips.
// With --grab FILE it saves a picture of its window and quits.
#include "VExampleDocument.h"
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
    new VExampleTools(canvas);
    window.setCentralWidget(canvas);
    window.setWindowTitle(QStringLiteral("Canvas example"));
    window.statusBar()->showMessage(
        QStringLiteral("Draw with the panel's tools (L, P, G, R, T). Click an item to reshape it "
                       "with its grips, Delete removes it; Ctrl+wheel zooms; a double click "
                       "edits text."));
    // Room for the tool panel above the page.
    window.resize(960, 740);
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
