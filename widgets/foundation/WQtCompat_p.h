#pragma once

// The few places where Qt 5.15 and Qt 6 have no API in common. Everything else in the library
// uses what both offer; this header is the one place that asks which Qt it is built against.

#include <QtGlobal>

#include <QMouseEvent>
#include <QString>

// What a native event handler writes its answer into.
#if QT_VERSION_MAJOR >= 6
using WNativeEventResult = qintptr;
#else
using WNativeEventResult = long;
#endif

// Where a string's storage begins, for a prefetch, without reading any of it first: in Qt 5
// the string holds a pointer to a header its characters follow; in Qt 6 it holds the pointer
// to the characters itself.
inline const void* WStringStorage(const QString& s)
{
#if QT_VERSION_MAJOR >= 6
    return s.constData();
#else
    return const_cast<QString&>(s).data_ptr();
#endif
}

// Where a pointer event happened in the receiving widget, unrounded. Rounding is the caller's:
// both versions round the same way when asked for a QPoint.
inline QPointF WEventPos(const QMouseEvent* e)
{
#if QT_VERSION_MAJOR >= 6
    return e->position();
#else
    return e->localPos();
#endif
}

inline QPointF WEventPos(const QHoverEvent* e)
{
#if QT_VERSION_MAJOR >= 6
    return e->position();
#else
    return e->posF();
#endif
}

// Where a pointer event happened in the receiving widget's window, unrounded.
inline QPointF WWindowPos(const QMouseEvent* e)
{
#if QT_VERSION_MAJOR >= 6
    return e->scenePosition();
#else
    return e->windowPos();
#endif
}

// Where a pointer event happened on the screen, rounded to whole pixels as Qt 5 did.
inline QPoint WGlobalPos(const QMouseEvent* e)
{
#if QT_VERSION_MAJOR >= 6
    return e->globalPosition().toPoint();
#else
    return e->globalPos();
#endif
}
