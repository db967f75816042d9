// The diagrams of the largest example: building the model, drawing both diagrams, and
// writing them as SVG.
#include "ExampleData.h"

#include "report/chart/DiagrammDateien.h"
#include "report/chart/DiagrammZeichner.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace zek;

QGuiApplication& app() {
    static int argc = 1;
    static char name[] = "bench_chart";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication instance(argc, argv);
    return instance;
}

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

// Drawing as a window would, into a 1200 × 800 image.
void BM_ZeichneDiagramme(benchmark::State& state) {
    app();
    const ProjectData p = example();
    const Diagramme d = ErstelleDiagramme(p, data().devices);
    const DiagrammTexte texte = LadeDiagrammTexte(data().language);
    QImage image(1200, 800, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        ZeichneDiagramme(painter, QRectF(10, 10, 1180, 780), d, texte, {});
    }
}
BENCHMARK(BM_ZeichneDiagramme)->Unit(benchmark::kMillisecond);

void BM_SchreibeDiagrammSvg(benchmark::State& state) {
    app();
    const ProjectData p = example();
    const Diagramme d = ErstelleDiagramme(p, data().devices);
    const DiagrammTexte texte = LadeDiagrammTexte(data().language);
    const Diagrammseite seite{d, texte, DiagrammTitelzeilen(p, data().language, {}, {1, 12, 2026})};
    QTemporaryDir dir;
    for (auto _ : state)
        benchmark::DoNotOptimize(SchreibeDiagrammSvg(dir.filePath("d.svg"), seite, {}, data().language));
}
BENCHMARK(BM_SchreibeDiagrammSvg)->Unit(benchmark::kMillisecond);

} // namespace
