#pragma once

// Small helpers shared by the button tests: pointer events as the window system sends them,
// pixels of the widget as shown, and independent oracles for paints, clicks and CheckedChanged.

#include <QMouseEvent>
#include <QtTest>

namespace ButtonTest {

constexpr auto Press = QEvent::MouseButtonPress, Release = QEvent::MouseButtonRelease,
               Move = QEvent::MouseMove, Enter = QEvent::Enter, Leave = QEvent::Leave;

// Resizes and shows a top-level widget; true once it is exposed.
inline bool shown(QWidget* w, int width, int height)
{
    w->resize(width, height);
    w->show();
    return QTest::qWaitForWindowExposed(w);
}

// A move is sent with the left button held: the only kind of move a button sees.
inline void mouse(QWidget* w, QEvent::Type type, const QPoint& pos = QPoint(1, 1),
                  Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent me(type, pos, w->mapToGlobal(pos), type == Move ? Qt::NoButton : button,
                   type == Release ? Qt::NoButton : button, {});
    QEnterEvent enter(pos, pos, w->mapToGlobal(pos));
    QEvent leave(Leave);
    QApplication::sendEvent(w, type == Enter ? &enter : type == Leave ? &leave : (QEvent*)&me);
}

inline QImage snapshot(QWidget* w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Whether any pixel of a snapshot's area is exactly the colour.
inline bool contains(const QImage& image, const QRect& area, const QColor& colour)
{
    const QImage part = image.copy(area);
    const auto* begin = reinterpret_cast<const QRgb*>(part.constBits());
    return std::count(begin, begin + part.width() * part.height(), colour.rgb()) > 0;
}

// Sees each event of a widget before the widget does, and counts its paints and the clicks it
// should recognise: left releases over the enabled widget.
struct Watcher : QObject
{
    QWidget* w;
    int paints = 0, clicks = 0;
    explicit Watcher(QWidget* w) : w(w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        paints += e->type() == QEvent::Paint;
        if (e->type() == Release && w->isEnabled()) {
            const auto* me = static_cast<QMouseEvent*>(e);
            // Positions far beyond any widget (even beyond int, or NaN) are outside; only near
            // ones may be rounded to whole pixels.
            const QPointF p = me->localPos();
            const bool near = qAbs(p.x()) < 1e6 && qAbs(p.y()) < 1e6;
            clicks += me->button() == Qt::LeftButton && near && w->rect().contains(p.toPoint());
        }
        return false;
    }
};

// Follows CheckedChanged of a check box or switch: every change of Checked() must be announced
// once, with the new state already in place; Silently() changes it the way that must say nothing.
template <class W> struct CheckedWatch
{
    W* w;
    bool announced = w->Checked(), quiet = false;
    QString wrong;
    explicit CheckedWatch(W* w) : w(w)
    {
        QObject::connect(w, &W::CheckedChanged, w, [this](bool checked) {
            if (quiet || checked == announced || checked != this->w->Checked())
                wrong = QStringLiteral("CheckedChanged(%1) out of step").arg(checked);
            announced = checked;
        });
    }
    void Silently(bool checked)
    {
        quiet = true;
        w->SetCheckedWithoutEvent(checked);
        quiet = false;
        announced = w->Checked();
    }
    QString Error() const { return announced == w->Checked() ? wrong : "change not announced"; }
};

} // namespace ButtonTest
