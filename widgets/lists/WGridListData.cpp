#include "WGridListData.h"

#include <algorithm>
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

// What the sort moves around: the first four UTF-16 units of the key packed so that integer
// order is their lexicographic order (a missing unit counts as 0), the key itself for the
// rare full comparison, and the row. Sorting these contiguous records instead of row
// pointers keeps nearly every comparison inside the array, without touching rows or strings.
struct SortKey
{
    quint64 prefix;
    const ushort* text;
    int size;
    WGridListRow* row;
};

SortKey MakeKey(WGridListRow* row, int column)
{
    SortKey key{0, nullptr, 0, row};
    // Null rows and rows made for fewer columns sort as an empty text.
    if (row && column < row->CellCount()) {
        const QString& text = row->Cells[column].Text;
        key.text = text.utf16();
        key.size = text.size();
    }
    for (int i = 0; i < 4; ++i)
        key.prefix = (key.prefix << 16) | (i < key.size ? key.text[i] : 0u);
    return key;
}

// The order of QString's operator<: code unit by code unit, then the shorter first.
bool KeyLess(const SortKey& a, const SortKey& b)
{
    if (a.prefix != b.prefix)
        return a.prefix < b.prefix;
    const int n = qMin(a.size, b.size);
    // Equal prefixes of two keys of at least four units mean equal first four units.
    for (int i = n >= 4 ? 4 : 0; i < n; ++i) {
        if (a.text[i] != b.text[i])
            return a.text[i] < b.text[i];
    }
    return a.size < b.size;
}

} // namespace

WGridListData::WGridListData(int columnCount) : ColumnCount(qMax(columnCount, 0))
{
    Tsan::Create(&Mutex);
}

WGridListData::~WGridListData()
{
    Clear();
    Tsan::Destroy(&Mutex);
}

WGridListRow* WGridListData::CreateRow() const
{
    return new WGridListRow(ColumnCount);
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

    std::vector<SortKey> keys;
    keys.reserve(size_t(Rows.size()));
    for (WGridListRow* row : qAsConst(Rows))
        keys.push_back(MakeKey(row, column));
    if (SortDescending)
        std::sort(keys.begin(), keys.end(),
                  [](const SortKey& a, const SortKey& b) { return KeyLess(b, a); });
    else
        std::sort(keys.begin(), keys.end(), KeyLess);

    auto out = Rows.begin();
    for (const SortKey& key : keys)
        *out++ = key.row;
}

void WGridListData::Lock()
{
    Tsan::PreLock(&Mutex, 0);
    Mutex.lock();
    Tsan::PostLock(&Mutex, 0);
}

void WGridListData::Unlock()
{
    Tsan::PreUnlock(&Mutex);
    Mutex.unlock();
    Tsan::PostUnlock(&Mutex);
}

bool WGridListData::TryLock()
{
    Tsan::PreLock(&Mutex, Tsan::TryLock);
    const bool taken = Mutex.tryLock(0);
    Tsan::PostLock(&Mutex, Tsan::TryLock | (taken ? 0 : Tsan::TryLockFailed));
    return taken;
}
