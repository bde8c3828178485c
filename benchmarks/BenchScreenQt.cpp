#include "BenchScreenQt.h"

#include "BenchScreenShared.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QStringListModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <vector>

namespace BenchScreen {

namespace {

// The grid's data as a Qt application would keep it: one flat vector of texts.
class TableModel : public QAbstractTableModel
{
public:
    TableModel()
    {
        cells.reserve(size_t(gridRows) * gridColumns);
        for (int r = 0; r < gridRows; ++r)
            for (int c = 0; c < gridColumns; ++c)
                cells.push_back(CellText(r, c));
    }
    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : gridRows;
    }
    int columnCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : gridColumns;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return QVariant();
        return cells[size_t(index.row()) * gridColumns + size_t(index.column())];
    }

private:
    std::vector<QString> cells;
};

QWidget* controlsPage(QList<QPushButton*>& buttons)
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("page"));
    for (int i = 0; i < 40; ++i) {
        auto* b = new QPushButton(QStringLiteral("Action %1").arg(i), page);
        b->setProperty("scheme", QLatin1String(SchemeAt(i).name));
        b->setGeometry(ButtonAt(i));
        buttons << b;
    }
    for (int i = 0; i < 12; ++i) {
        auto* e = new QLineEdit(QStringLiteral("1024"), page);
        e->setGeometry(EditAt(i));
        switch (EditKindAt(i)) {
        case EditKind::Number:
        case EditKind::PhoneNumber:
            e->setValidator(new QIntValidator(e));
            break;
        case EditKind::Password:
            e->setEchoMode(QLineEdit::Password);
            break;
        case EditKind::IpAddress:
        case EditKind::Ascii:
            e->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[\\x20-\\x7E]*")), e));
            break;
        case EditKind::Normal:
            break;
        }
    }
    for (int i = 0; i < 6; ++i) {
        auto* c = new QComboBox(page);
        c->setGeometry(ComboAt(i));
        c->addItems({"Normal", "Express", "Freight", "Pickup"});
        c->setCurrentIndex(i % 4);
    }
    for (int i = 0; i < 12; ++i) {
        auto* c = new QCheckBox(QStringLiteral("Option %1").arg(i), page);
        c->setGeometry(CheckAt(i));
        c->setChecked(i % 3 == 0);
    }
    for (int i = 0; i < 6; ++i) {
        auto* s = new QCheckBox(QStringLiteral("On"), page);
        s->setObjectName(QStringLiteral("switch"));
        s->setGeometry(SwitchAt(i));
        s->setChecked(i % 2 == 0);
    }
    for (int i = 0; i < 4; ++i) {
        auto* t = new QSlider(Qt::Horizontal, page);
        t->setGeometry(TrackAt(i));
        t->setValue(20 * (i + 1));
    }
    for (int i = 0; i < 3; ++i) {
        auto* p = new QProgressBar(page);
        p->setGeometry(ProgressAt(i));
        p->setValue(30 * (i + 1));
        p->setTextVisible(false);
    }
    return page;
}

} // namespace

QString QtSheet(bool dark)
{
    const char* page = dark ? "#0F172A" : "#F3F5F8";
    const char* field = dark ? "#1E293B" : "#FFFFFF";
    const char* ink = dark ? "#E2E8F0" : "#1F2937";
    const char* line = dark ? "#475569" : "#DDE2EA";
    QString sheet =
        QStringLiteral("QWidget#page { background: %1; }"
                       "QLabel#title { background: #0F172A; color: white; padding-left: 16px; }"
                       "QLineEdit { background: %2; color: %3; border: 1px solid %4;"
                       " border-radius: 4px; lineedit-password-character: 42; }"
                       "QLineEdit:hover { border-color: #2563EB; }"
                       "QComboBox { background: %2; color: %3; border: 1px solid %4; }"
                       "QCheckBox { color: %3; }"
                       "QCheckBox#switch::indicator { width: 40px; height: 20px;"
                       " border-radius: 10px; background: %4; }"
                       "QCheckBox#switch::indicator:checked { background: #2563EB; }"
                       "QSlider::groove:horizontal { background: %4; height: 4px; }"
                       "QSlider::sub-page:horizontal { background: #2563EB; }"
                       "QSlider::handle:horizontal { background: #2563EB; width: 12px;"
                       " margin: -4px 0; border-radius: 6px; }"
                       "QProgressBar { background: #E2E8F0; border-radius: 8px; }"
                       "QProgressBar::chunk { background: #2563EB; border-radius: 8px; }"
                       "QWidget#screen { background: %1; }"
                       "QTabWidget::pane { border: 1px solid %4; top: -1px; }"
                       "QTabBar::tab { width: 90px; height: 30px; background: %1; color: %3;"
                       " border: none; }"
                       "QTabBar::tab:selected { background: %2; color: #2563EB; }"
                       "QListView, QTableView { background: %2; color: %3; }")
            .arg(QLatin1String(page), QLatin1String(field), QLatin1String(ink),
                 QLatin1String(line));
    for (int i = 0; i < 4; ++i) {
        const Scheme& s = SchemeAt(i);
        sheet += QStringLiteral("QPushButton[scheme=\"%1\"] { background: %2; color: %5;"
                                " border: 1px solid %4; border-radius: 6px; }"
                                "QPushButton[scheme=\"%1\"]:hover { background: %3; }"
                                "QPushButton[scheme=\"%1\"]:pressed { background: %4; }")
                     .arg(QLatin1String(s.name), s.normal.name(), s.hover.name(), s.press.name(),
                          s.text.name());
    }
    return sheet;
}

QtScreen::QtScreen() : model(std::make_unique<TableModel>()), window(std::make_unique<QWidget>())
{
    // The title goes to the window manager's frame, which draws it outside the process.
    window->setWindowTitle(QStringLiteral("Shipments"));
    window->setObjectName(QStringLiteral("screen"));
    window->resize(screenWidth, screenHeight);
    auto* layout = new QVBoxLayout(window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* title = new QLabel(QStringLiteral("Dispatch board"));
    title->setObjectName(QStringLiteral("title"));
    title->setFixedHeight(48);
    layout->addWidget(title);
    auto* tabs = new QTabWidget;
    layout->addWidget(tabs);
    tabs->addTab(controlsPage(buttons), QStringLiteral("Controls"));
    auto* list = new QListView;
    auto* lines = new QStringListModel(ListLines(), list);
    list->setModel(lines);
    tabs->addTab(list, QStringLiteral("List"));
    auto* table = new QTableView;
    table->setModel(model.get());
    for (int c = 0; c < gridColumns; ++c)
        table->setColumnWidth(c, 120);
    table->verticalHeader()->setDefaultSectionSize(20);
    tabs->addTab(table, QStringLiteral("Grid"));
}

// Members go in reverse order: the window with its table before the model it shows.
QtScreen::~QtScreen() = default;

} // namespace BenchScreen
