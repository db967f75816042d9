#pragma once

// Whole runs of a program for the benchmarks: wall-clock time from start to end and the
// peak of its resident memory, both taken by bench_run_measured for that one child.
#include <QProcess>
#include <QString>
#include <QStringList>

#include <benchmark/benchmark.h>

namespace zek::bench {

struct ProcessRun {
    bool ok = false; // started and ended with exit code 0
    double seconds = 0;
    double peakMiB = 0;
};

// Runs `program` with `args` in `workingDir` (the current one when empty); its standard
// output goes nowhere, its errors to ours. Windows start offscreen unless another
// platform is asked for.
inline ProcessRun runProcess(const QString& program, const QStringList& args,
                             const QString& workingDir = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QProcess runner;
    runner.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    runner.start(QStringLiteral(ZEK_BENCH_RUN_MEASURED), QStringList{workingDir, program} + args);
    ProcessRun run;
    if (!runner.waitForFinished(600000) || runner.exitCode() != 0)
        return run;
    const QStringList fields = QString::fromLatin1(runner.readAllStandardOutput()).split(' ');
    if (fields.size() != 3)
        return run;
    run.seconds = fields[0].toDouble();
    run.peakMiB = fields[1].toDouble() / 1024.0;
    run.ok = fields[2].trimmed() == QLatin1String("0");
    return run;
}

// One benchmark iteration per run: the wall-clock time as the iteration time, the peak
// memory as a counter.
inline void timeRuns(benchmark::State& state, const QString& program, const QStringList& args,
                     const QString& workingDir = {}) {
    double peak = 0;
    for (auto _ : state) {
        const ProcessRun run = runProcess(program, args, workingDir);
        if (!run.ok) {
            state.SkipWithError("the program did not start and end cleanly");
            return;
        }
        state.SetIterationTime(run.seconds);
        peak += run.peakMiB;
    }
    state.counters["peak_MiB"] = benchmark::Counter(peak, benchmark::Counter::kAvgIterations);
}

} // namespace zek::bench
