#include "report/ReportTexts.h"
#include "report/Selection.h"

#include <gtest/gtest.h>

namespace zek {
namespace {

Kandidatenliste kandidaten(std::initializer_list<const char*> codes) {
    Kandidatenliste k;
    int index = 0;
    for (const char* c : codes)
        k.push_back({index++, 1, 0, c});
    return k;
}

// All boxes of a new project ticked, then the listed ones unticked.
std::string ticks(std::initializer_list<int> untick = {}) {
    std::string check = std::string(9, '-') + std::string(kGeraeteCheckLength - 9, '1');
    for (int t : untick)
        check[static_cast<std::size_t>(t - 1)] = '0';
    return check;
}

TEST(Selection, mask_follows_ticks_visibility_and_mapping) {
    const std::tuple<const char*, Kandidatenliste, std::string, std::uint16_t> cases[] = {
        {"all ticked", kandidaten({"L--", "TS-", "KY-"}), ticks(), 0b111},
        {"unticked variant", kandidaten({"L--", "TS-", "KY-"}), ticks({20}), 0b110},
        {"unticked family hides its variants", kandidaten({"L--", "LV-", "KD-"}), ticks({10}), 0b100},
        {"hidden filter-fan variants", kandidaten({"LW-", "L9-", "LF-"}), ticks(), 0b100},
        {"TX kept by either air/air box", kandidaten({"TX-"}), ticks({30}), 0b1},
        {"TX dropped with both unticked", kandidaten({"TX-"}), ticks({30, 31}), 0},
        // the earlier candidate wins box 31: the TD line behind the TX line has no box left
        {"earlier candidate wins a shared box", kandidaten({"TX-", "TD-"}), ticks(), 0b01},
        {"KSM hidden without its mounting box", kandidaten({"KSM", "KSO", "KY-"}), ticks({51}), 0b100},
        {"KSO follows its own box", kandidaten({"KSM", "KSO"}), ticks({55}), 0b10},
        // unrecognised codes are skipped, the others keep their numbers
        {"unrecognised codes", kandidaten({"LQ-", "KSZ", "WA-"}), ticks(), 0b100},
    };
    for (const auto& [name, k, check, mask] : cases)
        EXPECT_EQ(AuswahlModell(k, check).maske(), mask) << name;
}

TEST(Selection, boxes_enabled_mapped_and_visible) {
    AuswahlModell m(kandidaten({"KSM", "TX-"}), ticks({51}));
    EXPECT_TRUE(m.panelSichtbar(tag::Geraete));
    EXPECT_TRUE(m.panelSichtbar(tag::Luft));
    EXPECT_FALSE(m.panelSichtbar(tag::Filter));
    EXPECT_EQ(m.kandidat(tag::LAnEin), 2); // the air/air exchanger stands behind both boxes
    EXPECT_EQ(m.kandidat(tag::LAuf), 2);
    EXPECT_EQ(m.kandidat(tag::GAnEinMit), 1);
    EXPECT_EQ(m.kandidat(tag::GAnEin), 0); // opens the filter choices, stands for nobody
    EXPECT_TRUE(m.enabled(tag::GAnEin));
    EXPECT_FALSE(m.enabled(tag::GAnEinOhne));
    EXPECT_FALSE(m.visible(tag::GAnEinMit));
    EXPECT_FALSE(m.visible(tag::FDach)); // its family panel is hidden
    // ticking the mounting box shows the filter choices at once
    m.setTicked(tag::GAnEin, true);
    EXPECT_TRUE(m.visible(tag::GAnEinMit));
    EXPECT_EQ(m.maske(), 0b11);
    m.setTicked(tag::Luft, false);
    EXPECT_FALSE(m.visible(tag::LAnEin));
    EXPECT_EQ(m.maske(), 0b01);
}

TEST(Selection, confirming_stores_ticks_and_mask_in_the_record) {
    AuswahlGroup a;
    a.GeraeteCheck = ticks({24});
    a.Geraete = 65535;
    AuswahlModell m(kandidaten({"LD-", "KY-", "HX-"}), a.GeraeteCheck);
    m.setTicked(tag::GAn, false);
    EXPECT_EQ(m.bestaetigen(a), 0);
    EXPECT_EQ(a.Geraete, 0);
    EXPECT_EQ(a.GeraeteCheck, ticks({24, 50}));

    // the command line confirms the stored ticks at once and passes on the messages about unrecognised
    // codes, by family, visited from the last candidate to the first
    std::vector<std::uint32_t> shown;
    StoredTicksSelector sel([&shown](std::uint32_t n) { shown.push_back(n); });
    a.GeraeteCheck = ticks();
    EXPECT_EQ(sel.AuswahlZeigen(true, kandidaten({"KQ-", "L--", "XY-", "TZ-", ""}), a),
              std::optional<std::uint16_t>(0b10));
    EXPECT_EQ(a.Geraete, 0b10);
    const std::vector<std::uint32_t> want = {txt::UnbekannteGeraeteart, txt::UnbekannteGeraeteart,
                                             txt::UnbekannteGeraeteart, txt::UnbekanntesKuehlgeraet};
    EXPECT_EQ(shown, want);
}

} // namespace
} // namespace zek
