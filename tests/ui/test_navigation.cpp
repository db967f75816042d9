#include "ui/Navigation.h"

#include <gtest/gtest.h>

using namespace zek;

namespace {

// The German list: seven general kinds, eleven component kinds, "Ergebnis".
QStringList kindTexts() {
    QStringList texts = {"Persönliche Daten", "Angaben zum Projekt", "Hauptanschlußwerte", "Schaltschrank",
                         "Temperaturen",      "Gleichzeitigkeit",    "Verlustleistung"};
    for (int i = 7; i < 18; ++i)
        texts << QStringLiteral("- Komponente %1").arg(i);
    return texts << "Ergebnis"
                 << ""
                 << "nach dem Ende";
}

// One move of the user and what the window is to show afterwards.
struct Move {
    char op;  // c click(arg), n Weiter, p Zurück, d back to data entry, r/f/g result/fax/diagram
              // command, h refill
    int arg;  // row for c; for h: 1 hides the components
    int loss; // the record's loss mode at the move
    View view;
    int kind;
    int row;
    bool replace;
};

constexpr View P = View::Page, R = View::Result, F = View::Fax, G = View::Diagram, N = View::None;

Navigation::Step play(Navigation& nav, const Move& m) {
    switch (m.op) {
    case 'c':
        return nav.click(m.arg, m.loss);
    case 'n':
        return nav.click(nav.nextRow(), m.loss);
    case 'p':
        return nav.click(nav.previousRow(), m.loss);
    case 'd':
        return nav.click(nav.dataRow(m.loss), m.loss);
    case 'h':
        nav.fill(kindTexts(), m.arg != 0);
        return {nav.view(), nav.kind(), false};
    default:
        return nav.show(m.op == 'f' ? View::Fax : m.op == 'g' ? View::Diagram : View::Result);
    }
}

} // namespace

TEST(Navigation, rows_follow_the_loss_mode_and_end_at_the_first_empty_text) {
    // Known (0) and measured (1) hide the components; from the components (2) and any
    // other value show them.
    for (const auto& [mode, rows, last] : {std::tuple{0, 8, 18}, {1, 8, 18}, {2, 19, 18}, {7, 19, 18}}) {
        Navigation nav;
        nav.fill(kindTexts(), Navigation::hidesComponents(mode));
        EXPECT_EQ(nav.rowCount(), rows) << mode;
        EXPECT_EQ(nav.kindOf(rows - 1), last) << mode;
        EXPECT_EQ(nav.kindOf(rows), -1) << mode;
    }
}

TEST(Navigation, moves_lead_where_the_wizard_goes) {
    // clang-format off
    const std::vector<std::vector<Move>> walks = {
        // A click on a row shows its page; the same row again makes nothing new, the loss
        // page is made afresh every time; Zurück stops at the first row.
        {{'h', 0, 2, N, -1, -1, false}, {'c', 3, 2, P, 3, 3, true}, {'c', 3, 2, P, 3, 3, false},
         {'c', 6, 2, P, 6, 6, true}, {'c', 6, 2, P, 6, 6, true}, {'c', 0, 2, P, 0, 0, true},
         {'p', 0, 2, P, 0, 0, false}, {'c', 19, 2, P, 0, 0, false}}, // no such row
        // Weiter on the loss page: the circuit breakers only for loss from the components.
        {{'h', 0, 2, N, -1, -1, false}, {'c', 6, 2, P, 6, 6, true}, {'n', 0, 2, P, 7, 7, true}},
        {{'h', 0, 1, N, -1, -1, false}, {'c', 6, 1, P, 6, 6, true}, {'n', 0, 1, R, -1, 7, true}},
        // The known loss hides the components: row 7 is "Ergebnis", after it nothing; back to
        // data entry lands on the loss page, also from a full list whose row 7 would show the result.
        {{'h', 1, 0, N, -1, -1, false}, {'c', 6, 0, P, 6, 6, true}, {'n', 0, 0, R, -1, 7, true},
         {'n', 0, 0, R, -1, 7, false}, {'d', 0, 0, P, 6, 6, true}, {'h', 0, 0, P, 6, 6, false},
         {'c', 7, 0, R, -1, 7, true}, {'d', 0, 0, P, 6, 6, true}},
        // From the components the row before "Ergebnis" is the last component page; with
        // nothing highlighted the way back is the first page.
        {{'h', 0, 2, N, -1, -1, false}, {'c', 18, 2, R, -1, 18, true}, {'d', 0, 2, P, 17, 17, true},
         {'c', 7, 2, P, 7, 7, true}, {'r', 0, 2, R, -1, 7, true}, {'d', 0, 2, P, 7, 7, true}},
        {{'h', 0, 2, N, -1, -1, false}, {'r', 0, 2, R, -1, -1, true}, {'d', 0, 2, P, 0, 0, true}},
        // The result command twice builds once; the inquiry replaces the report.
        {{'h', 0, 2, N, -1, -1, false}, {'c', 4, 2, P, 4, 4, true}, {'r', 0, 2, R, -1, 4, true},
         {'r', 0, 2, R, -1, 4, false}, {'f', 0, 2, F, -1, 4, true}, {'d', 0, 2, P, 4, 4, true}},
        // The diagrams likewise: shown twice they are drawn once, they replace the report
        // and the report them, and the way back leads to the page they were reached from.
        {{'h', 0, 2, N, -1, -1, false}, {'c', 4, 2, P, 4, 4, true}, {'g', 0, 2, G, -1, 4, true},
         {'g', 0, 2, G, -1, 4, false}, {'r', 0, 2, R, -1, 4, true}, {'g', 0, 2, G, -1, 4, true},
         {'n', 0, 2, P, 5, 5, true}, {'g', 0, 2, G, -1, 5, true}, {'d', 0, 2, P, 5, 5, true}},
        // A refill keeps the highlighted row while the list still has it.
        {{'h', 0, 2, N, -1, -1, false}, {'c', 10, 2, P, 10, 10, true}, {'h', 1, 0, P, 10, -1, false}},
    };
    // clang-format on
    for (std::size_t w = 0; w < walks.size(); ++w) {
        Navigation nav;
        for (std::size_t i = 0; i < walks[w].size(); ++i) {
            const Move& m = walks[w][i];
            const Navigation::Step step = play(nav, m);
            const std::string where = "walk " + std::to_string(w) + " move " + std::to_string(i);
            EXPECT_EQ(step.replace, m.replace) << where;
            EXPECT_EQ(nav.view(), m.view) << where;
            EXPECT_EQ(nav.kind(), m.kind) << where;
            EXPECT_EQ(nav.row(), m.row) << where;
        }
    }
}
