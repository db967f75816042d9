// Time from process start to the main window shown, and peak memory: the desktop program
// (with its settings, text archive, language module and device table) against an empty
// Qt window; and whole runs of zek-cli against a process that only creates a
// QCoreApplication. Repeated runs alternate with --benchmark_repetitions=15
// --benchmark_enable_random_interleaving=true.

#include "Process.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A program folder like an installation: the executable and its data, and a ZEK.INI
// with a language so that the start asks nothing.
struct ProgramFolder {
    QTemporaryDir dir;
    QString program;
    ProgramFolder() {
        const QDir bin(QStringLiteral(ZEK_BENCH_BIN_DIR));
        for (const QString& name :
             bin.entryList({"zek", "Xalto.zip", "*.TYP", "*.spl", "*.hlp", "ZEK.DEF"}, QDir::Files))
            QFile::copy(bin.filePath(name), QDir(dir.path()).filePath(name));
        QFile ini(QDir(dir.path()).filePath("ZEK.INI"));
        if (ini.open(QIODevice::WriteOnly))
            ini.write("[Optionen]\r\nSprache=zkdeu\r\n");
        program = QDir(dir.path()).filePath("zek");
        QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner);
    }
};

void BM_EmptyQtWindow(benchmark::State& state) {
    zek::bench::timeRuns(state, QStringLiteral(ZEK_BENCH_EMPTY_WINDOW), {});
}

void BM_ZekMainWindow(benchmark::State& state) {
    static ProgramFolder folder;
    zek::bench::timeRuns(state, folder.program, {QStringLiteral("--quit-when-shown")});
}

void BM_ZekWithProject(benchmark::State& state) {
    static ProgramFolder folder;
    zek::bench::timeRuns(state, folder.program,
                         {QStringLiteral("--quit-when-shown"),
                          QStringLiteral(ZEK_SOURCE_DIR "/data/examples/kunststoff_wandgehaeuse.Z20")});
}

void BM_CoreApplication(benchmark::State& state) {
    zek::bench::timeRuns(state, QStringLiteral(ZEK_BENCH_CORE_APP), {});
}

void BM_CliReport(benchmark::State& state) {
    zek::bench::timeRuns(
        state, QStringLiteral(ZEK_BENCH_BIN_DIR "/zek-cli"),
        {QStringLiteral("report"), QStringLiteral(ZEK_SOURCE_DIR "/data/examples/stahl_reihenschrank.Z20")});
}

void BM_CliText(benchmark::State& state) {
    zek::bench::timeRuns(state, QStringLiteral(ZEK_BENCH_BIN_DIR "/zek-cli"),
                         {QStringLiteral("text"), QStringLiteral("1004009")});
}

} // namespace

BENCHMARK(BM_CoreApplication)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_CliReport)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_CliText)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_EmptyQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ZekMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ZekWithProject)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
