// Read and write of a fully populated project, in memory and through the disk.
#include "core/SettingsData.h"
#include "io/IoTexts.h"
#include "io/LegacyImport.h"
#include "io/ProjectFile.h"
#include "io/SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

zek::ProjectData fullProject() {
    zek::ProjectData p = zek::NewProject(zek::FactorySettings());
    const zek::FixedText<50> text50(std::string(50, '\xE4'));
    p.Person = {text50, text50, text50, text50, text50};
    p.Projekt = {text50, text50, text50};
    for (auto& row : p.Frequenzumrichter)
        row = {9, 11, 95, 80, zek::FixedText<20>(std::string(20, '\xDF'))};
    for (auto& row : p.Sonstige)
        row = {9, zek::FixedText<20>(std::string(20, '\x80')), 1234};
    for (auto& row : p.Netzteile)
        row = {2, 24, 10, 3};
    p.Leistungsschalter.fill(12);
    p.Schaltschrank.Material = zek::Anderes;
    p.Schaltschrank.Waermedurchgangszahl = 7.2;
    return p;
}

void BM_ProjectBytes(benchmark::State& state) {
    const zek::ProjectData p = fullProject();
    for (auto _ : state)
        benchmark::DoNotOptimize(zek::ProjectFileBytes(p, 4711));
}
BENCHMARK(BM_ProjectBytes);

void BM_ProjectParse(benchmark::State& state) {
    const QByteArray bytes = zek::ProjectFileBytes(fullProject(), 4711);
    const zek::ProjectData fresh = zek::NewProject(zek::FactorySettings());
    for (auto _ : state) {
        zek::ProjectData p = fresh;
        zek::ReadProjectProfile(zek::Profile(std::string_view(bytes.constData(), std::size_t(bytes.size()))),
                                p);
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_ProjectParse);

// What a save and an open cost, with the write check and the flush to the disk.
void BM_ProjectWriteAndReadFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString file = dir.filePath("bench.Z20");
    const zek::NoTexts texts;
    zek::Project project(zek::FactorySettings());
    zek::Project back(zek::FactorySettings());
    for (auto _ : state) {
        project.data() = fullProject();
        const zek::IoResult r = zek::WriteProjectFile(project, file, texts, nullptr);
        if (!r.ok())
            state.SkipWithError("write failed");
        zek::ReadProjectFile(back, zek::FactorySettings(), file);
    }
}
BENCHMARK(BM_ProjectWriteAndReadFile)->Unit(benchmark::kMicrosecond);

void BM_LegacyRecord(benchmark::State& state) {
    std::string record(zek::kLegacyRecordSize, '\x07');
    for (std::size_t at = 0; at < 408; at += 51)
        record[at] = 50;
    for (auto _ : state) {
        zek::ProjectData p = zek::NewProject(zek::FactorySettings());
        benchmark::DoNotOptimize(zek::ImportLegacyRecord(record, p));
    }
}
BENCHMARK(BM_LegacyRecord);

} // namespace
