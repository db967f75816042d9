// Building one result report, and the summary of many projects: in one process (reading
// each project file, its balance and device search, and its row) and as the whole
// command over a plant of 1 000 to 100 000 project files.
#include "devices/DeviceTable.h"
#include "i18n/Language.h"
#include "io/IoTexts.h"
#include "io/OpenProject.h"
#include "io/ProjectFile.h"
#include "io/SettingsFile.h"
#include "report/Report.h"
#include "report/Summary.h"

#include "Process.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace zek;

struct Data {
    Settings settings;
    Language language;
    DeviceTable devices;
    Data() {
        const QDir bin(QStringLiteral(ZEK_BENCH_BIN_DIR));
        ReadSettings(settings, bin.filePath(kDefaultsFileName));
        language.LoadLanguage(bin.path(), "zkdeu");
        devices.LiesTypDatei(bin.filePath("zkdeu.TYP"));
    }
};

Data& data() {
    static Data d;
    return d;
}

ProjectData exampleProject() {
    Project project(data().settings.data());
    ReadProjectFile(project, data().settings.data(),
                    QStringLiteral(ZEK_SOURCE_DIR "/data/examples/stahl_reihenschrank.Z20"));
    return project.data();
}

void BM_ErstelleErgebnis(benchmark::State& state) {
    ProjectData p = exampleProject();
    StoredTicksSelector selector;
    const ReportContext ctx{p,        data().settings.data(),    data().language, data().devices,
                            selector, "stahl_reihenschrank.Z20", {1, 12, 2026}};
    for (auto _ : state) {
        TZEKCollection lines;
        bool abbruch = false;
        lines.ErstelleErgebnis(ctx, abbruch);
        benchmark::DoNotOptimize(lines.lines().data());
    }
}
BENCHMARK(BM_ErstelleErgebnis)->Unit(benchmark::kMicrosecond);

void BM_ErstelleAnfrage(benchmark::State& state) {
    ProjectData p = exampleProject();
    StoredTicksSelector selector;
    const ReportContext ctx{p,  data().settings.data(), data().language, data().devices, selector,
                            "", {1, 12, 2026}};
    for (auto _ : state) {
        TZEKCollection lines;
        bool abbruch = false;
        lines.ErstelleAnfrage(ctx, abbruch);
        benchmark::DoNotOptimize(lines.lines().data());
    }
}
BENCHMARK(BM_ErstelleAnfrage)->Unit(benchmark::kMicrosecond);

// A plant of N cabinets that differ in size, loss and temperatures, written once.
class Plant {
public:
    explicit Plant(int n) {
        const ProjectData base = exampleProject();
        for (int i = 0; i < n; ++i) {
            ProjectData p = base;
            p.Schaltschrank.Breite = static_cast<u16>(400 + (i % 9) * 100);
            p.Schaltschrank.Hoehe = static_cast<u16>(600 + (i % 15) * 100);
            p.Temperatur.MaxAussen = 20 + i % 20;
            p.Leistungsschuetze[0] = static_cast<u16>(i % 30);
            p.Frequenzumrichter[0].Anzahl = static_cast<u16>(i % 4);
            const QString name = QStringLiteral("p%1.Z20").arg(i);
            QFile f(m_dir.filePath(name));
            if (f.open(QIODevice::WriteOnly))
                f.write(ProjectFileBytes(p, 1));
            m_files.push_back(m_dir.filePath(name));
            m_names.push_back(name);
        }
    }
    const std::vector<QString>& files() const { return m_files; }
    // The names within the folder, as a planner passes them to zek-cli from there.
    const QStringList& names() const { return m_names; }
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    std::vector<QString> m_files;
    QStringList m_names;
};

// Seconds per project: the same from 1 000 to 100 000 projects.
benchmark::Counter perProject(std::int64_t projects) {
    return benchmark::Counter(static_cast<double>(projects),
                              benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Summary(benchmark::State& state) {
    const Plant plant(static_cast<int>(state.range(0)));
    Project project(data().settings.data());
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string out = ZusammenfassungKopf(false);
        for (const QString& file : plant.files()) {
            DoubtfulValues doubtful; // as zek-cli reads: the content checked, doubtful values listed
            OpenProject(project, data().settings.data(), file, NoTexts(), ProjectFormat::ProjectFile,
                        &doubtful);
            Zusammenfassung z = Zusammenfassen(project.data(), data().devices);
            z.datei = file.toStdString();
            out += ZusammenfassungZeile(z, false);
        }
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    state.counters["per_project"] = perProject(state.range(0));
}
BENCHMARK(BM_Summary)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

// The whole command as a planner runs it in the folder of the plant: "zek-cli summary"
// with every file, process start and output included. The files are made once per size
// and removed with the folder.
void BM_SummaryCommand(benchmark::State& state) {
    const Plant plant(static_cast<int>(state.range(0)));
    zek::bench::timeRuns(state, QStringLiteral(ZEK_BENCH_BIN_DIR "/zek-cli"),
                         QStringList{QStringLiteral("summary")} + plant.names(), plant.folder());
    state.counters["per_project"] = perProject(state.range(0));
}
BENCHMARK(BM_SummaryCommand)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace
