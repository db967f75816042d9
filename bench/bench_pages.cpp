#include "core/ProjectData.h"
#include "core/SettingsData.h"
#include "i18n/Language.h"
#include "report/Selection.h"
#include "ui/FormContext.h"
#include "ui/ScriptedInteraction.h"
#include "ui/pages/PageFactory.h"
#include "ui/pages/SelectionDialog.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

using namespace zek;

namespace {

struct Records {
    Settings settings;
    Project project{settings.data()};
    Language language;
    ScriptedInteraction interaction;
    FormContext ctx{project, settings, language, interaction, {}};
    Records() { project.data().Verlustleistung.Bekannt = VerlustNichtBekannt; }
};

QApplication& app() {
    static int argc = 1;
    static char name[] = "bench_pages";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication a(argc, argv);
    return a;
}

// What the main window does on every click in its list: a new page loads the record,
// the old one stores it and goes.
void BM_PageSwitch(benchmark::State& state) {
    app();
    Records r;
    const int index = static_cast<int>(state.range(0));
    for (auto _ : state) {
        std::unique_ptr<TMDIChild> page(CreatePage(index, r.ctx, nullptr));
        page->StoreData();
        benchmark::DoNotOptimize(page.get());
    }
}
BENCHMARK(BM_PageSwitch)->DenseRange(0, kDataPageCount - 1)->Unit(benchmark::kMicrosecond);

// The selection dialog with the most candidates the search can return.
void BM_SelectionDialog(benchmark::State& state) {
    app();
    Records r;
    Kandidatenliste all;
    for (const char* code : {"L--", "LV-", "LF-", "LD-", "TX-", "WA-", "W9-", "KY-", "KSM", "KSO", "KD-"})
        all.push_back({int(all.size()), 1, 100, code});
    for (auto _ : state) {
        TAuswahlDlg dlg(r.ctx, all, r.project.data().Auswahl, true);
        benchmark::DoNotOptimize(dlg.model().maske());
    }
}
BENCHMARK(BM_SelectionDialog)->Unit(benchmark::kMicrosecond);

} // namespace
