// A settings dialog drawn in Qt Designer with Wexal widgets, compiled by uic, shown modally over
// a small main window; after OK the main window shows the values read back from it.
#include "ExampleScreenshot.h"
#include "SettingsDialog.h"

#include <WButton.h>
#include <WCheckBox.h>
#include <WLabel.h>
#include <WLineEdit.h>
#include <WPanel.h>

#include <QApplication>
#include <QStringList>
#include <QTimer>

#include <cstdio>

namespace {

const QStringList themeNames = {QStringLiteral("Light"), QStringLiteral("Dark"),
                                QStringLiteral("Follow the desktop")};

QString onOff(bool on)
{
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

// One line of the summary: a caption, and the label that shows the value.
WLabel* addRow(QWidget* parent, int y, const QString& caption)
{
    auto* name = new WLabel(parent);
    name->SetText(caption);
    name->SetForeColor(QColor("#6B7280"));
    name->setGeometry(24, y, 120, 26);
    auto* value = new WLabel(parent);
    value->SetForeColor(QColor("#1F2937"));
    value->setGeometry(150, y, 226, 26);
    return value;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString screenshot = ExampleScreenshot::Requested(
        QStringLiteral("A settings dialog made in Qt Designer from Wexal widgets."));

    WForm window;
    window.SetTitle(QStringLiteral("Settings example"));
    window.setWindowTitle(window.Title());
    window.SetBackColor(Qt::white);
    window.SetTitleBackColor(Qt::white);
    window.SetSysButtonColor(QColor("#6B7280"));
    window.resize(400, 250);

    auto* content = new WPanel(&window);
    content->resize(400, 250 - window.TitleHeight());
    content->SetBackColor(Qt::transparent);
    content->SetDock(DockType::Fill);
    WLabel* name = addRow(content, 14, QStringLiteral("Display name"));
    WLabel* theme = addRow(content, 40, QStringLiteral("Theme"));
    WLabel* textSize = addRow(content, 66, QStringLiteral("Text size"));
    WLabel* notifications = addRow(content, 92, QStringLiteral("Notifications"));
    WLabel* autosave = addRow(content, 118, QStringLiteral("Autosave"));

    auto* open = new WButton(content);
    open->SetText(QStringLiteral("Settings…"));
    open->SetRadius(6);
    open->SetBackColor(QColor("#2563EB"));
    open->SetBackColorHover(QColor("#1D4ED8"));
    open->SetBackColorPress(QColor("#1E40AF"));
    open->SetForeColor(Qt::white);
    open->SetForeColorHover(Qt::white);
    open->setGeometry(24, 162, 110, 32);

    Settings current;
    current.displayName = QStringLiteral("Ada");
    const auto show = [&] {
        name->SetText(current.displayName);
        theme->SetText(themeNames.value(current.theme, QStringLiteral("(none)")));
        textSize->SetText(QStringLiteral("%1 pt").arg(current.textSize));
        notifications->SetText(onOff(current.notifications));
        autosave->SetText(onOff(current.autosave));
    };
    show();

    // One dialog for the window's life: made once, filled from the current values each time it
    // opens. exec(true) shows it centred over the main window, which it blocks, and returns when
    // OK or Cancel is pressed (or the dialog is closed).
    SettingsDialog dialog(&window);
    QObject::connect(open, &WButton::Clicked, &window, [&] {
        dialog.SetSettings(current);
        if (dialog.exec(true) != SettingsDialog::Accepted)
            return;
        current = dialog.CurrentSettings();
        show();
        std::printf("name=%s theme=%s text-size=%d notifications=%s autosave=%s\n",
                    qPrintable(current.displayName), qPrintable(theme->Text()), current.textSize,
                    qPrintable(onOff(current.notifications)), qPrintable(onOff(current.autosave)));
    });

    if (screenshot.isEmpty()) {
        window.show();
        return app.exec();
    }

    // Headless: open the dialog as a click would, change two values the way a user would, grab
    // the dialog while it is up, and press OK.
    ExampleScreenshot::KeepOffScreen(&window);
    ExampleScreenshot::KeepOffScreen(&dialog);
    window.show();
    ExampleScreenshot::Settle();
    bool saved = false;
    QTimer::singleShot(0, &dialog, [&] {
        ExampleScreenshot::Settle();
        dialog.findChild<WLineEdit*>(QStringLiteral("nameEdit"))
            ->SetText(QStringLiteral("Ada Lovelace"));
        ExampleScreenshot::Click(dialog.findChild<WCheckBox*>(QStringLiteral("autosaveCheck")));
        saved = ExampleScreenshot::Save(&dialog, screenshot);
        ExampleScreenshot::Click(dialog.findChild<WButton*>(QStringLiteral("okButton")));
    });
    ExampleScreenshot::Click(open); // returns once the dialog is closed
    return saved ? 0 : 1;
}
