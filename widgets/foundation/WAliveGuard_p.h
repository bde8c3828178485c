#pragma once

#include <QObject>
#include <QPointer>

// The library's one rule for re-entrancy. An emit, or any call out to application code (a slot,
// a cell widget's event handler, an update hook, a local event loop), may delete the object that
// made it, or that object's parent, directly or through deleteLater() and a nested loop. Take a
// guard before such a call and ask it afterwards; once it says the object is gone, return at
// once without touching a member.
//
//     const WAliveGuard alive(this);
//     emit RowClicked(row);
//     if (!alive)
//         return true;
//
// The guard turns false as soon as the object's QObject part is destroyed, which is the end of
// any delete that ran inside the call.
class WAliveGuard
{
public:
    explicit WAliveGuard(QObject* object) : object(object) {}

    bool Alive() const { return !object.isNull(); }
    explicit operator bool() const { return Alive(); }

private:
    QPointer<QObject> object;
};
