// The Wexal gallery: one WForm window, built from the library's own widgets, showing every widget
// family as a card on a scrolling page, in the light or the dark theme. Headless (or with
// --screenshot FILE) it renders the whole page in its window offscreen to a PNG; with --cards DIR
// it writes one PNG per card into DIR instead, named after the classes the card shows (the API
// reference puts them on the class pages).
#include "GalleryAccessibleTree.h"
#include "GallerySection.h"
#include "GalleryText.h"
#include "GalleryThemes.h"

#include "WForm.h"
#include "WPanel.h"
#include "WScrollPanel.h"
#include "WSwitchButton.h"
#include "WTest.h"
#include "WTheme.h"

#include <QAccessible>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <memory>

std::vector<GallerySection>& GallerySection::All()
{
    static std::vector<GallerySection> sections;
    return sections;
}

void GallerySection::AfterFirstLayout(std::function<void()> action)
{
    PendingActions().push_back(std::move(action));
}

std::vector<std::function<void()>>& GallerySection::PendingActions()
{
    static std::vector<std::function<void()>> actions;
    return actions;
}

void GallerySection::AfterThemeSwitch(std::function<void()> action)
{
    ThemeSwitchActions().push_back(std::move(action));
}

std::vector<std::function<void()>>& GallerySection::ThemeSwitchActions()
{
    static std::vector<std::function<void()>> actions;
    return actions;
}

namespace {

void settle()
{
    // Layout cascades one posted event per nesting level; let every level take its turn.
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// The actions run after the switch has returned, not inside whatever made it, and in turn: some
// open a popup and wait for it to close, which a second popup opened meanwhile would prevent.
// Switches while they run or wait make them run once more, not alongside.
void runAfterThemeSwitches(QObject* context)
{
    struct State
    {
        bool scheduled = false;
        bool running = false;
        bool again = false;
    };
    auto state = std::make_shared<State>();
    QObject::connect(WTheme::Instance(), &WTheme::ThemeChanged, context, [context, state] {
        if (state->running) {
            state->again = true;
            return;
        }
        if (state->scheduled)
            return;
        state->scheduled = true;
        QTimer::singleShot(0, context, [state] {
            state->scheduled = false;
            state->running = true;
            do {
                state->again = false;
                for (const auto& action : GallerySection::ThemeSwitchActions())
                    action();
            } while (state->again);
            state->running = false;
        });
    });
}

void showAndSettle(WForm& window)
{
    window.show();
    settle();
    for (const auto& action : GallerySection::PendingActions())
        action();
    GallerySection::PendingActions().clear();
    settle();
    runAfterThemeSwitches(&window);
}

constexpr int pageWidth = 1320;
constexpr int columns = 3;
constexpr int gap = 20;
constexpr int margin = 28;
constexpr int headerHeight = 92;

// A surface takes its look from the theme, through its variant; a panel that only lays out
// its children stays transparent.
WPanel* makePanel(QWidget* parent, const char* variant = nullptr)
{
    auto* p = new WPanel(parent);
    if (variant)
        return SetVariant(p, variant);
    p->SetBackColor(Qt::transparent);
    return p;
}

// A fixed-size spacer: an empty widget docked into the flow.
void addGap(QWidget* parent, DockType::Types dock, int size)
{
    auto* spacer = new WTest(parent);
    spacer->resize(size, size);
    spacer->SetDock(dock);
}

GalleryText* headerText(const QString& text, QWidget* parent, int pointSize, bool bold,
                        const char* variant,
                        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    return SetVariant(new GalleryText(text, parent, pointSize, bold, alignment), variant);
}

WPanel* buildHeader(QWidget* parent)
{
    auto* header = makePanel(parent, "header");
    header->resize(pageWidth, headerHeight);
    header->SetPadding(WPadding{20, 18, margin, margin});
    header->SetDock(DockType::Top);

    auto* badge = makePanel(header, "badge");
    badge->SetRadius(12);
    badge->resize(54, 54);
    badge->SetDock(DockType::Left);
    headerText(QStringLiteral("W"), badge, 22, true, "header-title", Qt::AlignCenter)
        ->SetDock(DockType::Fill);
    addGap(header, DockType::Left, 16);

    auto* titles = makePanel(header);
    titles->resize(700, 54);
    titles->SetDock(DockType::Left);
    // Right to left, the header speaks Arabic and Hebrew, with Latin names and digits in them.
    const bool rtl = QGuiApplication::isRightToLeft();
    headerText(rtl ? QStringLiteral("معرض عناصر Wexal 1.0")
                   : QStringLiteral("Wexal widget gallery"),
               titles, 17, true, "header-title")
        ->SetDock(DockType::Top);
    headerText(
        rtl ? QStringLiteral("רכיבים המצוירים בעצמם, בעיצוב מאפיינים, עבור Qt 5 ו-Qt 6")
            : QStringLiteral("Self-drawn, property-styled widgets for Qt 5 desktop applications"),
        titles, 10, false, "header-note")
        ->SetDock(DockType::Top);

    // The switch sits in a column of its own, centred on the header's height.
    auto* themeColumn = makePanel(header);
    themeColumn->resize(124, 54);
    themeColumn->SetDock(DockType::Right);
    addGap(themeColumn, DockType::Top, 12);
    auto* themeSwitch = GalleryThemes::MakeSwitch(themeColumn);
    themeSwitch->SetRadius(6);
    themeSwitch->SetBorder(PositionFlag::All);
    themeSwitch->SetBorderWidth(1);
    themeSwitch->resize(124, 30);
    themeSwitch->SetDock(DockType::Top);
    addGap(header, DockType::Right, 20);

    auto* version = headerText(
        QStringLiteral("v%1  ·  Qt %2")
            .arg(QCoreApplication::applicationVersion(), QString::fromLatin1(qVersion())),
        header, 10, false, "header-faint", Qt::AlignRight | Qt::AlignVCenter);
    version->resize(240, 54);
    version->SetDock(DockType::Right);
    return header;
}

WPanel* buildCard(QWidget* column, int width, const GallerySection& section)
{
    auto* cardPanel = makePanel(column, "card");
    cardPanel->SetRadius(12);
    cardPanel->SetBorder(PositionFlag::All);
    cardPanel->SetBorderWidth(1);
    cardPanel->SetPadding(WPadding{16, 18, 18, 18});

    auto* title = new GalleryText(section.title, cardPanel, 12, true);
    SetVariant(title, "title");
    title->SetDock(DockType::Top);
    auto* sub = new GalleryText(section.subtitle, cardPanel, 9);
    SetVariant(sub, "muted");
    sub->SetDock(DockType::Top);
    addGap(cardPanel, DockType::Top, 12);

    // Containers get their real size before anything docks into them: a docked child is cut
    // to the room it finds at its first pass and keeps that size.
    auto* body = makePanel(cardPanel);
    body->resize(width - 18 - 18 - 2, section.height);
    body->SetDock(DockType::Top);
    section.build(body);

    cardPanel->resize(width, title->height() + sub->height() + 12 + section.height + 16 + 18 + 2);
    cardPanel->SetDock(DockType::Top);
    addGap(column, DockType::Top, gap);
    return cardPanel;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Wexal Gallery"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows every Wexal widget."));
    parser.addHelpOption();
    const QCommandLineOption shot(QStringLiteral("screenshot"),
                                  QStringLiteral("Render offscreen to a PNG file and exit."),
                                  QStringLiteral("file"));
    parser.addOption(shot);
    const QCommandLineOption cards(
        QStringLiteral("cards"),
        QStringLiteral("Render offscreen, write one PNG per card into a folder, named after the "
                       "widget class it shows (WButton.png, ...), and exit."),
        QStringLiteral("folder"));
    parser.addOption(cards);
    const QCommandLineOption tree(
        QStringLiteral("accessible-tree"),
        QStringLiteral("Write what a screen reader finds in the window to a text file and exit."),
        QStringLiteral("file"));
    parser.addOption(tree);
    const QCommandLineOption theme(
        QStringLiteral("theme"),
        QStringLiteral("light, dark, or desktop to follow the desktop's preference (default "
                       "light)."),
        QStringLiteral("name"), QStringLiteral("light"));
    parser.addOption(theme);
    const QCommandLineOption rtl(QStringLiteral("right-to-left"),
                                 QStringLiteral("Lay everything out right to left, as for Arabic "
                                                "or Hebrew."));
    parser.addOption(rtl);
    parser.process(app);
    if (parser.isSet(rtl))
        QApplication::setLayoutDirection(Qt::RightToLeft);

    // Before anything is shown: every widget takes the theme's values before its first paint.
    if (!GalleryThemes::Use(parser.value(theme))) {
        qWarning("unknown theme '%s': light, dark or desktop", qPrintable(parser.value(theme)));
        return 1;
    }

    // The gallery is meant to be used from the keyboard as well.
    WBase::SetKeyboardAccess(true);

    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("DejaVu Sans"));
    font.setPointSize(9);
    QApplication::setFont(font);

    std::vector<GallerySection> sections = GallerySection::All();
    std::stable_sort(sections.begin(), sections.end(),
                     [](const auto& a, const auto& b) { return a.order < b.order; });

    WForm window;
    window.setWindowTitle(QStringLiteral("Wexal Gallery"));
    window.SetTitle(QStringLiteral("Wexal Gallery"));
    window.SetIcon(QIcon(QStringLiteral("://Icons/Wexal.ico")));
    window.setMinimumSize(480, 320);

    // The page is taller than most screens: it scrolls inside the window.
    auto* scroller = new WScrollPanel(&window);
    scroller->SetDock(DockType::Fill);
    auto* page = makePanel(scroller, "page");
    buildHeader(page);

    auto* content = makePanel(page);
    content->SetPadding(WPadding{margin, margin, margin, margin});
    content->SetDock(DockType::Fill);

    // Cards go to the shortest column, in order, so the page stays balanced.
    const int columnWidth = (pageWidth - 2 * margin - (columns - 1) * gap) / columns;
    std::vector<WPanel*> cols;
    std::vector<int> heights(columns, 0);
    std::vector<std::pair<const GallerySection*, WPanel*>> built;
    for (int i = 0; i < columns; ++i) {
        cols.push_back(makePanel(content));
        cols.back()->resize(columnWidth, 4000);
        cols.back()->SetDock(DockType::Left);
        if (i + 1 < columns)
            addGap(content, DockType::Left, gap);
    }
    for (const GallerySection& s : sections) {
        const int c = int(std::min_element(heights.begin(), heights.end()) - heights.begin());
        WPanel* card = buildCard(cols[c], columnWidth, s);
        built.emplace_back(&s, card);
        heights[c] += card->height() + gap;
    }
    const int tallest = std::max(300, *std::max_element(heights.begin(), heights.end()));
    const QSize pageSize(pageWidth, headerHeight + 2 * margin + tallest - gap);
    page->resize(pageSize);
    scroller->SetScrollAreaSize(pageSize);

    if (parser.isSet(tree)) {
        window.resize(pageSize + QSize(0, window.TitleHeight()));
        window.window()->setAttribute(Qt::WA_DontShowOnScreen);
        showAndSettle(window);
        QFile file(parser.value(tree));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
            qWarning("could not write %s", qPrintable(parser.value(tree)));
            return 1;
        }
        QTextStream out(&file);
        WriteAccessibleTree(QAccessible::queryAccessibleInterface(window.window()), out);
        QApplication::setActiveWindow(window.window());
        WriteTabOrder(window.window(), out);
        return 0;
    }
    if (parser.isSet(cards)) {
        // The page as for --screenshot, then each card on its own, after the actions that
        // show a later state (a popup's picture, a resized stage) have run.
        window.resize(pageSize + QSize(0, window.TitleHeight()));
        window.window()->setAttribute(Qt::WA_DontShowOnScreen);
        showAndSettle(window);
        const QDir dir(parser.value(cards));
        if (!dir.mkpath(QStringLiteral("."))) {
            qWarning("could not make %s", qPrintable(dir.path()));
            return 1;
        }
        // The form is the window itself: its top strip (shadow, title bar and system buttons,
        // the page's header), at half size so that the whole width fits a class page.
        const int strip = 2 * 16 + window.TitleHeight() + headerHeight + margin + 120;
        const QPixmap top = window.window()->grab(QRect(0, 0, window.window()->width(), strip));
        const QString formFile = dir.filePath(QStringLiteral("WForm.png"));
        if (!top.scaledToWidth(top.width() / 2, Qt::SmoothTransformation).save(formFile)) {
            qWarning("could not write %s", qPrintable(formFile));
            return 1;
        }
        // Cards come in page order, so a class shown on several cards is pictured by the first.
        QStringList written{QStringLiteral("WForm")};
        for (const auto& [section, card] : built) {
            const QPixmap picture = card->grab();
            for (const QString& name : section->classes) {
                if (written.contains(name))
                    continue;
                const QString file = dir.filePath(name + QStringLiteral(".png"));
                if (!picture.save(file)) {
                    qWarning("could not write %s", qPrintable(file));
                    return 1;
                }
                written << name;
            }
        }
        return 0;
    }
    if (parser.isSet(shot)) {
        // The whole page at once, in its window with title bar and shadow.
        window.resize(pageSize + QSize(0, window.TitleHeight()));
        window.window()->setAttribute(Qt::WA_DontShowOnScreen);
        showAndSettle(window);
        const QString file = parser.value(shot);
        if (!window.window()->grab().save(file)) {
            qWarning("could not write %s", qPrintable(file));
            return 1;
        }
        return 0;
    }
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize size = (pageSize + QSize(10, window.TitleHeight()))
                           .boundedTo(screen.size() - QSize(80, 80))
                           .expandedTo(QSize(480, 320));
    window.setGeometry(QRect(screen.center() - QPoint(size.width() / 2, size.height() / 2), size));
    showAndSettle(window);
    return app.exec();
}
