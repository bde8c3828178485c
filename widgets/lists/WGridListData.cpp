#include "WGridListData.h"

#include "WGridList.h"
#include "WQtCompat_p.h"

#include <QThread>

#include <algorithm>
#include <atomic>
#include <vector>

// Qt's mutex lives in an uninstrumented library, so ThreadSanitizer cannot see what it
// orders and would report every access made under the lock. Under -fsanitize=thread the
// lock operations describe themselves to the sanitizer; elsewhere the hooks vanish.
#if defined(__SANITIZE_THREAD__)
#define WEXAL_TSAN_ANNOTATE 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define WEXAL_TSAN_ANNOTATE 1
#endif
#endif

#ifdef WEXAL_TSAN_ANNOTATE
#include <sanitizer/tsan_interface.h>
#endif

namespace {
namespace Tsan {
#ifdef WEXAL_TSAN_ANNOTATE
void Create(void* m)
{
    __tsan_mutex_create(m, 0);
}
void Destroy(void* m)
{
    __tsan_mutex_destroy(m, 0);
}
void PreLock(void* m, unsigned flags)
{
    __tsan_mutex_pre_lock(m, flags);
}
void PostLock(void* m, unsigned flags)
{
    __tsan_mutex_post_lock(m, flags, 0);
}
void PreUnlock(void* m)
{
    __tsan_mutex_pre_unlock(m, 0);
}
void PostUnlock(void* m)
{
    __tsan_mutex_post_unlock(m, 0);
}
constexpr unsigned TryLock = __tsan_mutex_try_lock;
constexpr unsigned TryLockFailed = __tsan_mutex_try_lock_failed;
#else
inline void Create(void*) {}
inline void Destroy(void*) {}
inline void PreLock(void*, unsigned) {}
inline void PostLock(void*, unsigned) {}
inline void PreUnlock(void*) {}
inline void PostUnlock(void*) {}
constexpr unsigned TryLock = 0;
constexpr unsigned TryLockFailed = 0;
#endif
} // namespace Tsan

// What the sort moves around: the first eight UTF-16 units of the key packed into two words
// so that integer order is their lexicographic order (a missing unit counts as 0), the key
// itself for the rare full comparison, and the row. Sorting these contiguous records instead
// of row pointers keeps nearly every comparison inside the array, away from rows and strings.
struct SortKey
{
    quint64 head;
    quint64 tail;
    const ushort* text;
    int size;
    WGridListRow* row;
};

// Null rows and rows made for fewer columns sort as an empty text.
const QString* KeyText(const WGridListRow* row, int column)
{
    return row && column < row->CellCount() ? &row->Cells[column].Text : nullptr;
}

void FillKey(SortKey& key, WGridListRow* row, int column)
{
    const QString* text = KeyText(row, column);
    key.text = text ? text->utf16() : nullptr;
    key.size = text ? text->size() : 0;
    key.row = row;
    key.head = key.tail = 0;
    for (int i = 0; i < 4; ++i)
        key.head = (key.head << 16) | (i < key.size ? key.text[i] : 0u);
    for (int i = 4; i < 8; ++i)
        key.tail = (key.tail << 16) | (i < key.size ? key.text[i] : 0u);
}

// The order of QString's operator<: code unit by code unit, then the shorter first.
inline bool KeyLess(const SortKey& a, const SortKey& b)
{
    if (a.head != b.head)
        return a.head < b.head;
    if (a.tail != b.tail)
        return a.tail < b.tail;
    // Equal packed words mean that the first min(8, size) units of both keys are equal.
    const int n = qMin(a.size, b.size);
    for (int i = 8; i < n; ++i) {
        if (a.text[i] != b.text[i])
            return a.text[i] < b.text[i];
    }
    return a.size < b.size;
}

// Reading a key goes row -> cell array -> string data, three dependent cache misses on a big
// model. Each is requested a few rows ahead so that the chain is in cache when its turn comes.
std::vector<SortKey> MakeKeys(const QList<WGridListRow*>& rows, int column)
{
    const int count = rows.size();
    std::vector<SortKey> keys(size_t(count), SortKey{});
    for (int i = 0; i < count; ++i) {
        if (i + 24 < count)
            __builtin_prefetch(rows.at(i + 24));
        if (i + 16 < count) {
            const WGridListRow* ahead = rows.at(i + 16);
            if (ahead && column < ahead->CellCount())
                __builtin_prefetch(&ahead->Cells[column]);
        }
        if (i + 8 < count) {
            // The string's storage, by the pointer the string itself holds: asking for its
            // characters could already wait for a header to arrive.
            if (const QString* ahead = KeyText(rows.at(i + 8), column))
                __builtin_prefetch(WStringStorage(*ahead));
        }
        FillKey(keys[size_t(i)], rows.at(i), column);
    }
    return keys;
}

} // namespace

struct WGridListDataPrivate
{
    QList<WGridList*> viewers;
    // Written only by the thread that holds the lock, which clears it before unlocking, so a
    // thread reads its own id here exactly while it holds the lock.
    std::atomic<Qt::HANDLE> holder{nullptr};
};

WGridListData::WGridListData(int columnCount)
    : ColumnCount(qMax(columnCount, 0)), d(std::make_unique<WGridListDataPrivate>())
{
    Tsan::Create(&Mutex);
}

// A grid told here may run the application's code (an editor in a cell hears that it lost the
// focus), which may delete other grids: each one leaves the list as it is destroyed, so the
// list is taken from one grid at a time.
WGridListData::~WGridListData()
{
    while (!d->viewers.isEmpty())
        d->viewers.takeFirst()->ForgetDataSource(this);
    Clear();
    Tsan::Destroy(&Mutex);
}

void WGridListData::AddViewer(WGridList* grid)
{
    if (!d->viewers.contains(grid))
        d->viewers.append(grid);
}

void WGridListData::RemoveViewer(WGridList* grid)
{
    d->viewers.removeAll(grid);
}

bool WGridListData::HeldByCurrentThread() const
{
    return d->holder.load(std::memory_order_relaxed) == QThread::currentThreadId();
}

WGridListRow* WGridListData::CreateRow() const
{
    return WGridListRow::CreateWithCells(ColumnCount);
}

void WGridListData::AddRow(WGridListRow* row)
{
    Rows.append(row);
}

void WGridListData::RemoveRow(int index)
{
    if (index < 0 || index >= Rows.size())
        return;
    delete Rows.takeAt(index);
}

void WGridListData::Clear()
{
    qDeleteAll(Rows);
    Rows.clear();
}

void WGridListData::Sort(int column)
{
    if (column < 0 || column >= ColumnCount)
        return;
    if (column == SortColumn) {
        SortDescending = !SortDescending;
    } else {
        SortColumn = column;
        SortDescending = false;
    }
    if (Rows.size() < 2)
        return;

    std::vector<SortKey> keys = MakeKeys(Rows, column);
    if (SortDescending)
        std::sort(keys.begin(), keys.end(),
                  [](const SortKey& a, const SortKey& b) { return KeyLess(b, a); });
    else
        std::sort(keys.begin(), keys.end(),
                  [](const SortKey& a, const SortKey& b) { return KeyLess(a, b); });

    auto out = Rows.begin();
    for (const SortKey& key : keys)
        *out++ = key.row;
}

void WGridListData::Lock()
{
    Tsan::PreLock(&Mutex, 0);
    Mutex.lock();
    Tsan::PostLock(&Mutex, 0);
    d->holder.store(QThread::currentThreadId(), std::memory_order_relaxed);
}

void WGridListData::Unlock()
{
    d->holder.store(nullptr, std::memory_order_relaxed);
    Tsan::PreUnlock(&Mutex);
    Mutex.unlock();
    Tsan::PostUnlock(&Mutex);
}

bool WGridListData::TryLock()
{
    Tsan::PreLock(&Mutex, Tsan::TryLock);
    const bool taken = Mutex.tryLock(0);
    Tsan::PostLock(&Mutex, Tsan::TryLock | (taken ? 0 : Tsan::TryLockFailed));
    if (taken)
        d->holder.store(QThread::currentThreadId(), std::memory_order_relaxed);
    return taken;
}
