#pragma once

#include <QCache>
#include <QImage>
#include <QMutex>
#include <QMutexLocker>

// The one way the library keeps pictures it drew for later paints: each kind of picture (the
// rounded layers, the track bar's lines) has one cache for the whole process, keyed by
// everything that decides the pixels, so that widgets of the same look share what they drew, and
// bounded in bytes, so that the least recently used pictures go however many widgets paint.
//
// Key needs operator== and qHash(const Key&, uint). Value is an image, or a few images kept
// together (anything cheap to copy with a sizeInBytes()). Painting happens on the GUI thread;
// the lock only keeps a stray painter on another thread from corrupting the cache.
template <typename Key, typename Value = QImage> class WImageCache
{
public:
    explicit WImageCache(int limitKiB) : images(limitKiB) {}

    // What is kept under key (a shallow copy, safe to keep), or an empty Value.
    Value Find(const Key& key)
    {
        QMutexLocker lock(&mutex);
        const Value* value = images.object(key);
        return value ? *value : Value();
    }

    // Keeps value under key, in place of what was kept there.
    void Insert(const Key& key, const Value& value)
    {
        QMutexLocker lock(&mutex);
        images.insert(key, new Value(value), CostKiB(value));
    }

    // What the cache holds now and the most it holds, in bytes of image data.
    qint64 CachedBytes()
    {
        QMutexLocker lock(&mutex);
        qint64 bytes = 0;
        for (const Key& key : images.keys())
            bytes += images.object(key)->sizeInBytes();
        return bytes;
    }
    qint64 LimitBytes() const { return qint64(images.maxCost()) * 1024; }
    int Count()
    {
        QMutexLocker lock(&mutex);
        return images.count();
    }

    void Clear()
    {
        QMutexLocker lock(&mutex);
        images.clear();
    }

private:
    // Costs are in KiB, so that the limit can reach beyond what an int counts in bytes.
    static int CostKiB(const Value& value)
    {
        return int(qMax<qint64>(1, (value.sizeInBytes() + 1023) / 1024));
    }

    QMutex mutex;
    QCache<Key, Value> images;
};
