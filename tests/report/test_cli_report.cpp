// zek-cli report and summary run as a user runs them.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kBin = qEnvironmentVariable("ZEK_BIN_DIR");
const QString kExamples = QStringLiteral(ZEK_SOURCE_DIR "/data/examples");

// Exit code (-1: did not finish) and standard output of zek-cli run in the examples folder.
std::pair<int, std::string> runCli(const QStringList& args) {
    QProcess process;
    process.setWorkingDirectory(kExamples);
    process.start(kBin + "/zek-cli", args);
    if (!process.waitForFinished(30000))
        return {-1, {}};
    return {process.exitCode(), process.readAllStandardOutput().toStdString()};
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QFile::exists(kBin + "/zek-cli") || !QFile::exists(kBin + "/Xalto.zip"))
            GTEST_SKIP() << "zek-cli or its data not built";
    }
};

TEST_F(Cli, report_prints_the_golden_lines_in_the_encoding_asked_for) {
    QFile golden(kExamples + "/stahl_reihenschrank.report.eng.txt");
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    EXPECT_EQ(runCli({"report", "--data-dir", kBin, "--date", "1.12.2026", "--lang", "zkeng",
                      "stahl_reihenschrank.Z20"}),
              (std::pair<int, std::string>{0, golden.readAll().toStdString()}));
    // Windows-1252 on request, by either name: "Schütz" holds the single byte 0xFC
    for (const char* encoding : {"cp1252", "windows-1252"})
        EXPECT_TRUE(runCli({"report", "stahl_reihenschrank.Z20", "--encoding", encoding, "--data-dir", kBin})
                        .second.find("Sch\xFCtz") != std::string::npos)
            << encoding;
}

TEST_F(Cli, bad_calls_end_with_their_exit_codes) {
    QTemporaryDir empty;
    const QString p = "stahl_reihenschrank.Z20";
    const std::pair<QStringList, int> cases[] = {
        {{"report"}, 2},
        {{"report", "a.Z20", "b.Z20", "--data-dir", kBin}, 2},
        {{"report", p, "--colour", "--data-dir", kBin}, 2},
        {{"report", p, "--encoding", "latin9", "--data-dir", kBin}, 2},
        {{"report", p, "--lang", "../zkdeu", "--data-dir", kBin}, 2}, // never a path
        {{"report", p, "--date"}, 2},
        {{"report", p, "--data-dir", empty.path()}, 3}, // no texts there
        {{"summary"}, 2},
    };
    for (const auto& [args, exitCode] : cases)
        EXPECT_EQ(runCli(args).first, exitCode) << args.join(' ').toStdString();
}

TEST_F(Cli, summary_reports_an_unreadable_project_and_goes_on) {
    const auto [exitCode, out] = runCli({"summary", "fehlt.Z20", "kunststoff_wandgehaeuse.Z20",
                                         "saegewerk_v11.ZEK", "--csv", "--data-dir", kBin});
    EXPECT_EQ(exitCode, 1);
    const QList<QByteArray> lines = QByteArray::fromStdString(out).trimmed().split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[1].startsWith("fehlt.Z20,,,,,,,"));
    // 0.4940 m² surface, known loss 120 W, cooling 120 - 17 = 103 W, heating off 17 W
    EXPECT_TRUE(lines[2].startsWith("kunststoff_wandgehaeuse.Z20,0.49,120,103,17,0,")) << lines[2].data();
    EXPECT_TRUE(lines[3].startsWith("saegewerk_v11.ZEK,1.62,477,388,134,0,")) << lines[3].data();
}

} // namespace
