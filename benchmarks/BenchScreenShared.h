#pragma once

// What both versions of the benchmark screen share: its size, the places of the first tab's
// widgets, the button colour schemes and the data of the lists. Plain Qt only, so that the
// standalone Qt program (qss_window) builds the very same screen without the library.
#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

namespace BenchScreen {

constexpr int gridRows = 100000;
constexpr int gridColumns = 8;
constexpr int screenWidth = 1200;
constexpr int screenHeight = 800;

// The same places on both screens: page-relative rectangles of the first tab's widgets.
inline QRect ButtonAt(int i)
{
    return QRect(16 + (i % 10) * 110, 16 + (i / 10) * 40, 100, 32);
}
inline QRect EditAt(int i)
{
    return QRect(16 + (i % 4) * 200, 200 + (i / 4) * 36, 190, 28);
}
inline QRect ComboAt(int i)
{
    return QRect(16 + i * 180, 320, 170, 28);
}
inline QRect CheckAt(int i)
{
    return QRect(16 + (i % 6) * 150, 370 + (i / 6) * 30, 140, 24);
}
inline QRect SwitchAt(int i)
{
    return QRect(16 + i * 120, 440, 110, 28);
}
inline QRect TrackAt(int i)
{
    return QRect(16 + i * 220, 490, 200, 24);
}
inline QRect ProgressAt(int i)
{
    return QRect(16 + i * 300, 540, 280, 16);
}

inline QString CellText(int row, int column)
{
    return QStringLiteral("R%1 C%2").arg(row).arg(column);
}

inline QStringList ListLines()
{
    QStringList lines;
    for (int i = 0; i < 1000; ++i)
        lines << QStringLiteral("Shipment #%1").arg(10000 + i);
    return lines;
}

// Four schemes, each (normal, hover, press, text).
struct Scheme
{
    const char* name;
    QColor normal, hover, press, text;
};
inline const Scheme& SchemeAt(int i)
{
    static const Scheme schemes[4] = {
        {"primary", QColor(0x25, 0x63, 0xEB), QColor(0x1D, 0x4E, 0xD8), QColor(0x1E, 0x40, 0xAF),
         Qt::white},
        {"secondary", QColor(0xF1, 0xF5, 0xF9), QColor(0xE2, 0xE8, 0xF0), QColor(0xCB, 0xD5, 0xE1),
         QColor(0x1F, 0x29, 0x37)},
        {"danger", QColor(0xDC, 0x26, 0x26), QColor(0xB9, 0x1C, 0x1C), QColor(0x99, 0x1B, 0x1B),
         Qt::white},
        {"dark", QColor(0x1F, 0x29, 0x37), QColor(0x37, 0x41, 0x51), QColor(0x11, 0x18, 0x27),
         Qt::white},
    };
    return schemes[i & 3];
}

// What each of the twelve line edits accepts, in turn.
enum class EditKind { Normal, Ascii, Number, Password, IpAddress, PhoneNumber };
inline EditKind EditKindAt(int i)
{
    static const EditKind kinds[6] = {EditKind::Normal,    EditKind::Ascii,
                                      EditKind::Number,    EditKind::Password,
                                      EditKind::IpAddress, EditKind::PhoneNumber};
    return kinds[i % 6];
}

} // namespace BenchScreen
