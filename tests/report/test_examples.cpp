// The shipped example projects against their golden reports and inquiries.
#include "Beispiele.h"

#include "core/Cp1252.h"
#include "report/Report.h"

#include <QFile>
#include <gtest/gtest.h>

namespace zek {
namespace {

using test::Shipped;

// A text table of an older version, or a customer's own, that lacks the component labels.
struct WithoutLabels : TextSource {
    const TextSource& table;
    explicit WithoutLabels(const TextSource& t) : table(t) {}
    std::string GetLangText(std::uint32_t n) const override {
        return n >= 1006120 && n <= 1006155 ? std::string() : table.GetLangText(n);
    }
};

// As `zek-cli report NAME` prints it in the examples folder on 1 December 2026 (UTF-8).
std::string build(ProjectData& project, const Shipped& s, const TextSource& texts, const QString& name,
                  bool fax) {
    StoredTicksSelector selector;
    const ReportContext ctx{project,  s.settings.data(),  texts,        s.devices,
                            selector, name.toStdString(), {1, 12, 2026}};
    TZEKCollection lines;
    bool abbruch = false;
    if (fax)
        lines.ErstelleAnfrage(ctx, abbruch);
    else
        lines.ErstelleErgebnis(ctx, abbruch);
    std::string out;
    for (const std::string& l : lines.lines())
        out += cp1252ToUtf8(l) + "\n";
    return out;
}

// Project file, language, inquiry (fax) or result report.
class Examples : public ::testing::TestWithParam<std::tuple<const char*, const char*, bool>> {};

TEST_P(Examples, match_their_golden_lines) {
    const auto [file, code, fax] = GetParam();
    Shipped s;
    if (!s.there())
        GTEST_SKIP() << "no language texts in " << qPrintable(s.bin.path());
    ASSERT_TRUE(s.load(code));
    const QString name = file;
    Project project(s.settings.data());
    ASSERT_TRUE(s.example(project, name));

    QFile golden(s.examples.filePath(QFileInfo(name).completeBaseName() + (fax ? ".fax." : ".report.") +
                                     QString(code).mid(2) + ".txt"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << qPrintable(golden.fileName());
    const std::string want = golden.readAll().toStdString();
    EXPECT_EQ(build(project.data(), s, s.language, name, fax), want) << qPrintable(golden.fileName());
    // A German table without the component labels prints the same German report.
    if (QString(code) == "zkdeu") {
        EXPECT_EQ(build(project.data(), s, WithoutLabels(s.language), name, fax), want) << "without labels";
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, Examples,
                         ::testing::Combine(::testing::Values("kunststoff_wandgehaeuse.Z20",
                                                              "stahl_reihenschrank.Z20",
                                                              "edelstahl_gemessen.Z20", "saegewerk_v11.ZEK"),
                                            ::testing::Values("zkdeu", "zkeng", "zkfra"), ::testing::Bool()));

} // namespace
} // namespace zek
