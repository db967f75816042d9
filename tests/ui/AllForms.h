#pragma once

#include "PageFixture.h"
#include "ui/pages/Dl_auswa.h"
#include "ui/pages/Dl_grund.h"
#include "ui/pages/Dl_optio.h"
#include "ui/pages/PageFactory.h"

#include <QDir>
#include <memory>
#include <vector>

namespace zek::test {

// Every form of the pages and dialogs, built on one fixture; the selection dialog with
// a candidate of every variant, so that all its boxes are in use.
inline std::vector<std::unique_ptr<TLanguageForm>> AllForms(PageFixture& f) {
    f.project.data().Verlustleistung.Bekannt = VerlustNichtBekannt;
    std::vector<std::unique_ptr<TLanguageForm>> forms;
    for (int i = 0; i < kDataPageCount; ++i)
        forms.emplace_back(CreatePage(i, f.ctx, nullptr));
    forms.emplace_back(new TGrundSchaltschrankDlg(f.ctx));
    forms.emplace_back(new TGrundGleichzeitigkeitDlg(f.ctx));
    forms.emplace_back(new TGrundAdressDlg(f.ctx));
    forms.emplace_back(new TGOptionenDlg(f.ctx));
    forms.emplace_back(new TVerzeichnisDlg(f.ctx, QStringLiteral(ZEK_SOURCE_DIR "/data/lang")));
    Kandidatenliste all;
    for (const char* code : {"L--", "LV-", "LF-", "LD-", "TX-", "WA-", "W9-", "KY-", "KSM", "KSO", "KD-"})
        all.push_back({int(all.size()), 1, 100, code});
    forms.emplace_back(new TAuswahlDlg(f.ctx, all, f.project.data().Auswahl, true));
    return forms;
}

} // namespace zek::test
