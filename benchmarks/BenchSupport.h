#pragma once

#include <benchmark/benchmark.h>

#include <QString>

#include <functional>
#include <string>
#include <vector>

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

// One line of the ratio table: a pair's name and Qt's time over ours.
struct PairRatio
{
    std::string name;
    double ratio = 0;
};

// Draws the ratios as a bar chart into an image file; false when there is nothing to draw or
// the file cannot be written.
bool WriteRatioChart(const std::vector<PairRatio>& ratios, const QString& file);

} // namespace WexalBench
