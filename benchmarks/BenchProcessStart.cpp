// A whole process from its start to its first painted frame: the gallery against qss_window,
// which shows the Qt screen of BenchScreen under its style sheet. Both are started with
// --screenshot FILE, which shows the window offscreen, lets posted events run, grabs the window
// (its first paint) into FILE and exits. The clock stops when FILE is closed after writing, seen
// through inotify, so the teardown of either process is not counted; the time to the exit is
// kept as the "ExitMs" counter. FILE is a BMP: writing it is a copy, where PNG compression
// would weigh the bigger gallery window down.
#include "BenchSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTimer>

#ifdef __linux__
#include <sys/inotify.h>
#include <unistd.h>

#include <climits>
#endif

namespace {

constexpr int timeoutMs = 60000;

#ifdef __linux__
// Watches one folder for files closed after writing.
class ClosedFiles
{
public:
    explicit ClosedFiles(const QString& folder)
        : fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)),
          ok(fd >= 0 &&
             inotify_add_watch(fd, QFile::encodeName(folder).constData(), IN_CLOSE_WRITE) >= 0)
    {
    }
    ~ClosedFiles()
    {
        if (fd >= 0)
            ::close(fd);
    }
    ClosedFiles(const ClosedFiles&) = delete;
    ClosedFiles& operator=(const ClosedFiles&) = delete;

    bool Ok() const { return ok; }
    int Descriptor() const { return fd; }

    // Reads the pending events; true when one of them names file.
    bool Closed(const QByteArray& file)
    {
        alignas(inotify_event) char buffer[sizeof(inotify_event) + NAME_MAX + 1];
        bool seen = false;
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n <= 0)
                return seen;
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if (event->len > 0 && file == event->name)
                    seen = true;
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
    }

private:
    int fd;
    bool ok;
};
#else
// Elsewhere there is no watch: the pair reports that it cannot run.
class ClosedFiles
{
public:
    explicit ClosedFiles(const QString&) {}
    bool Ok() const { return false; }
    int Descriptor() const { return -1; }
    bool Closed(const QByteArray&) { return false; }
};
#endif

struct Timing
{
    double frameMs = -1; // to the written frame; -1 when it never came
    double exitMs = -1;
    QString error;
};

Timing runOnce(const QString& program, const QString& folder)
{
    Timing timing;
    const QString name = QStringLiteral("frame.bmp");
    QFile::remove(folder + QLatin1Char('/') + name);
    ClosedFiles closed(folder);
    if (!closed.Ok()) {
        timing.error = QStringLiteral("no inotify watch to see the frame written");
        return timing;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    QEventLoop loop;
    QSocketNotifier notifier(closed.Descriptor(), QSocketNotifier::Read);
    QElapsedTimer clock;
    QObject::connect(&notifier, &QSocketNotifier::activated, &loop, [&] {
        if (closed.Closed(name.toUtf8()) && timing.frameMs < 0) {
            timing.frameMs = double(clock.nsecsElapsed()) / 1e6;
            loop.quit();
        }
    });
    QObject::connect(&process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), &loop,
                     [&] { loop.quit(); });
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&] { loop.quit(); });
    QTimer::singleShot(timeoutMs, &loop, [&] { loop.quit(); });
    clock.start();
    process.start(program, {QStringLiteral("--screenshot"), folder + QLatin1Char('/') + name});
    loop.exec();
    if (process.state() != QProcess::NotRunning && !process.waitForFinished(timeoutMs))
        process.kill();
    timing.exitMs = double(clock.nsecsElapsed()) / 1e6;
    if (timing.frameMs < 0)
        timing.error = QStringLiteral("%1 wrote no frame (%2)").arg(program, process.errorString());
    else if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        timing.error = QStringLiteral("%1 failed").arg(program);
    return timing;
}

void processStart(benchmark::State& state, const char* program)
{
    if (!QFile::exists(QFile::decodeName(program))) {
        state.SkipWithError("program not built");
        return;
    }
    QTemporaryDir folder;
    double exitTotal = 0;
    for (auto _ : state) {
        const Timing timing = runOnce(QFile::decodeName(program), folder.path());
        if (!timing.error.isEmpty()) {
            state.SkipWithError(timing.error.toUtf8().constData());
            return;
        }
        state.SetIterationTime(timing.frameMs / 1000.0);
        exitTotal += timing.exitMs;
    }
    state.counters["ExitMs"] = exitTotal / double(state.iterations());
}

void galleryStart(benchmark::State& state)
{
    processStart(state, WEXAL_GALLERY_PROGRAM);
}

void qssWindowStart(benchmark::State& state)
{
    processStart(state, WEXAL_QSS_WINDOW_PROGRAM);
}

const int registered =
    WexalBench::RegisterPair("Screen/ProcessStartToFirstFrame", galleryStart, qssWindowStart,
                             [](benchmark::internal::Benchmark* b) {
                                 b->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
                             });

} // namespace
