// The chart painter and its files. The GUI application of the fonts comes with test_print.
#include "../io/IoTestSupport.h"
#include "DiagrammBeispiel.h"

#include "report/chart/DiagrammDateien.h"
#include "report/chart/DiagrammZeichner.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zek {
namespace {

TEST(RundeAchse, round_steps_of_one_two_or_five_that_hold_the_span) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::tuple<double, double, int, Achse> cases[] = {
        {0, 600, 6, {0, 600, 100}},    // 100 per step: exactly 1 · 10²
        {0, 601, 6, {0, 800, 200}},    // just above: the next round step
        {0, 1200, 6, {0, 1200, 200}},  // exactly 2 · 10²
        {0, 1201, 6, {0, 1500, 500}},  // just above
        {0, 3000, 6, {0, 3000, 500}},  // exactly 5 · 10²
        {0, 3001, 6, {0, 4000, 1000}}, // just above
        {-5, 60, 8, {-10, 60, 10}},    // bounds move out to the next step
        {5, -5, 6, {-6, 6, 2}},        // the order of the bounds does not matter
        {30, 30, 6, {29, 31, 0.5}},    // an empty span gets one degree each way
        {nan, 1, 6, {0, 1, 1}},        // an unusable bound still gives an axis
    };
    for (const auto& [min, max, teile, achse] : cases)
        EXPECT_EQ(RundeAchse(min, max, teile), achse) << min << ".." << max;
}

TEST(Titelsatz, a_title_too_wide_is_set_smaller_down_to_the_label_size_then_shortened) {
    QImage bild(10, 10, QImage::Format_RGB32);
    QFont basis;
    basis.setPixelSize(20);
    const QString titel = QStringLiteral("Reserve der Klimageräte über der Umgebungstemperatur");
    const auto [titelschrift, voll] = Titelsatz(basis, titel, 1e6, &bild);
    const double noetig = QFontMetricsF(titelschrift, &bild).horizontalAdvance(titel);
    const auto breite = [&bild](const std::pair<QFont, QString>& satz) {
        return QFontMetricsF(satz.first, &bild).horizontalAdvance(satz.second);
    };
    EXPECT_EQ(voll, titel);
    EXPECT_GT(titelschrift.pixelSize(), basis.pixelSize());

    const auto passt = Titelsatz(basis, titel, noetig, &bild); // exactly as wide: as it is
    EXPECT_EQ(passt.first.pixelSize(), titelschrift.pixelSize());
    EXPECT_EQ(passt.second, titel);

    const auto kleiner = Titelsatz(basis, titel, noetig * 0.95, &bild); // a little narrower: smaller
    EXPECT_LT(kleiner.first.pixelSize(), titelschrift.pixelSize());
    EXPECT_GE(kleiner.first.pixelSize(), basis.pixelSize());
    EXPECT_LE(breite(kleiner), noetig * 0.95);
    EXPECT_TRUE(kleiner.second.startsWith(titel.left(titel.size() - 2)));

    const auto gekuerzt = Titelsatz(basis, titel, noetig / 2, &bild); // far too narrow: shortened
    EXPECT_EQ(gekuerzt.first.pixelSize(), basis.pixelSize());
    EXPECT_TRUE(gekuerzt.second.endsWith(QChar(0x2026))) << gekuerzt.second.toStdString();
    EXPECT_LE(breite(gekuerzt), noetig / 2);
}

// Every text reads "T" and its number.
const test::MapTexts texts({}, "T");
const DiagrammTexte t = LadeDiagrammTexte(texts);

Diagrammseite seite(const Diagramme& d) {
    return {d, t, {QStringLiteral("Titel"), QStringLiteral("Projekt")}};
}

QImage weiss(QSize groesse) {
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    return bild;
}

TEST(Diagramme, odd_projects_and_frames_draw_without_harm) {
    const auto aendere = [](auto f) {
        ProjectData p = test::diagrammProjekt();
        f(p);
        return p;
    };
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min(),
                   kMax = std::numeric_limits<std::int32_t>::max();
    const std::pair<const char*, ProjectData> projekte[] = {
        {"no surface", aendere([](ProjectData& p) { p.Schaltschrank.Breite = p.Schaltschrank.Tiefe = 0; })},
        {"k = 0", aendere([](ProjectData& p) { p.Schaltschrank.Waermedurchgangszahl = 0; })},
        {"below every table", aendere([](ProjectData& p) { p.Temperatur.MaxAussen = 15; })},
        {"no loss, no candidates", aendere([](ProjectData& p) { p.Verlustleistung.WertBekannt = 0; })},
        {"extreme temperatures", aendere([](ProjectData& p) {
             p.Temperatur = {kMax, kMin, kMin, kMax, 65535};
         })},
    };
    Diagramme d = ErstelleDiagramme(test::diagrammProjekt(), test::typTable({{"KY-", 34}})); // 20 units
    // A model put together by hand: a limit outside the diagram, a curve too short.
    d.reserve.geraete.push_back({{0, 1, 0, "KY-"}, "X", {1000}, 500, false});
    d.reserve.geraete.push_back({{0, 1, 0, "KY-"}, "Y", {}, std::nullopt, false});
    std::vector<std::pair<const char*, Diagramme>> faelle{{"twenty units and a model by hand", d}};
    for (const auto& [name, p] : projekte)
        faelle.emplace_back(name, ErstelleDiagramme(p, test::diagrammKatalog()));

    for (const auto& [name, diagramme] : faelle) {
        for (const QSize groesse : {QSize(1600, 1000), QSize(60, 40)}) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(groesse.width()));
            QImage bild = weiss(groesse);
            QPainter painter(&bild);
            ZeichneDiagramme(painter, QRectF(QPointF(), groesse), diagramme, t, {QStringLiteral("Titel")});
            painter.end();
            EXPECT_NE(bild, weiss(groesse)); // at least the title
        }
    }
}

TEST(Diagrammdateien, a_file_that_cannot_be_written_is_named_and_the_old_one_kept) {
    const Diagramme d = ErstelleDiagramme(test::diagrammProjekt(), test::diagrammKatalog());
    QTemporaryDir dir;
    const QString png = dir.filePath("d.png");
    ASSERT_EQ(SchreibeDiagrammPng(png, seite(d), texts), QString());
    EXPECT_EQ(QImage(png).size(), QSize(1754, 1240)); // A4 landscape at 150 dpi

    const QString fehlt = dir.filePath("fehlt/d");
    EXPECT_TRUE(SchreibeDiagrammPng(fehlt, seite(d), texts).startsWith("T1012057" + fehlt));
    EXPECT_TRUE(SchreibeDiagrammSvg(fehlt, seite(d), {}, texts).startsWith("T1012057" + fehlt));
    EXPECT_TRUE(SchreibeDiagrammPdf(fehlt, seite(d), {}, {}, texts).startsWith("T1010004" + fehlt));

    // Margins that leave less than 80 mm of the 210 mm high page: 65 + 65 mm leave 80 mm,
    // 65 + 66 mm too little. The file written before stays as it was.
    const QString pdf = dir.filePath("d.pdf");
    ASSERT_EQ(SchreibeDiagrammPdf(pdf, seite(d), {10, 65, 10, 65, -1}, {}, texts), QString());
    const QByteArray vorher = test::fileBytes(pdf);
    EXPECT_EQ(SchreibeDiagrammPdf(pdf, seite(d), {10, 65, 10, 66, -1}, {}, texts), "T1010002");
    EXPECT_EQ(test::fileBytes(pdf), vorher);
}

} // namespace
} // namespace zek
