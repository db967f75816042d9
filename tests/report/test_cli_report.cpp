// zek-cli report and summary run as a user runs them.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString binDir() {
    return QString::fromLocal8Bit(qgetenv("ZEK_BIN_DIR"));
}

const QString kExamples = QStringLiteral(ZEK_SOURCE_DIR "/data/examples");

struct CliRun {
    int exitCode = -1;
    QByteArray out, err;
};

CliRun runCli(const QStringList& args) {
    QProcess process;
    process.setWorkingDirectory(kExamples);
    process.start(QDir(binDir()).filePath("zek-cli"), args);
    CliRun r;
    if (!process.waitForFinished(30000))
        return r;
    r.exitCode = process.exitCode();
    r.out = process.readAllStandardOutput();
    r.err = process.readAllStandardError();
    return r;
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QFile::exists(QDir(binDir()).filePath("zek-cli")) ||
            !QFile::exists(QDir(binDir()).filePath("Xalto.zip")))
            GTEST_SKIP() << "zek-cli or its data not built";
    }
};

TEST_F(Cli, report_prints_the_golden_lines_whatever_the_order_of_options) {
    QFile golden(kExamples + "/stahl_reihenschrank.report.eng.txt");
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QByteArray want = golden.readAll();
    const QString bin = binDir();
    const CliRun after = runCli(
        {"report", "stahl_reihenschrank.Z20", "--lang", "zkeng", "--date", "1.12.2026", "--data-dir", bin});
    const CliRun before = runCli(
        {"report", "--data-dir", bin, "--date", "1.12.2026", "--lang", "zkeng", "stahl_reihenschrank.Z20"});
    EXPECT_EQ(after.exitCode, 0) << after.err.toStdString();
    EXPECT_EQ(after.out, want);
    EXPECT_EQ(before.out, want);

    // Windows-1252 on request: "Schütz" holds the single byte 0xFC
    const CliRun cp =
        runCli({"report", "stahl_reihenschrank.Z20", "--encoding", "cp1252", "--data-dir", bin});
    EXPECT_TRUE(cp.out.contains("Sch\xFCtz"));
}

TEST_F(Cli, bad_calls_end_with_their_exit_codes) {
    QTemporaryDir empty;
    const QString bin = binDir();
    const struct {
        QStringList args;
        int exitCode;
    } cases[] = {
        {{"report"}, 2},
        {{"report", "a.Z20", "b.Z20", "--data-dir", bin}, 2},
        {{"report", "stahl_reihenschrank.Z20", "--colour", "--data-dir", bin}, 2},
        {{"report", "stahl_reihenschrank.Z20", "--date", "31.2.2026", "--data-dir", bin}, 2},
        {{"report", "stahl_reihenschrank.Z20", "--encoding", "latin9", "--data-dir", bin}, 2},
        {{"report", "stahl_reihenschrank.Z20", "--lang", "../zkdeu", "--data-dir", bin}, 2}, // never a path
        {{"report", "stahl_reihenschrank.Z20", "--date"}, 2},
        {{"report", "fehlt.Z20", "--data-dir", bin}, 1},
        {{"report", "stahl_reihenschrank.report.deu.txt", "--data-dir", bin}, 1},
        {{"report", "stahl_reihenschrank.Z20", "--data-dir", empty.path()}, 3}, // no texts there
        {{"report", "--help"}, 0},
        {{"summary"}, 2},
        {{"summary", "--help"}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(runCli(c.args).exitCode, c.exitCode) << c.args.join(' ').toStdString();
}

TEST_F(Cli, summary_reports_an_unreadable_project_and_goes_on) {
    const CliRun r = runCli({"summary", "fehlt.Z20", "kunststoff_wandgehaeuse.Z20", "saegewerk_v11.ZEK",
                             "--csv", "--data-dir", binDir()});
    EXPECT_EQ(r.exitCode, 1);
    const QList<QByteArray> lines = r.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[1].startsWith("fehlt.Z20,,,,,,,"));
    // 0.4940 m² surface, known loss 120 W, cooling 120 - 17 = 103 W, heating off 17 W
    EXPECT_TRUE(lines[2].startsWith("kunststoff_wandgehaeuse.Z20,0.49,120,103,17,0,"))
        << lines[2].toStdString();
    EXPECT_TRUE(lines[3].startsWith("saegewerk_v11.ZEK,1.62,477,388,134,0,")) << lines[3].toStdString();
}

} // namespace
