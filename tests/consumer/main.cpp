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

    std::printf("consumer: Wexal package found and working\n");
    return 0;
}
