// Value controls: a colour picker made of three HSL track bars, a media track with a buffered
// second value, main-line images stretched and as a nine-patch, vertical tracks, and
// time-range pickers.
#include "GallerySection.h"
#include "GalleryText.h"

#include "WButton.h"
#include "WHourMinutePicker.h"
#include "WPanel.h"
#include "WTest.h"
#include "WTrackBar.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <memory>

namespace {

using namespace GalleryTheme;

WPanel* row(QWidget* parent, int height)
{
    auto* line = new WPanel(parent);
    line->SetBackColor(Qt::transparent);
    line->resize(parent->width(), height);
    line->SetDock(DockType::Top);
    return line;
}

void gap(QWidget* parent, DockType::Types dock, int size)
{
    auto* spacer = new WTest(parent);
    spacer->resize(size, size);
    spacer->SetDock(dock);
}

// Muted by default; a null variant writes in the theme's ink.
GalleryText* label(QWidget* parent, const QString& text, int width, DockType::Types dock,
                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter,
                   const char* variant = "muted")
{
    auto* t = new GalleryText(text, parent, 8, false, alignment);
    if (variant)
        SetVariant(t, variant);
    t->resize(width, parent->height());
    t->SetDock(dock);
    return t;
}

// A round knob: a white disc, either plain (for recolouring) or with a soft grey ring.
QPixmap knob(int size, bool ring)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(ring ? QPen(QColor(0x64, 0x74, 0x8B), 1.5) : Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    p.end();
    return QPixmap::fromImage(image.convertToFormat(QImage::Format_ARGB32));
}

// A small capsule with a darker rim and a highlight along its top: 32 x 16, with round ends
// 8 pixels wide that a plain stretch would flatten.
QPixmap capsule()
{
    QImage image(32, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0.5, 0.5, 31, 15), 7.5, 7.5);
    QLinearGradient fill(0, 0, 0, 16);
    fill.setColorAt(0, QColor(0x93, 0xC5, 0xFD));
    fill.setColorAt(1, accent);
    p.fillPath(shape, fill);
    p.strokePath(shape, QPen(accentPress, 1));
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.5));
    p.drawLine(QPointF(8, 4), QPointF(24, 4));
    return QPixmap::fromImage(image);
}

WTrackBar* track(QWidget* parent, WTrackBar::TrackType type, int maximum)
{
    auto* t = new WTrackBar(parent);
    t->SetType(type);
    t->SetMaximum(maximum);
    t->SetMainLineSize(10);
    t->SetRadius(5);
    t->SetButtonImage(knob(16, true));
    t->SetButtonSize(QSize(16, 16));
    t->resize(parent->width(), parent->height());
    return t;
}

// --- Colour picker ---------------------------------------------------------------------------

void buildColourPicker(WPanel* body)
{
    auto* swatchColumn = new WPanel(body);
    swatchColumn->SetBackColor(Qt::transparent);
    swatchColumn->resize(92, body->height());
    swatchColumn->SetDock(DockType::Left);
    auto* swatch = new WPanel(swatchColumn);
    swatch->SetRadius(10);
    swatch->SetBorder(PositionFlag::All);
    swatch->SetBorderWidth(1);
    swatch->resize(92, 76);
    swatch->SetDock(DockType::Top);
    auto* hex = new GalleryText(QString(), swatchColumn, 9, true, Qt::AlignCenter);
    hex->resize(92, 24);
    hex->SetDock(DockType::Top);
    gap(body, DockType::Left, 16);

    struct Channel
    {
        const char* name;
        WTrackBar::TrackType type;
        int maximum;
        int value;
    };
    const Channel channels[] = {{"Hue", WTrackBar::HslColorH, 359, 214},
                                {"Saturation", WTrackBar::HslColorS, 255, 190},
                                {"Lightness", WTrackBar::HslColorL, 255, 118}};
    auto* rows = new WPanel(body);
    rows->SetBackColor(Qt::transparent);
    rows->resize(body->width() - 108, body->height());
    rows->SetDock(DockType::Left);
    WTrackBar* tracks[3];
    GalleryText* figures[3];
    for (int i = 0; i < 3; ++i) {
        auto* line = row(rows, 26);
        label(line, QString::fromLatin1(channels[i].name), 64, DockType::Left);
        figures[i] =
            label(line, QString(), 30, DockType::Right, Qt::AlignRight | Qt::AlignVCenter, nullptr);
        tracks[i] = track(line, channels[i].type, channels[i].maximum);
        // The caption beside the track is only painted: a screen reader needs the name.
        tracks[i]->setAccessibleName(QString::fromLatin1(channels[i].name));
        tracks[i]->SetValue1(channels[i].value);
        tracks[i]->SetDock(DockType::Fill);
        gap(rows, DockType::Top, 8);
    }

    // Every channel repaints the swatch; hue and lightness also re-base the saturation track.
    const auto apply = [=] {
        const QColor colour =
            QColor::fromHsl(tracks[0]->Value1(), tracks[1]->Value1(), tracks[2]->Value1());
        swatch->SetBackColor(colour);
        hex->SetText(colour.name().toUpper());
        tracks[1]->SetMainLineBackColor(
            QColor::fromHsl(tracks[0]->Value1(), 255, tracks[2]->Value1()));
        for (int i = 0; i < 3; ++i)
            figures[i]->SetText(QString::number(tracks[i]->Value1()));
    };
    for (WTrackBar* t : tracks)
        QObject::connect(t, &WTrackBar::Value1Changed, t, apply);
    apply();
}

// --- Media track and images ------------------------------------------------------------------

QString clock(int seconds)
{
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void buildMedia(WPanel* body)
{
    constexpr int length = 245; // seconds
    auto* line = row(body, 22);
    auto* time =
        label(line, QString(), 78, DockType::Right, Qt::AlignRight | Qt::AlignVCenter, nullptr);
    auto* media = new WTrackBar(line);
    media->setAccessibleName(QStringLiteral("Playback position, seconds"));
    media->SetMaximum(length);
    media->SetMainLineSize(6);
    media->SetRadius(3);
    // Played in MainLineFillColor1, buffered in 2, the knob in ButtonColor: the theme's.
    media->SetButtonImage(knob(14, false));
    media->SetReplaceImageWhite(true);
    media->SetButtonSize(QSize(14, 14));
    media->resize(line->width() - 78, line->height());
    media->SetDock(DockType::Fill);
    media->SetValue2(161);
    const auto show = [media, time] {
        time->SetText(clock(media->Value1()) + QStringLiteral(" / ") + clock(length));
    };
    QObject::connect(media, &WTrackBar::Value1Changed, media, show);
    media->SetValue1(92);
    show();
    auto* note = row(body, 18);
    label(note, QStringLiteral("Played in the first fill, buffered in the second behind it"),
          note->width(), DockType::Left);
    gap(body, DockType::Top, 14);

    // The same capsule image twice: stretched its ends flatten, as a nine-patch they keep their
    // round shape at any length.
    const QPixmap image = capsule();
    for (const bool nine : {false, true}) {
        auto* imageRow = row(body, 20);
        label(imageRow, nine ? QStringLiteral("Nine-patch") : QStringLiteral("Stretched"), 78,
              DockType::Left);
        auto* t = new WTrackBar(imageRow);
        t->setAccessibleName(nine ? QStringLiteral("Nine-patch track")
                                  : QStringLiteral("Stretched track"));
        t->SetMainLineImage(image);
        t->SetSudokuTBLR(QRect(4, 4, 8, 8)); // top, bottom, left, right
        t->SetSudokuDraw(nine);
        t->SetButtonColor(QColor(0xFF, 0xFF, 0xFF, 200));
        t->SetButtonColorHover(Qt::white);
        t->SetButtonSize(QSize(4, 10));
        t->resize(imageRow->width() - 78, imageRow->height());
        t->SetDock(DockType::Fill);
        t->SetValue1(nine ? 70 : 40);
        gap(body, DockType::Top, 8);
    }
}

// --- Vertical tracks -------------------------------------------------------------------------

void buildVertical(WPanel* body)
{
    const int bands[] = {62, 48, 30, 22, 35, 55, 70};
    const char* names[] = {"60", "230", "910", "3k", "8k", "14k", "16k"};
    for (int i = 0; i < 7; ++i) {
        auto* column = new WPanel(body);
        column->SetBackColor(Qt::transparent);
        column->resize(34, body->height());
        column->SetDock(DockType::Left);
        auto* caption = SetVariant(
            new GalleryText(QString::fromLatin1(names[i]), column, 7, false, Qt::AlignCenter),
            "muted");
        caption->resize(34, 18);
        caption->SetDock(DockType::Bottom);
        auto* t = new WTrackBar(column);
        t->setAccessibleName(QStringLiteral("%1 Hz").arg(QString::fromLatin1(names[i])));
        t->SetOrientation(OrientationType::Vertical);
        t->SetMainLineSize(6);
        t->SetRadius(3);
        SetVariant(t, i == 6 ? "disabled" : "soft");
        t->SetButtonSize(QSize(18, 8));
        t->SetValue1(100 - bands[i]);
        t->setEnabled(i != 6);
        t->resize(34, body->height() - 18);
        t->SetDock(DockType::Fill);
    }
    gap(body, DockType::Left, 22);
    // The HSL types work vertically too: their gradients run from the top down.
    for (const auto type : {WTrackBar::HslColorH, WTrackBar::HslColorL}) {
        auto* t = new WTrackBar(body);
        t->setAccessibleName(type == WTrackBar::HslColorH ? QStringLiteral("Vertical hue")
                                                          : QStringLiteral("Vertical lightness"));
        t->SetOrientation(OrientationType::Vertical);
        t->SetType(type);
        t->SetMaximum(type == WTrackBar::HslColorH ? 359 : 255);
        t->SetMainLineSize(14);
        t->SetRadius(4);
        t->SetBorder(PositionFlag::All);
        t->SetBorderWidth(1);
        t->SetButtonSize(QSize(22, 6));
        t->SetButtonColor(ink); // on the gradient, which is the same in either theme
        t->SetValue1(type == WTrackBar::HslColorH ? 120 : 180);
        t->resize(30, body->height() - 18);
        t->SetDock(DockType::Left);
        gap(body, DockType::Left, 8);
    }
}

// --- Time ranges -----------------------------------------------------------------------------

// The plain picker is the theme's; the dark one is the application's choice, dark in either
// theme.
WHourMinutePicker* picker(QWidget* parent, bool dark)
{
    auto* p = new WHourMinutePicker(parent);
    p->SetRadius(5);
    p->SetBorder(PositionFlag::All);
    p->SetBorderWidth(1);
    if (dark) {
        p->SetBackColor(GalleryTheme::dark);
        p->SetForeColor(QColor(0xE2, 0xE8, 0xF0));
        p->SetBorderColor(QColor(0x33, 0x41, 0x55));
        p->SetButtonColor(QColor(0x93, 0xC5, 0xFD));
        p->SetButtonColorDisable(QColor(0xCB, 0xD5, 0xE1));
        p->SetSelectedItemBackColor(QColor(0x93, 0xC5, 0xFD));
        p->SetSelectedItemForeColor(GalleryTheme::dark);
    }
    p->SetDock(DockType::Left);
    return p;
}

// The length of a picker's range, read from its four numbers.
QString range(const WHourMinutePicker* p)
{
    const auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    int minutes = (p->EndHour() * 60 + p->EndMinute()) - (p->StartHour() * 60 + p->StartMinute());
    if (minutes < 0)
        minutes += 24 * 60; // past midnight
    return QStringLiteral("%1 h %2 min").arg(minutes / 60).arg(two(minutes % 60));
}

void buildPickers(WPanel* body)
{
    struct Shift
    {
        const char* name;
        int from[2];
        int to[2];
        bool dark;
    };
    const Shift shifts[] = {{"Opening hours", {9, 0}, {17, 30}, false},
                            {"Night shift", {22, 0}, {6, 15}, true}};
    std::vector<std::pair<WHourMinutePicker*, GalleryText*>> readouts;
    for (const Shift& s : shifts) {
        auto* line = row(body, 25);
        label(line, QString::fromLatin1(s.name), 92, DockType::Left,
              Qt::AlignLeft | Qt::AlignVCenter, nullptr);
        auto* p = picker(line, s.dark);
        p->setAccessibleName(QString::fromLatin1(s.name));
        p->SetStartHour(s.from[0]);
        p->SetStartMinute(s.from[1]);
        p->SetEndHour(s.to[0]);
        p->SetEndMinute(s.to[1]);
        gap(line, DockType::Left, 12);
        readouts.emplace_back(p, label(line, range(p), 150, DockType::Left));
        gap(body, DockType::Top, 10);
    }
    // The picker announces nothing: the application reads the four numbers when it needs them.
    auto* line = row(body, 28);
    auto* read = SetVariant(new WButton(line), "secondary");
    read->SetText(QStringLiteral("Read lengths"));
    read->SetRadius(6);
    read->SetBorder(PositionFlag::All);
    read->SetBorderWidth(1);
    read->resize(110, 28);
    read->SetDock(DockType::Left);
    gap(line, DockType::Left, 12);
    label(line, QStringLiteral("Click a number, then an arrow"), 220, DockType::Left);
    QObject::connect(read, &WButton::Clicked, read, [readouts] {
        for (const auto& [p, text] : readouts)
            text->SetText(range(p));
    });

    // Show the first picker with its start minute selected, as after a click on it.
    WHourMinutePicker* first = readouts.front().first;
    GallerySection::AfterFirstLayout([first] {
        const QPoint at = WHourMinutePicker::ItemRect(1).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, first->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(first, &press);
    });
}

const GallerySection::Registrar
    colourPicker({QStringLiteral("Track bars · HSL colour picker"),
                  QStringLiteral("Three HSL tracks drive a swatch and each other"),
                  70,
                  110,
                  buildColourPicker,
                  {QStringLiteral("WTrackBar")}});
const GallerySection::Registrar media({QStringLiteral("Track bars · media and images"),
                                       QStringLiteral("A buffered second value; image main lines"),
                                       71,
                                       118,
                                       buildMedia,
                                       {QStringLiteral("WTrackBar")}});
const GallerySection::Registrar
    vertical({QStringLiteral("Track bars · vertical"),
              QStringLiteral("An equaliser and two vertical gradients"),
              72,
              150,
              buildVertical,
              {QStringLiteral("WTrackBar"), QStringLiteral("OrientationType")}});
const GallerySection::Registrar
    pickers({QStringLiteral("Hour-minute pickers"),
             QStringLiteral("Time ranges edited by click, arrows, wheel and digits"),
             73,
             94,
             buildPickers,
             {QStringLiteral("WHourMinutePicker")}});

} // namespace
