#include "core/Cabinet.h"
#include "core/Losses.h"
#include "core/ProjectData.h"
#include "core/SettingsData.h"

#include <benchmark/benchmark.h>

namespace {

// Every slot and row of the record in use, with all three fuse kinds and power-supply kinds.
zek::ProjectData fullyPopulated() {
    zek::ProjectData p = zek::NewProject(zek::FactorySettings());
    for (std::size_t i = 0; i < p.Leistungsschalter.size(); ++i)
        p.Leistungsschalter[i] = zek::u16(i + 1);
    for (std::size_t i = 0; i < p.Sicherungen.size(); ++i)
        p.Sicherungen[i] = {zek::u16(3 * i + 1), zek::u16(16 + 25 * i), zek::u16(1 + i % 3)};
    p.Motorschutz = {4, 2};
    p.Relais = {20, 10, 30, 15};
    for (std::size_t i = 0; i < p.Leistungsschuetze.size(); ++i)
        p.Leistungsschuetze[i] = zek::u16(i + 2);
    p.Lampen = {10, 8, 3, 5};
    for (std::size_t i = 0; i < p.Transformatoren.size(); ++i)
        p.Transformatoren[i] = {zek::u16(1 + i % 2), zek::u16(100 * (i + 1))};
    for (std::size_t i = 0; i < p.Netzteile.size(); ++i)
        p.Netzteile[i] = {zek::u16(1 + i), 24, zek::u16(2 + i), zek::u16(i % 4)};
    for (std::size_t i = 0; i < p.Frequenzumrichter.size(); ++i)
        p.Frequenzumrichter[i] = {zek::u16(1 + i), zek::u16(4 + 3 * i), 95, 80, "FU"};
    p.Steuerungen = {16, 16, 8, 4};
    for (std::size_t i = 0; i < p.Sonstige.size(); ++i)
        p.Sonstige[i] = {zek::u16(1 + i), "Quelle", zek::u16(20 * (i + 1))};
    return p;
}

void BM_TeilverlusteUndGesamt(benchmark::State& state) {
    const zek::ProjectData p = fullyPopulated();
    for (auto _ : state) {
        zek::Teilverluste t = zek::BerechneTeilverluste(p);
        benchmark::DoNotOptimize(t);
        std::int32_t total = zek::Gesamtverlustleistung(p);
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_TeilverlusteUndGesamt);

void BM_OberflaecheUndWandwaerme(benchmark::State& state) {
    zek::ProjectData p = fullyPopulated();
    p.Temperatur = {35, 5, 40, -10, 15};
    for (auto _ : state) {
        std::uint32_t a = zek::Oberflaeche(p);
        std::int32_t max = zek::WandwaermeMax(p);
        std::int32_t min = zek::WandwaermeMin(p);
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(max);
        benchmark::DoNotOptimize(min);
    }
}
BENCHMARK(BM_OberflaecheUndWandwaerme);

} // namespace
