#pragma once

// Small helpers shared by the button tests: delivering pending paints, pointer events the way the
// window system sends them, and an independent count of the clicks a button should recognise.

#include <QApplication>
#include <QEnterEvent>
#include <QEvent>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

namespace ButtonTest {

// Lets posted update requests turn into paint events.
inline void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

inline void enter(QWidget* w, const QPoint& pos = QPoint(1, 1))
{
    QEnterEvent e{QPointF(pos), QPointF(w->mapToGlobal(pos)), QPointF(w->mapToGlobal(pos))};
    QApplication::sendEvent(w, &e);
}

inline void leave(QWidget* w)
{
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(w, &e);
}

inline void mouse(QWidget* w, QEvent::Type type, const QPoint& pos,
                  Qt::MouseButton button = Qt::LeftButton, Qt::MouseButtons held = Qt::NoButton)
{
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// A move with the left button held: the only kind of move a button sees, as it does not track
// the mouse.
inline void drag(QWidget* w, const QPoint& pos)
{
    mouse(w, QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton);
}

// What the window system sends for a double-click: press, release, double-click, release.
inline void doubleClick(QWidget* w, const QPoint& pos)
{
    mouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
    mouse(w, QEvent::MouseButtonRelease, pos);
    mouse(w, QEvent::MouseButtonDblClick, pos, Qt::LeftButton, Qt::LeftButton);
    mouse(w, QEvent::MouseButtonRelease, pos);
}

inline QImage snapshot(QWidget* w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline QRgb rgbAt(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFFu;
}

inline bool contains(const QImage& image, const QRect& area, QRgb colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (rgbAt(image, x, y) == (colour & 0xFFFFFFu))
                return true;
    return false;
}

// Counts, independently of the widget, the clicks it should recognise: left releases over the
// enabled widget. Installed as an event filter, it sees each event before the widget does.
class ClickOracle : public QObject
{
public:
    explicit ClickOracle(QWidget* watched) : watched(watched) { watched->installEventFilter(this); }

    int expected = 0;

protected:
    bool eventFilter(QObject* object, QEvent* e) override
    {
        if (object == watched && e->type() == QEvent::MouseButtonRelease &&
            !watched->testAttribute(Qt::WA_Disabled)) {
            auto* me = static_cast<QMouseEvent*>(e);
            if (me->button() == Qt::LeftButton &&
                watched->rect().contains(me->localPos().toPoint()))
                ++expected;
        }
        return false;
    }

private:
    QWidget* watched;
};

} // namespace ButtonTest
