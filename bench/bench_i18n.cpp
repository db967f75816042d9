// Loading the texts at start-up and looking them up.
#include "i18n/Language.h"

#include <benchmark/benchmark.h>

namespace {

// The shipped archive when the build has produced it, beside the benchmark's build tree.
QString shippedProgramDir() {
    return QStringLiteral(ZEK_BENCH_BIN_DIR);
}

void BM_LoadShippedTexts(benchmark::State& state) {
    const char* codes[] = {"zkdeu", "zkeng", "zkfra"};
    const std::string code = codes[state.range(0)];
    std::size_t lines = 0;
    for (auto _ : state) {
        zek::Language language;
        language.setModuleMessageHandler([](const QString&) {});
        if (!language.LoadLanguage(shippedProgramDir(), code)) {
            state.SkipWithError("no Xalto.zip beside the executables");
            return;
        }
        lines = language.lineCount();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.SetLabel(code);
}
BENCHMARK(BM_LoadShippedTexts)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// A table the size of a complete language (all form and menu texts): 20 000 lines.
std::string syntheticTable(int lines) {
    std::string content;
    char key[16];
    for (int i = 0; i < lines; ++i) {
        std::snprintf(key, sizeof key, "%09d", 120000000 + i * 10);
        content += key;
        content += "Beschriftung eines Steuerelements<nl>mit Hinweis\r\n";
    }
    return content;
}

void BM_ParseTable(benchmark::State& state) {
    const std::string content = syntheticTable(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        zek::TIntStr table;
        table.setText(content);
        benchmark::DoNotOptimize(table.count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * content.size()));
}
BENCHMARK(BM_ParseTable)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);

void BM_Lookup(benchmark::State& state) {
    zek::TIntStr table;
    table.setText(syntheticTable(20000));
    std::uint32_t number = 120000000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.GetLangText(number));
        number = number >= 120199990 ? 120000000 : number + 10;
    }
}
BENCHMARK(BM_Lookup);

} // namespace
