// A first Wexal window: a WForm with a line edit and two buttons, styled through the widgets'
// properties, where a click on "Say hello" greets whoever was typed in.
#include "ExampleScreenshot.h"

#include <WButton.h>
#include <WForm.h>
#include <WLabel.h>
#include <WLineEdit.h>
#include <WPanel.h>

#include <QApplication>

namespace {

const QColor ink("#1F2937");
const QColor muted("#6B7280");
const QColor line("#D1D5DB");
const QColor accent("#2563EB");

// Buttons take their whole look from properties: one colour per state, a radius, a border.
WButton* makeButton(const QString& text, QWidget* parent, bool primary)
{
    auto* button = new WButton(parent);
    button->SetText(text);
    button->SetRadius(6);
    if (primary) {
        button->SetBackColor(accent);
        button->SetBackColorHover(QColor("#1D4ED8"));
        button->SetBackColorPress(QColor("#1E40AF"));
        button->SetForeColor(Qt::white);
        button->SetForeColorHover(Qt::white);
    } else {
        button->SetBackColor(Qt::white);
        button->SetBackColorHover(QColor("#F3F4F6"));
        button->SetBackColorPress(QColor("#E5E7EB"));
        button->SetForeColor(ink);
        button->SetForeColorHover(ink);
        button->SetBorder(PositionFlag::All);
        button->SetBorderWidth(1);
        button->SetBorderColor(line);
        button->SetBorderColorHover(QColor("#9CA3AF"));
    }
    return button;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString screenshot =
        ExampleScreenshot::Requested(QStringLiteral("A first Wexal window."));

    WForm window;
    window.SetTitle(QStringLiteral("First window"));
    window.setWindowTitle(window.Title()); // what the task bar shows
    window.SetBackColor(QColor("#F9FAFB"));
    window.SetTitleBackColor(QColor("#F9FAFB"));
    window.SetSysButtonColor(muted);
    window.SetSysButtonColorHover(ink);
    window.resize(420, 250);

    // The content sits in a panel that fills the form below its title bar. Its children are
    // placed at fixed spots and anchored: those anchored left and right grow with the window.
    // A container is given its real size before children are placed in it, since anchored
    // children move by how much it changes from then on.
    auto* content = new WPanel(&window);
    content->resize(420, 250 - window.TitleHeight());
    content->SetBackColor(Qt::transparent);
    content->SetDock(DockType::Fill);
    const auto leftTopRight = PositionFlag::Left | PositionFlag::Top | PositionFlag::Right;

    auto* prompt = new WLabel(content);
    prompt->SetText(QStringLiteral("What is your name?"));
    prompt->SetForeColor(muted);
    prompt->setGeometry(24, 16, 372, 24);
    prompt->SetAnchor(leftTopRight);

    auto* name = new WLineEdit(content);
    name->SetRadius(6);
    name->SetBackColor(Qt::white);
    name->SetForeColor(ink);
    name->SetBorder(PositionFlag::All);
    name->SetBorderWidth(1);
    name->SetBorderColor(line);
    name->SetBorderColorHover(accent);
    name->SetTextMaxLength(40);
    name->setGeometry(24, 44, 372, 34);
    name->SetAnchor(leftTopRight);

    auto* hello = makeButton(QStringLiteral("Say hello"), content, true);
    hello->setGeometry(24, 94, 110, 34);
    auto* clear = makeButton(QStringLiteral("Clear"), content, false);
    clear->setGeometry(144, 94, 90, 34);

    auto* greeting = new WLabel(content);
    QFont big = greeting->font();
    big.setPointSize(big.pointSize() + 5);
    big.setBold(true);
    greeting->setFont(big);
    greeting->SetForeColor(accent);
    greeting->setGeometry(24, 146, 372, 50);
    greeting->SetAnchor(leftTopRight);

    QObject::connect(hello, &WButton::Clicked, greeting, [name, greeting] {
        const QString who = name->Text().trimmed();
        greeting->SetText(who.isEmpty() ? QStringLiteral("Hello, whoever you are!")
                                        : QStringLiteral("Hello, %1!").arg(who));
    });
    QObject::connect(clear, &WButton::Clicked, name, [name, greeting] {
        name->SetText(QString());
        greeting->SetText(QString());
        name->setFocus();
    });

    if (!screenshot.isEmpty()) {
        ExampleScreenshot::KeepOffScreen(&window);
        window.show();
        ExampleScreenshot::Settle();
        name->SetText(QStringLiteral("Ada"));
        ExampleScreenshot::Click(hello);
        return ExampleScreenshot::Save(&window, screenshot) ? 0 : 1;
    }
    window.show();
    name->setFocus();
    return app.exec();
}
