// Uses the installed headers by class name, as Designer-generated code does.
#include <WCheckBox.h>
#include <WEvent.h>
#include <WPanel.h>
#include <WTest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // The package brought in the Qt it was built for, at compile and at run time alike.
    const int runtimeMajor =
        QString::fromLatin1(qVersion()).section(QLatin1Char('.'), 0, 0).toInt();
    if (QT_VERSION_MAJOR != WEXAL_EXPECTED_QT_MAJOR || runtimeMajor != WEXAL_EXPECTED_QT_MAJOR) {
        std::fprintf(stderr, "consumer: built against Qt %d, running on Qt %s, expected Qt %d\n",
                     QT_VERSION_MAJOR, qVersion(), WEXAL_EXPECTED_QT_MAJOR);
        return 1;
    }

    WPanel panel;
    panel.resize(200, 100);
    panel.SetPadding(WPadding{5, 5, 5, 5});
    auto* child = new WTest(&panel);
    child->resize(10, 30);
    child->SetDock(DockType::Top);
    panel.show();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents();

    const QRect expected(5, 5, 190, 30);
    if (child->geometry() != expected) {
        std::fprintf(stderr, "consumer: docked child at the wrong place\n");
        return 1;
    }
    // The icon bundle comes with the library: no initialisation call, loaded by path.
    if (QImage(QStringLiteral("://Icons/CheckBox/CheckFlag.png")).size() != QSize(16, 16)) {
        std::fprintf(stderr, "consumer: icon bundle not registered\n");
        return 1;
    }
    WCheckBox box(&panel);
    box.resize(120, 20);
    box.SetCheckFlagColor(Qt::red);
    box.SetChecked(true);
    if (box.grab().isNull()) {
        std::fprintf(stderr, "consumer: check box did not paint\n");
        return 1;
    }

    std::printf("consumer: Wexal package for Qt %d found and working\n", WEXAL_EXPECTED_QT_MAJOR);
    return 0;
}
