// Any bytes as a project file, turned into a result report and a fax inquiry: whatever
// the record holds, the builders finish, and both documents begin and end as they must.
#include "core/SettingsData.h"
#include "core/TextSource.h"
#include "devices/DeviceTable.h"
#include "io/Profile.h"
#include "io/ProjectFile.h"
#include "report/Report.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Texts with singular/plural groups and line breaks where the shipped texts have them.
struct Texts : zek::TextSource {
    std::string GetLangText(std::uint32_t n) const override {
        if (n == 1006079)
            return "Ende\r\nletzte Zeile";
        const bool headings = n == 1006113 || n == 1006065 || n == 1006070 || n == 1006114;
        return headings ? "Ger\xE4t{|e} {a|b}: " : "#" + std::to_string(n);
    }
};

// The last filter fan has no exit filter line behind it.
const zek::DeviceTable& table() {
    static const zek::DeviceTable t = [] {
        zek::DeviceTable d;
        d.LiesTypText("Fuzz\n--\n"
                      "VH 1100.001     HI- A    50  230   50    0 Heizung\n"
                      "VL 3200.102     L-- D   100  230    8   33 Filterluefter\n"
                      "VT 4000.001     TX- D   500  230    0    0 Waermetauscher\n"
                      "VW 5000.001     WA- D  2000  230    0    0 Wasser\n"
                      "VK 6000.001     KSM D  9001  230    0    0 Kuehlgeraet\n"
                      "VK 6000.002     KY- D  1000  230    0    0 Kuehlgeraet\n"
                      "VL 3200.103     L-- D   900  230    8   33 Filterluefter am Ende\n"
                      "--\n");
        return d;
    }();
    return t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const zek::SettingsData settings = zek::FactorySettings();
    zek::ProjectData p = zek::NewProject(settings);
    zek::ReadProjectProfile(zek::Profile(std::string_view(reinterpret_cast<const char*>(data), size)), p);

    const Texts texts;
    zek::StoredTicksSelector selector;
    const zek::ReportContext ctx{p, settings, texts, table(), selector, "fuzz.Z20", {29, 2, 2028}};
    for (const bool fax : {false, true}) {
        zek::TZEKCollection lines;
        bool abbruch = true;
        if (fax)
            lines.ErstelleAnfrage(ctx, abbruch);
        else
            lines.ErstelleErgebnis(ctx, abbruch);
        const auto& l = lines.lines();
        if (abbruch || l.size() < 10)
            std::abort();
        // The report is split at every break and still closes with its last text.
        const bool closed = fax ? l.back() == "#1006095"
                                : std::none_of(l.begin(), l.end(),
                                               [](auto& s) { return s.find_first_of("\r\n") != s.npos; }) &&
                                      l.front() == "#1006112" && l[l.size() - 3] == "Ende" &&
                                      l[l.size() - 2] == "letzte Zeile" && l.back().empty();
        if (!closed)
            std::abort();
    }
    return 0;
}
