// A plain Qt program showing the benchmark screen of Qt's widgets under the application style
// sheet: the Qt half of the process-start pair. With --screenshot FILE it does what the gallery
// does with the same option (show offscreen, let every posted event run, grab the window into
// FILE and exit), so that both processes reach their first painted frame the same way.
#include "../BenchScreenQt.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption shot(QStringLiteral("screenshot"),
                                  QStringLiteral("Render offscreen to an image file and exit."),
                                  QStringLiteral("file"));
    parser.addOption(shot);
    parser.process(app);

    app.setStyleSheet(BenchScreen::QtSheet(false));
    BenchScreen::QtScreen screen;
    QWidget* window = screen.Window();
    if (!parser.isSet(shot)) {
        window->show();
        return app.exec();
    }
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->show();
    // The gallery's settling: a few rounds of posted events and everything else that is due.
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    const QString file = parser.value(shot);
    if (!window->grab().save(file)) {
        qWarning("could not write %s", qPrintable(file));
        return 1;
    }
    return 0;
}
