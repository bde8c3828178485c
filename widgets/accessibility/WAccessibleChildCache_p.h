#pragma once

#include <QAccessible>
#include <QHash>

#include <list>
#include <utility>

// The interfaces a widget hands out for the items it paints itself (lines, cells), made on
// demand, as Qt's own item views make theirs. Qt keeps an interface until it is deleted, so a
// reader that walks a million lines would leave a million of them: this keeps the most recently
// asked for, up to a limit, and deletes the rest, as the picture caches keep pictures. A reader
// that comes back to a dropped item gets a new interface for it.
template <typename Key> class WAccessibleChildCache
{
public:
    static constexpr int DefaultLimit = 2048;

    explicit WAccessibleChildCache(int limit = DefaultLimit) : limit(qMax(1, limit)) {}
    ~WAccessibleChildCache() { Clear(); }
    WAccessibleChildCache(const WAccessibleChildCache&) = delete;
    WAccessibleChildCache& operator=(const WAccessibleChildCache&) = delete;

    // The interface kept under key, now the most recently used, or null.
    QAccessibleInterface* Find(const Key& key)
    {
        const auto found = entries.find(key);
        if (found == entries.end())
            return nullptr;
        order.splice(order.end(), order, found->second);
        return QAccessible::accessibleInterface(found->first);
    }

    // Registers a new interface under key; the least recently used beyond the limit go.
    QAccessibleInterface* Insert(const Key& key, QAccessibleInterface* face)
    {
        Remove(key);
        order.push_back(key);
        entries.insert(
            key, Entry{QAccessible::registerAccessibleInterface(face), std::prev(order.end())});
        while (entries.size() > limit) {
            const Key oldest = order.front();
            Remove(oldest);
        }
        return face;
    }

    // Deletes the interfaces whose key the predicate names (items that no longer exist).
    template <typename Predicate> void RemoveIf(Predicate gone)
    {
        for (auto it = order.begin(); it != order.end();) {
            const Key key = *it++;
            if (gone(key))
                Remove(key);
        }
    }

    void Clear()
    {
        for (const Entry& e : qAsConst(entries))
            QAccessible::deleteAccessibleInterface(e.first);
        entries.clear();
        order.clear();
    }

    int Count() const { return int(entries.size()); }
    int Limit() const { return limit; }

private:
    using Entry = std::pair<QAccessible::Id, typename std::list<Key>::iterator>;

    void Remove(const Key& key)
    {
        const auto found = entries.find(key);
        if (found == entries.end())
            return;
        const Entry e = found.value();
        entries.erase(found);
        order.erase(e.second);
        QAccessible::deleteAccessibleInterface(e.first);
    }

    const int limit;
    QHash<Key, Entry> entries;
    std::list<Key> order;
};
