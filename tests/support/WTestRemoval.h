#pragma once

// The ways an application's handler gets rid of a widget from inside one of the widget's own
// signals or event handlers, for tests that check that the library survives each of them.

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace WexalTest {

enum class Removal {
    Delete,       // delete widget
    DeleteParent, // delete widget->parentWidget(), which takes the widget with it
    DeleteLater,  // widget->deleteLater(); gone once control is back in the event loop
    // deleteLater() and the deferred deletions sent at once, still inside the handler: the
    // widget is gone before the handler returns, like a nested event loop can make it.
    DeleteLaterFlushed,
};

inline QList<QPair<Removal, QString>> Removals()
{
    return {{Removal::Delete, QStringLiteral("delete")},
            {Removal::DeleteParent, QStringLiteral("delete parent")},
            {Removal::DeleteLater, QStringLiteral("deleteLater")},
            {Removal::DeleteLaterFlushed, QStringLiteral("deleteLater flushed")}};
}

inline void Remove(QWidget* widget, Removal how)
{
    switch (how) {
    case Removal::Delete:
        delete widget;
        break;
    case Removal::DeleteParent:
        delete widget->parentWidget();
        break;
    case Removal::DeleteLater:
        widget->deleteLater();
        break;
    case Removal::DeleteLaterFlushed:
        widget->deleteLater();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        break;
    }
}

// A shown top-level window that outlives the test's widgets, and inside it the parent that a
// DeleteParent removal deletes. The window itself is never deleted from inside an event: Qt's
// own delivery does not survive losing its window.
struct RemovalHost
{
    RemovalHost() : parent(new QWidget(&window))
    {
        window.resize(420, 320);
        parent->resize(420, 320);
    }
    ~RemovalHost() { delete parent.data(); }
    // Deferred deletions run, as the event loop would run them once the handler has returned.
    static void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QWidget window;
    QPointer<QWidget> parent;
};

} // namespace WexalTest

Q_DECLARE_METATYPE(WexalTest::Removal)
