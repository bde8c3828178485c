#pragma once

#include <benchmark/benchmark.h>

#include <functional>

namespace WexalBench {

using BenchFunction = void (*)(benchmark::State&);
using Configure = std::function<void(benchmark::internal::Benchmark*)>;

// Registers "<name>/Wexal" and "<name>/Qt" with the same arguments; after the run the shared
// main matches them by name and prints Qt's time over ours. Returns a dummy so that it can
// initialise a namespace-scope constant.
int RegisterPair(const char* name, BenchFunction wexal, BenchFunction qt,
                 const Configure& configure = {});

// Delivers every posted event, including the cascades of nested layouts.
void Settle();

// The process's resident memory in MiB. Freed memory is handed back to the system first, so
// that a case does not look free because it took over what an earlier case left behind.
double ResidentMiB();

} // namespace WexalBench
