// The shipped example projects against their golden reports and inquiries.
#include "core/Cp1252.h"
#include "devices/DeviceTable.h"
#include "i18n/Language.h"
#include "io/LegacyImport.h"
#include "io/ProjectFile.h"
#include "io/SettingsFile.h"
#include "report/Report.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cstdlib>

namespace zek {
namespace {

QString binDir() {
    const char* dir = std::getenv("ZEK_BIN_DIR");
    return QString::fromUtf8(dir ? dir : "");
}

std::vector<std::string> goldenLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    std::vector<std::string> lines;
    for (const QByteArray& l : f.readAll().split('\n'))
        lines.push_back(l.toStdString());
    if (!lines.empty() && lines.back().empty())
        lines.pop_back(); // every line ends in "\n"
    return lines;
}

// Compares whole files; a failure names the first line that differs.
void expectSameLines(const std::vector<std::string>& got, const std::vector<std::string>& want,
                     const QString& golden) {
    const std::size_t common = std::min(got.size(), want.size());
    for (std::size_t i = 0; i < common; ++i)
        if (got[i] != want[i]) {
            ADD_FAILURE() << qPrintable(golden) << " line " << i + 1 << "\n  got:  " << got[i]
                          << "\n  want: " << want[i];
            return;
        }
    EXPECT_EQ(got.size(), want.size()) << qPrintable(golden);
}

struct Example {
    const char* file;
    const char* code;
    bool fax;
};

class Examples : public ::testing::TestWithParam<Example> {};

TEST_P(Examples, match_their_golden_lines) {
    const Example ex = GetParam();
    const QDir bin(binDir());
    if (!QFileInfo::exists(bin.filePath("Xalto.zip")))
        GTEST_SKIP() << "no language texts in " << qPrintable(bin.path());

    Settings settings;
    ReadSettings(settings, bin.filePath(kDefaultsFileName));
    Language language;
    ASSERT_TRUE(language.LoadLanguage(bin.path(), ex.code));
    DeviceTable devices;
    ASSERT_TRUE(devices.LiesTypDatei(bin.filePath(QString(ex.code) + ".TYP")));

    const QDir examples(QStringLiteral(ZEK_SOURCE_DIR "/data/examples"));
    const QString name = ex.file;
    Project project(settings.data());
    if (name.endsWith(".ZEK"))
        ASSERT_TRUE(ImportLegacyProject(project, examples.filePath(name), language).ok());
    else
        ASSERT_TRUE(ReadProjectFile(project, settings.data(), examples.filePath(name)));

    // As `zek-cli report NAME` run in the examples folder on 1 December 2026.
    StoredTicksSelector selector;
    const ReportContext ctx{project.data(), settings.data(),    language,     devices,
                            selector,       name.toStdString(), {1, 12, 2026}};
    TZEKCollection lines;
    bool abbruch = false;
    if (ex.fax)
        lines.ErstelleAnfrage(ctx, abbruch);
    else
        lines.ErstelleErgebnis(ctx, abbruch);
    EXPECT_FALSE(abbruch);

    std::vector<std::string> utf8;
    for (const std::string& l : lines.lines())
        utf8.push_back(cp1252ToUtf8(l));
    const QString golden =
        examples.filePath(QFileInfo(name).completeBaseName() + (ex.fax ? ".fax." : ".report.") +
                          QString(ex.code).mid(2) + ".txt");
    const auto want = goldenLines(golden);
    ASSERT_FALSE(want.empty()) << qPrintable(golden);
    expectSameLines(utf8, want, golden);
}

std::vector<Example> allExamples() {
    std::vector<Example> all;
    for (const char* f : {"kunststoff_wandgehaeuse.Z20", "stahl_reihenschrank.Z20", "edelstahl_gemessen.Z20",
                          "saegewerk_v11.ZEK"})
        for (const char* code : {"zkdeu", "zkeng"})
            for (bool fax : {false, true})
                all.push_back({f, code, fax});
    return all;
}

INSTANTIATE_TEST_SUITE_P(Shipped, Examples, ::testing::ValuesIn(allExamples()));

} // namespace
} // namespace zek
