// The diagrams of the largest example: building the model, drawing both diagrams, and
// writing them as SVG.
#include "ExampleData.h"
#include "GuiApp.h"

#include "report/chart/DiagrammDateien.h"
#include "report/chart/DiagrammZeichner.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace zek;

bench::ShippedData& data() {
    static bench::ShippedData d(QStringLiteral(ZEK_BENCH_BIN_DIR), "zkdeu");
    return d;
}

// Twelve selected candidates, every family.
ProjectData example() {
    return data().example(QStringLiteral("stahl_reihenschrank.Z20"));
}

void BM_ErstelleDiagramme(benchmark::State& state) {
    const ProjectData p = example();
    for (auto _ : state) {
        Diagramme d = ErstelleDiagramme(p, data().devices);
        benchmark::DoNotOptimize(d.reserve.bedarfW.data());
    }
}
BENCHMARK(BM_ErstelleDiagramme)->Unit(benchmark::kMicrosecond);

struct Seite {
    Diagramme diagramme = ErstelleDiagramme(example(), data().devices);
    DiagrammTexte texte = LadeDiagrammTexte(data().language);
};

// Drawing as a window would, into a 1200 × 800 image.
void BM_ZeichneDiagramme(benchmark::State& state) {
    zek::bench::guiApp();
    const Seite s;
    QImage image(1200, 800, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        ZeichneDiagramme(painter, QRectF(10, 10, 1180, 780), s.diagramme, s.texte, {});
    }
}
BENCHMARK(BM_ZeichneDiagramme)->Unit(benchmark::kMillisecond);

void BM_SchreibeDiagrammSvg(benchmark::State& state) {
    zek::bench::guiApp();
    const Seite s;
    const Diagrammseite seite{s.diagramme, s.texte,
                              DiagrammTitelzeilen(example(), data().language, {}, {1, 12, 2026})};
    QTemporaryDir dir;
    for (auto _ : state)
        benchmark::DoNotOptimize(SchreibeDiagrammSvg(dir.filePath("d.svg"), seite, {}, data().language));
}
BENCHMARK(BM_SchreibeDiagrammSvg)->Unit(benchmark::kMillisecond);

} // namespace
