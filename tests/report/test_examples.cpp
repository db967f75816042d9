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

namespace zek {
namespace {

// Project file, language, inquiry (fax) or result report.
class Examples : public ::testing::TestWithParam<std::tuple<const char*, const char*, bool>> {};

TEST_P(Examples, match_their_golden_lines) {
    const auto [file, code, fax] = GetParam();
    const QDir bin(qEnvironmentVariable("ZEK_BIN_DIR"));
    if (!QFileInfo::exists(bin.filePath("Xalto.zip")))
        GTEST_SKIP() << "no language texts in " << qPrintable(bin.path());

    Settings settings;
    ReadSettings(settings, bin.filePath(kDefaultsFileName));
    Language language;
    ASSERT_TRUE(language.LoadLanguage(bin.path(), code));
    DeviceTable devices;
    ASSERT_TRUE(devices.LiesTypDatei(bin.filePath(QString(code) + ".TYP")));

    const QDir examples(QStringLiteral(ZEK_SOURCE_DIR "/data/examples"));
    const QString name = file;
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
    if (fax)
        lines.ErstelleAnfrage(ctx, abbruch);
    else
        lines.ErstelleErgebnis(ctx, abbruch);

    std::string got;
    for (const std::string& l : lines.lines())
        got += cp1252ToUtf8(l) + "\n";
    QFile golden(examples.filePath(QFileInfo(name).completeBaseName() + (fax ? ".fax." : ".report.") +
                                   QString(code).mid(2) + ".txt"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << qPrintable(golden.fileName());
    EXPECT_EQ(got, golden.readAll().toStdString()) << qPrintable(golden.fileName()); // shows a diff
}

INSTANTIATE_TEST_SUITE_P(Shipped, Examples,
                         ::testing::Combine(::testing::Values("kunststoff_wandgehaeuse.Z20",
                                                              "stahl_reihenschrank.Z20",
                                                              "edelstahl_gemessen.Z20", "saegewerk_v11.ZEK"),
                                            ::testing::Values("zkdeu", "zkeng"), ::testing::Bool()));

} // namespace
} // namespace zek
