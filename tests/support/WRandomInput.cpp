#include "WRandomInput.h"

#include "WBase.h"
#include "WContainer.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QKeyEvent>
#include <QMetaProperty>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <QWheelEvent>

#include <climits>
#include <vector>

namespace WexalTest {

int ExtremeInt(QRandomGenerator& rng)
{
    static const int pool[] = {INT_MIN, -100000, -1000, -7, -1,  0,    1,      2,      3,
                               5,       13,      50,    99, 255, 1000, 100000, INT_MAX};
    if (rng.bounded(4) == 0)
        return rng.bounded(-50, 400);
    return pool[rng.bounded(int(std::size(pool)))];
}

QString RandomText(QRandomGenerator& rng)
{
    static const QString samples[] = {QString(),
                                      QStringLiteral("a"),
                                      QStringLiteral("Hello, world"),
                                      QStringLiteral("192.168.0.1"),
                                      QStringLiteral("00:1A:2b:3C:4d:5E"),
                                      QStringLiteral("+1 (555) 010-9999"),
                                      QString::fromUtf8("Grüße, Ωμέγα — 漢字かな 😀"),
                                      QStringLiteral("tab\tnew\nline\r\0end"),
                                      QString::fromUtf8("\u202Eright-to-left override")};
    const int pick = rng.bounded(int(std::size(samples)) + 2);
    if (pick < int(std::size(samples)))
        return samples[pick];
    // A long run of random code points, BMP and beyond, to stress measuring and scrolling.
    QString s;
    const int n = pick == int(std::size(samples)) ? rng.bounded(200, 3000) : rng.bounded(1, 40);
    for (int i = 0; i < n; ++i) {
        const uint cp = rng.bounded(5) == 0 ? rng.bounded(0x80u, 0x1F000u) : rng.bounded(32u, 127u);
        if (QChar::requiresSurrogates(cp)) {
            s += QChar(QChar::highSurrogate(cp));
            s += QChar(QChar::lowSurrogate(cp));
        } else if (!QChar::isSurrogate(cp)) {
            s += QChar(cp);
        }
    }
    return s;
}

namespace {

QColor randomColor(QRandomGenerator& rng)
{
    const QColor pool[] = {QColor(), QColor(Qt::transparent), QColor(255, 255, 255)};
    const int pick = rng.bounded(5); // unset, transparent, white, or any colour at all
    return pick < int(std::size(pool)) ? pool[pick] : QColor::fromRgba(rng.generate());
}

QImage randomImage(QRandomGenerator& rng)
{
    static const QSize sizes[] = {{1, 1}, {16, 16}, {12, 1}, {300, 40}, {3, 500}};
    if (rng.bounded(4) == 0)
        return QImage();
    static const QImage::Format formats[] = {QImage::Format_ARGB32, QImage::Format_RGB32,
                                             QImage::Format_Grayscale8,
                                             QImage::Format_ARGB32_Premultiplied};
    QImage image(sizes[rng.bounded(int(std::size(sizes)))],
                 formats[rng.bounded(int(std::size(formats)))]);
    image.fill(rng.bounded(2) ? QColor(Qt::white) : QColor::fromRgba(rng.generate()));
    return image;
}

QSize randomSize(QRandomGenerator& rng)
{
    static const QSize sizes[] = {{0, 0}, {1, 1}, {0, 300}, {300, 0}, {7, 3}, {1600, 1200}};
    if (rng.bounded(2))
        return sizes[rng.bounded(int(std::size(sizes)))];
    return QSize(rng.bounded(0, 700), rng.bounded(0, 500));
}

QVariant extremeValue(QRandomGenerator& rng, const QMetaProperty& p)
{
    if (p.isEnumType()) {
        const QMetaEnum e = p.enumerator();
        if (e.isFlag())
            return ExtremeInt(rng); // flags are plain ints: any bits must be survived
        if (e.keyCount() > 0 && rng.bounded(3) != 0)
            return e.value(rng.bounded(e.keyCount()));
        // Values outside the enumeration, but only those its type can hold: anything wider
        // would be undefined behaviour in the property system's own cast, not a widget fault.
        int mask = 0;
        for (int i = 0; i < e.keyCount(); ++i) {
            while (mask < e.value(i))
                mask = mask * 2 + 1;
        }
        return int(rng.bounded(uint(mask) + 1));
    }
    switch (int(p.userType())) {
    case QMetaType::Bool:
        return bool(rng.bounded(2));
    case QMetaType::Int:
        return ExtremeInt(rng);
    case QMetaType::UInt:
        return uint(ExtremeInt(rng));
    case QMetaType::Double:
    case QMetaType::Float: {
        static const double pool[] = {-1e300, -1.5, 0.0, 0.5, 1.0, 99.9, 1e300};
        return pool[rng.bounded(int(std::size(pool)))];
    }
    case QMetaType::QString:
        return RandomText(rng);
    case QMetaType::QStringList: {
        QStringList list;
        for (int i = rng.bounded(6); i > 0; --i)
            list << RandomText(rng);
        return list;
    }
    case QMetaType::QColor:
        return randomColor(rng);
    case QMetaType::QPoint:
        return QPoint(ExtremeInt(rng), ExtremeInt(rng));
    case QMetaType::QSize:
        return QSize(ExtremeInt(rng), ExtremeInt(rng));
    case QMetaType::QRect:
        if (rng.bounded(4) == 0) // corners anywhere: the width or height may overflow int
            return QRect(QPoint(ExtremeInt(rng), ExtremeInt(rng)),
                         QPoint(ExtremeInt(rng), ExtremeInt(rng)));
        return QRect(ExtremeInt(rng) / 4, ExtremeInt(rng) / 4, ExtremeInt(rng) / 4,
                     ExtremeInt(rng) / 4);
    case QMetaType::QImage:
        return randomImage(rng);
    case QMetaType::QPixmap:
        return QPixmap::fromImage(randomImage(rng));
    default:
        return QVariant();
    }
}

const Qt::Key keyPool[] = {Qt::Key_A,      Qt::Key_Z,         Qt::Key_0,      Qt::Key_9,
                           Qt::Key_Period, Qt::Key_Colon,     Qt::Key_Space,  Qt::Key_Left,
                           Qt::Key_Right,  Qt::Key_Up,        Qt::Key_Down,   Qt::Key_Home,
                           Qt::Key_End,    Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return,
                           Qt::Key_Escape, Qt::Key_Tab,       Qt::Key_PageUp, Qt::Key_PageDown,
                           Qt::Key_C,      Qt::Key_V,         Qt::Key_X,      Qt::Key_Plus};

class Harness
{
public:
    Harness(QWidget* widget, const RandomInputOptions& options)
        : root(widget), options(options), rng(options.seed)
    {
    }

    QString Run()
    {
        if (root->isWindow() && !root->isVisible())
            root->show();
        for (int step = 0; step < options.steps; ++step) {
            const QString what = Step();
            Settle();
            if (!root)
                return QStringLiteral("widget deleted at step %1 (%2)").arg(step).arg(what);
            const QString problem = Check();
            if (!problem.isEmpty())
                return QStringLiteral("seed %1, step %2 after %3: %4")
                    .arg(options.seed)
                    .arg(step)
                    .arg(what, problem);
        }
        return QString();
    }

private:
    static void Settle()
    {
        // Layout cascades one posted event per nesting level; give each level its turn.
        for (int i = 0; i < 6; ++i)
            QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    QWidget* PickTarget()
    {
        const QList<QWidget*> all = root->findChildren<QWidget*>();
        if (all.isEmpty() || rng.bounded(3) == 0)
            return root;
        return all.at(rng.bounded(all.size()));
    }

    QPoint PickPoint(const QWidget* w)
    {
        const int width = qMax(w->width(), 1), height = qMax(w->height(), 1);
        switch (rng.bounded(6)) {
        case 0: // the edges, where off-by-one faults live
            return QPoint(rng.bounded(2) ? 0 : width - 1, rng.bounded(2) ? 0 : height - 1);
        case 1: // just outside
            return QPoint(rng.bounded(2) ? -1 : width, rng.bounded(-5, height + 5));
        case 2:
            return QPoint(rng.bounded(-2000, 2000), rng.bounded(-2000, 2000));
        default:
            return QPoint(rng.bounded(width), rng.bounded(height));
        }
    }

    // A position for a pointer event: mostly PickPoint's, now and then one int cannot hold.
    QPointF PickPosition(const QWidget* w)
    {
        static const qreal far[] = {-3e9,    3e9,           -1e12,         1e12,
                                    -1e300,  1e300,         -qInf(),       qInf(),
                                    qQNaN(), INT_MIN - 0.5, INT_MIN + 1.0, INT_MAX + 0.5};
        QPointF p(PickPoint(w));
        if (!options.outOfRange || rng.bounded(8) != 0)
            return p;
        const int which = rng.bounded(3); // x, y or both
        if (which != 1)
            p.setX(far[rng.bounded(int(std::size(far)))]);
        if (which != 0)
            p.setY(far[rng.bounded(int(std::size(far)))]);
        return p;
    }

    static QPointF Global(const QWidget* w, const QPointF& local)
    {
        return QPointF(w->mapToGlobal(QPoint(0, 0))) + local;
    }

    void SendMouse(QWidget* target, QEvent::Type type, Qt::MouseButton button)
    {
        const QPointF pos = PickPosition(target);
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
            held |= button;
        if (type == QEvent::MouseButtonRelease)
            held &= ~Qt::MouseButtons(button);
        QMouseEvent e(type, pos, Global(target, pos), button, held, RandomModifiers());
        QApplication::sendEvent(target, &e);
    }

    // Rectangles a layout pass may compute from absurd sizes: whole int ranges, far corners,
    // upside down. Never given to the root: a top-level that large is the window system's
    // problem, not the widget's.
    QString PlaceOutOfRange(QWidget* target)
    {
        auto* w = qobject_cast<WBase*>(target);
        if (!w || w == root)
            return QString();
        static const QRect rects[] = {QRect(QPoint(INT_MIN, INT_MIN), QPoint(INT_MAX, INT_MAX)),
                                      QRect(QPoint(0, 0), QPoint(INT_MAX, INT_MAX)),
                                      QRect(QPoint(INT_MIN, 0), QPoint(INT_MAX, 20)),
                                      QRect(QPoint(0, INT_MIN), QPoint(30, 0)),
                                      QRect(QPoint(INT_MAX, INT_MAX), QPoint(INT_MIN, INT_MIN)),
                                      QRect(INT_MAX - 5, INT_MIN, 3, 3)};
        w->LayoutSetGeometry(rects[rng.bounded(int(std::size(rects)))]);
        return QStringLiteral(" layout geometry");
    }

    Qt::KeyboardModifiers RandomModifiers()
    {
        static const Qt::KeyboardModifiers pool[] = {
            Qt::NoModifier,    Qt::NoModifier,      Qt::NoModifier,
            Qt::ShiftModifier, Qt::ControlModifier, Qt::ControlModifier | Qt::ShiftModifier,
            Qt::AltModifier};
        return pool[rng.bounded(int(std::size(pool)))];
    }

    Qt::MouseButton RandomButton()
    {
        static const Qt::MouseButton pool[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton,
                                               Qt::RightButton, Qt::MiddleButton};
        return pool[rng.bounded(int(std::size(pool)))];
    }

    QString WriteProperty(QWidget* target)
    {
        const QMetaObject* mo = target->metaObject();
        std::vector<QMetaProperty> writable;
        for (int i = QWidget::staticMetaObject.propertyCount(); i < mo->propertyCount(); ++i) {
            const QMetaProperty p = mo->property(i);
            if (p.isWritable() && !options.skipProperties.contains(QLatin1String(p.name())))
                writable.push_back(p);
        }
        if (writable.empty())
            return QStringLiteral("no property");
        const QMetaProperty p = writable[rng.bounded(int(writable.size()))];
        const QVariant v = extremeValue(rng, p);
        if (v.isValid())
            p.write(target, v);
        return QStringLiteral("property %1").arg(QLatin1String(p.name()));
    }

    void SetPadding(QWidget* target)
    {
        const auto side = [this] { return rng.bounded(3) ? rng.bounded(0, 30) : ExtremeInt(rng); };
        // Braces evaluate in order: top, bottom, left, right.
        if (auto* c = qobject_cast<WContainer*>(target))
            c->SetPadding(WPadding{side(), side(), side(), side()});
    }

    QString Step()
    {
        QWidget* target = PickTarget();
        const QString name = QString::fromLatin1(target->metaObject()->className());
        switch (rng.bounded(17)) {
        case 0:
            SendMouse(target, QEvent::MouseButtonPress, RandomButton());
            return name + QStringLiteral(" press");
        case 1:
            SendMouse(target, QEvent::MouseButtonRelease, RandomButton());
            return name + QStringLiteral(" release");
        case 2:
        case 3:
            SendMouse(target, QEvent::MouseMove, Qt::NoButton);
            return name + QStringLiteral(" move");
        case 4:
            SendMouse(target, QEvent::MouseButtonDblClick, RandomButton());
            return name + QStringLiteral(" double click");
        case 5: {
            const QPointF pos = PickPosition(target);
            const QPoint delta(rng.bounded(3) == 0 ? rng.bounded(-240, 241) : 0,
                               rng.bounded(2) ? 120 * rng.bounded(-3, 4) : rng.bounded(-500, 500));
            QWheelEvent e(pos, Global(target, pos), QPoint(), delta, held, RandomModifiers(),
                          Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &e);
            return name + QStringLiteral(" wheel");
        }
        case 6:
        case 7: {
            const Qt::Key key = keyPool[rng.bounded(int(std::size(keyPool)))];
            const Qt::KeyboardModifiers mods = RandomModifiers();
            QString text;
            if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde && !(mods & Qt::ControlModifier))
                text = QChar(key).toLower();
            if (rng.bounded(8) == 0)
                text = RandomText(rng).left(3);
            QKeyEvent press(QEvent::KeyPress, key, mods, text);
            QApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, key, mods, text);
            QApplication::sendEvent(target, &release);
            return name + QStringLiteral(" key");
        }
        case 8:
            target->resize(randomSize(rng));
            return name + QStringLiteral(" resize");
        case 9:
        case 10:
            return name + QStringLiteral(" ") + WriteProperty(target);
        case 11:
            if (target != root || rng.bounded(4) == 0)
                target->setVisible(!target->isVisible() || rng.bounded(2) == 0);
            if (!root->isVisible() && root->isWindow())
                root->show();
            return name + QStringLiteral(" show/hide");
        case 12:
            target->setEnabled(rng.bounded(3) != 0);
            if (rng.bounded(2))
                target->setFocus(Qt::MouseFocusReason);
            return name + QStringLiteral(" enable/focus");
        case 13:
            if (rng.bounded(2)) {
                QEnterEvent e(PickPosition(target), QPointF(), QPointF());
                QApplication::sendEvent(target, &e);
            } else {
                QEvent e(QEvent::Leave);
                QApplication::sendEvent(target, &e);
            }
            return name + QStringLiteral(" enter/leave");
        case 14:
            if (rng.bounded(2))
                SetPadding(target);
            else
                root->grab(); // paints the whole tree with whatever values it holds now
            return name + QStringLiteral(" padding/paint");
        case 15:
            if (options.outOfRange) {
                const QString placed = PlaceOutOfRange(target);
                if (!placed.isEmpty())
                    return name + placed;
            }
            Q_FALLTHROUGH();
        default:
            if (options.action) {
                options.action(rng, root);
                return QStringLiteral("widget action");
            }
            root->grab();
            return QStringLiteral("paint");
        }
    }

    QString Check()
    {
        if (root->width() < 0 || root->height() < 0)
            return QStringLiteral("negative size");
        for (auto* w : root->findChildren<WBase*>()) {
            if (w->IsPassive() != (w->Dock() != DockType::None))
                return QStringLiteral("IsPassive disagrees with Dock");
        }
        if (options.invariant)
            return options.invariant(root);
        return QString();
    }

    QPointer<QWidget> root;
    const RandomInputOptions& options;
    QRandomGenerator rng;
    Qt::MouseButtons held = Qt::NoButton;
};

} // namespace

QString RunRandomInput(QWidget* widget, const RandomInputOptions& options)
{
    if (!widget)
        return QStringLiteral("no widget");
    return Harness(widget, options).Run();
}

} // namespace WexalTest
