// The benchmark driver: a QApplication on the offscreen platform, Google Benchmark's console
// output, and afterwards a table pairing each Wexal case with its Qt counterpart.
#include "BenchSupport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

namespace WexalBench {

void Settle()
{
    for (int i = 0; i < 4; ++i)
        QCoreApplication::sendPostedEvents();
}

double ResidentMiB()
{
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    if (fields.size() < 2)
        return 0;
    return fields.at(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

int RegisterPair(const char* name, BenchFunction wexal, BenchFunction qt,
                 const Configure& configure)
{
    const std::string base(name);
    auto* ours = benchmark::RegisterBenchmark((base + "/Wexal").c_str(), wexal);
    auto* theirs = benchmark::RegisterBenchmark((base + "/Qt").c_str(), qt);
    if (configure) {
        configure(ours);
        configure(theirs);
    }
    return 0;
}

} // namespace WexalBench

namespace {

class PairReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions the mean is the figure to pair; a single run stands for itself.
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            if (run.run_type == Run::RT_Aggregate) {
                if (run.aggregate_name == "mean")
                    means[run.run_name.str()] = run.GetAdjustedRealTime();
            } else {
                times[run.run_name.str()] = run.GetAdjustedRealTime();
            }
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const auto& [name, mean] : means)
            times[name] = mean;
        std::printf("\n%-52s %14s %14s %10s\n", "pair", "Wexal", "Qt", "Qt/Wexal");
        for (const auto& [name, ours] : times) {
            const auto at = name.find("/Wexal");
            if (at == std::string::npos)
                continue;
            std::string qtName = name;
            qtName.replace(at, 6, "/Qt");
            const auto qt = times.find(qtName);
            if (qt == times.end() || ours <= 0)
                continue;
            std::string pair = name;
            pair.erase(at, 6);
            std::printf("%-52s %14.1f %14.1f %9.2fx\n", pair.c_str(), ours, qt->second,
                        qt->second / ours);
            ratios.push_back({pair, qt->second / ours});
        }
        std::printf("(times per iteration in the unit above; ratio > 1 means Wexal is faster)\n");
    }

    std::vector<WexalBench::PairRatio> ratios;

private:
    std::map<std::string, double> times;
    std::map<std::string, double> means;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform warns about every window it cannot size-hint; not our business.
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    QApplication app(argc, argv);
    // Ours, not Google Benchmark's: taken out before it sees the arguments.
    QString chart;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (!arg.startsWith("--chart="))
            continue;
        chart = QString::fromLocal8Bit(arg.mid(8));
        std::copy(argv + i + 1, argv + argc, argv + i);
        argv[--argc] = nullptr;
        --i;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    PairReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (!chart.isEmpty()) {
        if (!WexalBench::WriteRatioChart(reporter.ratios, chart)) {
            std::fprintf(stderr, "no chart written to %s\n", qPrintable(chart));
            return 1;
        }
        std::printf("chart: %s\n", qPrintable(chart));
    }
    return 0;
}
