// Whole runs of zek-cli (start, data, command, end) against a process that only creates a
// QCoreApplication. Runs of the benchmarks alternate when repeated
// (--benchmark_repetitions=15 --benchmark_enable_random_interleaving=true).

#include <QProcess>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

void runToEnd(benchmark::State& state, const QString& program, const QStringList& args) {
    for (auto _ : state) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        const auto start = std::chrono::steady_clock::now();
        process.start(program, args);
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            state.SkipWithError("the program did not run cleanly");
            return;
        }
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

const QString kCli = QStringLiteral(ZEK_BENCH_BIN_DIR "/zek-cli");

void BM_CoreApplication(benchmark::State& state) {
    runToEnd(state, QStringLiteral(ZEK_BENCH_CORE_APP), {});
}

void BM_CliReport(benchmark::State& state) {
    runToEnd(state, kCli, {"report", ZEK_SOURCE_DIR "/data/examples/stahl_reihenschrank.Z20"});
}

void BM_CliText(benchmark::State& state) {
    runToEnd(state, kCli, {"text", "1004009"});
}

} // namespace

BENCHMARK(BM_CoreApplication)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_CliReport)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_CliText)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
