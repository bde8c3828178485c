// Compiled into every offscreen test executable (not into the support library, whose unused
// objects the linker may drop): one program per area runs the test classes of that area's files.
// Given a file's name (tst_buttons) as its first argument it runs that class alone, with the
// rest of the arguments as QtTest reads them; that is how ctest runs one process per file.
#include "WTestSuite.h"

#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QMap>
#include <memory>

namespace {

QMap<QString, WexalTest::SuiteFactory>& suites()
{
    static QMap<QString, WexalTest::SuiteFactory> all;
    return all;
}

QString current;

// The offscreen platform starts its pointer at (10, 10), over every freshly shown window. Qt 6
// delivers an Enter to a window shown under the pointer, Qt 5 does not, so a widget would start
// hovered under one and not the other. The pointer waits outside the screen instead, and a
// widget is hovered only when a test moves the pointer over it or sends it an Enter.
void parkPointer()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QCursor::setPos(-1000, -1000);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(parkPointer)

int WexalTest::RegisterSuite(const char* file, SuiteFactory make)
{
    suites().insert(QFileInfo(QString::fromLocal8Bit(file)).completeBaseName(), make);
    return 0;
}

QString WexalTest::CurrentSuite()
{
    return current;
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true); // as QTEST_MAIN does
    QStringList names = suites().keys();
    const QString first = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (first.startsWith(QLatin1String("tst_")) && !suites().contains(first)) {
        qWarning("no test class from a file %s here", qPrintable(first));
        return 1;
    }
    if (suites().contains(first)) {
        names = QStringList(QString::fromLocal8Bit(argv[1]));
        argv[1] = argv[0];
        ++argv;
        --argc;
    }
    int failed = 0;
    for (const QString& name : qAsConst(names)) {
        current = name;
        const std::unique_ptr<QObject> suite(suites().value(name)());
        failed += QTest::qExec(suite.get(), argc, argv);
    }
    return failed;
}
