// The Wexal gallery: one WForm window, built from the library's own widgets, showing every widget
// family as a card on a scrolling page. Headless (or with --screenshot FILE) it renders the whole
// page in its window offscreen to a PNG.
#include "GalleryAccessibleTree.h"
#include "GallerySection.h"
#include "GalleryText.h"

#include "WForm.h"
#include "WPanel.h"
#include "WScrollPanel.h"
#include "WTest.h"

#include <QAccessible>
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QIcon>
#include <QScreen>

#include <algorithm>

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

namespace {

void settle()
{
    // Layout cascades one posted event per nesting level; let every level take its turn.
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void showAndSettle(WForm& window)
{
    window.show();
    settle();
    for (const auto& action : GallerySection::PendingActions())
        action();
    GallerySection::PendingActions().clear();
    settle();
}

constexpr int pageWidth = 1320;
constexpr int columns = 3;
constexpr int gap = 20;
constexpr int margin = 28;
constexpr int headerHeight = 92;

WPanel* makePanel(QWidget* parent, const QColor& back)
{
    auto* p = new WPanel(parent);
    p->SetBackColor(back);
    return p;
}

// A fixed-size spacer: an empty widget docked into the flow.
void addGap(QWidget* parent, DockType::Types dock, int size)
{
    auto* spacer = new WTest(parent);
    spacer->resize(size, size);
    spacer->SetDock(dock);
}

WPanel* buildHeader(QWidget* parent)
{
    using namespace GalleryTheme;
    auto* header = makePanel(parent, dark);
    header->resize(pageWidth, headerHeight);
    header->SetPadding(WPadding{20, 18, margin, margin});
    header->SetDock(DockType::Top);

    auto* badge = makePanel(header, accent);
    badge->SetRadius(12);
    badge->resize(54, 54);
    badge->SetDock(DockType::Left);
    auto* mark = new GalleryText(QStringLiteral("W"), badge, 22, true, Qt::AlignCenter);
    mark->SetForeColor(Qt::white);
    mark->SetDock(DockType::Fill);
    addGap(header, DockType::Left, 16);

    auto* titles = makePanel(header, Qt::transparent);
    titles->resize(700, 54);
    titles->SetDock(DockType::Left);
    auto* title = new GalleryText(QStringLiteral("Wexal widget gallery"), titles, 17, true);
    title->SetForeColor(Qt::white);
    title->SetDock(DockType::Top);
    auto* sub = new GalleryText(
        QStringLiteral("Self-drawn, property-styled widgets for Qt 5 desktop applications"), titles,
        10);
    sub->SetForeColor(QColor(0xCB, 0xD5, 0xE1));
    sub->SetDock(DockType::Top);

    auto* version = new GalleryText(
        QStringLiteral("v%1  ·  Qt %2")
            .arg(QCoreApplication::applicationVersion(), QString::fromLatin1(qVersion())),
        header, 10, false, Qt::AlignRight | Qt::AlignVCenter);
    version->SetForeColor(QColor(0x94, 0xA3, 0xB8));
    version->resize(240, 54);
    version->SetDock(DockType::Right);
    return header;
}

WPanel* buildCard(QWidget* column, int width, const GallerySection& section)
{
    using namespace GalleryTheme;
    auto* cardPanel = makePanel(column, card);
    cardPanel->SetRadius(12);
    cardPanel->SetBorder(PositionFlag::All);
    cardPanel->SetBorderWidth(1);
    cardPanel->SetBorderColor(cardBorder);
    cardPanel->SetPadding(WPadding{16, 18, 18, 18});

    auto* title = new GalleryText(section.title, cardPanel, 12, true);
    title->SetDock(DockType::Top);
    auto* sub = new GalleryText(section.subtitle, cardPanel, 9);
    sub->SetForeColor(muted);
    sub->SetDock(DockType::Top);
    addGap(cardPanel, DockType::Top, 12);

    // Containers get their real size before anything docks into them: a docked child is cut
    // to the room it finds at its first pass and keeps that size.
    auto* body = makePanel(cardPanel, Qt::transparent);
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
    const QCommandLineOption tree(
        QStringLiteral("accessible-tree"),
        QStringLiteral("Write what a screen reader finds in the window to a text file and exit."),
        QStringLiteral("file"));
    parser.addOption(tree);
    parser.process(app);

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
    window.SetTitleBackColor(GalleryTheme::dark);
    window.SetForeColor(QColor(0xCB, 0xD5, 0xE1));
    window.SetSysButtonColor(QColor(0xCB, 0xD5, 0xE1));
    window.SetSysButtonColorHover(Qt::white);
    window.SetBackColor(GalleryTheme::page);
    window.SetIcon(QIcon(QStringLiteral("://Icons/Wexal.ico")));
    window.setMinimumSize(480, 320);

    // The page is taller than most screens: it scrolls inside the window.
    auto* scroller = new WScrollPanel(&window);
    scroller->SetBackColor(GalleryTheme::page);
    scroller->SetDock(DockType::Fill);
    auto* page = makePanel(scroller, GalleryTheme::page);
    buildHeader(page);

    auto* content = makePanel(page, Qt::transparent);
    content->SetPadding(WPadding{margin, margin, margin, margin});
    content->SetDock(DockType::Fill);

    // Cards go to the shortest column, in order, so the page stays balanced.
    const int columnWidth = (pageWidth - 2 * margin - (columns - 1) * gap) / columns;
    std::vector<WPanel*> cols;
    std::vector<int> heights(columns, 0);
    for (int i = 0; i < columns; ++i) {
        cols.push_back(makePanel(content, Qt::transparent));
        cols.back()->resize(columnWidth, 4000);
        cols.back()->SetDock(DockType::Left);
        if (i + 1 < columns)
            addGap(content, DockType::Left, gap);
    }
    for (const GallerySection& s : sections) {
        const int c = int(std::min_element(heights.begin(), heights.end()) - heights.begin());
        heights[c] += buildCard(cols[c], columnWidth, s)->height() + gap;
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
