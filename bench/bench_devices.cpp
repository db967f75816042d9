#include "core/SettingsData.h"
#include "devices/Balance.h"
#include "devices/DeviceTable.h"

#include <QFile>
#include <benchmark/benchmark.h>

namespace {

const QString kCatalogue = QStringLiteral(ZEK_SOURCE_DIR "/data/zkdeu.TYP");

// A cabinet of 800 × 2000 × 600 mm with 1200 W of known loss at 45 °C inside and 35 °C
// outside: every family has a requirement, so every search of a report runs.
zek::ProjectData benchProject() {
    zek::ProjectData p = zek::NewProject(zek::FactorySettings());
    p.Schaltschrank.Breite = 800;
    p.Schaltschrank.Hoehe = 2000;
    p.Schaltschrank.Tiefe = 600;
    p.Verlustleistung.Bekannt = zek::VerlustBekannt;
    p.Verlustleistung.WertBekannt = 1200;
    p.Temperatur = {45, 15, 35, -10, 20};
    return p;
}

void BM_LiesTypDatei(benchmark::State& state) {
    for (auto _ : state) {
        zek::DeviceTable table;
        benchmark::DoNotOptimize(table.LiesTypDatei(kCatalogue));
    }
}
BENCHMARK(BM_LiesTypDatei);

// What a result report computes: the balance, the candidate search and both heater searches.
void BM_BilanzUndSuche(benchmark::State& state) {
    zek::DeviceTable table;
    if (!table.LiesTypDatei(kCatalogue)) {
        state.SkipWithError("device table missing");
        return;
    }
    const zek::ProjectData p = benchProject();
    for (auto _ : state) {
        const zek::BilanzWerte b = zek::Bilanz(p);
        benchmark::DoNotOptimize(zek::SucheKandidaten(table, p, b));
        benchmark::DoNotOptimize(zek::SucheHeizungen(table, b));
    }
}
BENCHMARK(BM_BilanzUndSuche);

// The worst single search: a requirement that no device covers even 20 times.
void BM_SucheOhneTreffer(benchmark::State& state) {
    zek::DeviceTable table;
    if (!table.LiesTypDatei(kCatalogue)) {
        state.SkipWithError("device table missing");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(table.SucheGeraet(1000000, 35, 45, "KSM"));
}
BENCHMARK(BM_SucheOhneTreffer);

} // namespace
