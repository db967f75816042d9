#include "GuiApp.h"

#include "core/TextSource.h"
#include "report/print/Drucke.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct NoTexts : zek::TextSource {
    std::string GetLangText(std::uint32_t) const override { return {}; }
};

// A report as the printer sees it: 150 lines of up to 80 fixed-pitch characters,
// three A4 pages at 20/20 mm margins (52 lines per page).
std::vector<std::string> reportLines(int count) {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        if (i % 7 == 0)
            lines.emplace_back();
        else
            lines.push_back("Verlustleistung Leistungsschalter " + std::to_string(i) +
                            "                 W\xe4rme       " + std::to_string(i * 37 % 1000) + " W");
    }
    return lines;
}

zek::PrinterBlock margins() {
    zek::PrinterBlock b;
    b.LinkerRand = 20;
    b.ObererRand = 20;
    b.UntererRand = 20;
    b.RechterRand = 10;
    return b;
}

// Rendering alone, into memory.
void BM_Drucke_3Seiten_Speicher(benchmark::State& state) {
    zek::bench::guiApp();
    const auto lines = reportLines(150);
    NoTexts texts;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        const auto r = zek::Drucke(lines, margins(), "ZEK 2.2", writer, texts);
        if (!r.ok || r.seiten != 3)
            state.SkipWithError("unexpected page count");
        benchmark::DoNotOptimize(buffer.size());
    }
}
BENCHMARK(BM_Drucke_3Seiten_Speicher)->Unit(benchmark::kMillisecond);

// The whole export as the user runs it: rendering and the safe write of the file.
void BM_DruckePdf_3Seiten_Datei(benchmark::State& state) {
    zek::bench::guiApp();
    const auto lines = reportLines(150);
    NoTexts texts;
    QTemporaryDir dir;
    const QString path = dir.filePath("bericht.pdf");
    for (auto _ : state) {
        const auto r = zek::DruckePdf(lines, margins(), "ZEK 2.2 - bench.Z20", path, texts);
        if (!r.ok)
            state.SkipWithError("export failed");
    }
}
BENCHMARK(BM_DruckePdf_3Seiten_Datei)->Unit(benchmark::kMillisecond);

} // namespace
