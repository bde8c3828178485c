#pragma once

// The benchmark screen built from Qt's own widgets under one application style sheet, shared by
// the benchmark binary and the standalone qss_window program.
#include <QList>
#include <QString>

#include <memory>

class QAbstractTableModel;
class QPushButton;
class QWidget;

namespace BenchScreen {

// The application style sheet that gives Qt's widgets the look of ours, light or dark.
QString QtSheet(bool dark);

struct QtScreen
{
    QtScreen();
    ~QtScreen();

    QWidget* Window() const { return window.get(); }

    std::unique_ptr<QAbstractTableModel> model; // outlives the table that shows it
    std::unique_ptr<QWidget> window;
    QList<QPushButton*> buttons;
};

} // namespace BenchScreen
