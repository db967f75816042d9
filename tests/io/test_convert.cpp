#include "IoTestSupport.h"

#include "core/SettingsData.h"
#include "io/IoTexts.h"
#include "io/LegacyImport.h"
#include "io/ProjectFile.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <sys/stat.h>

using namespace zek;
using namespace zek::test;

namespace {

class ConvertCommand : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QFileInfo(m_bin + "/zek-cli").isExecutable())
            GTEST_SKIP() << "zek-cli is not built";
    }
    // The exit code (-1 after a crash or time-out) and what the command wrote to standard error.
    std::pair<int, QString> run(const QStringList& args) const {
        QProcess p;
        p.start(m_bin + "/zek-cli", QStringList{"convert"} + args);
        const bool ended = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit;
        return {ended ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
    }
    QString path(const char* name) const { return m_dir.filePath(name); }
    static QString legacy(const char* name) { return QString(ZEK_TEST_DATA_DIR "/broken/legacy/") + name; }

    const QString m_bin = qEnvironmentVariable("ZEK_BIN_DIR");
    QTemporaryDir m_dir;
};

TEST_F(ConvertCommand, legacy_project_becomes_a_project_file) {
    QFile::copy(legacy("exact_1220.ZEK"), path("old.zek")); // the extension in any letter case
    ASSERT_EQ(run({path("old.zek"), path("new.Z20")}).first, 0);
    Project expected(FactorySettings()), converted(FactorySettings());
    ASSERT_TRUE(ImportLegacyProject(expected, legacy("exact_1220.ZEK"), NoTexts()).ok());
    ASSERT_TRUE(ReadProjectFile(converted, FactorySettings(), path("new.Z20")));
    EXPECT_EQ(converted.data(), expected.data());

    // A project file converts into the same content.
    ASSERT_EQ(run({path("new.Z20"), path("again.Z20"), "--data-dir", m_dir.path()}).first, 0);
    const QByteArray a = fileBytes(path("new.Z20")), b = fileBytes(path("again.Z20"));
    EXPECT_EQ(a.left(a.indexOf("[Test]")), b.left(b.indexOf("[Test]")));
}

TEST_F(ConvertCommand, failures_exit_with_their_code_and_a_message_in_the_chosen_language) {
    writeBytes(path("kept.Z20"), "old");
    ::chmod(QFile::encodeName(path("kept.Z20")).constData(), 0444);
    std::vector<std::tuple<QStringList, int, QString>> cases = {
        {{path("missing.Z20"), path("o1.Z20")}, 1, "missing.Z20"},
        {{legacy("short_1219.ZEK"), path("o2.Z20")}, 1, "short_1219.ZEK"},
        {{legacy("exact_1220.ZEK"), path("no/dir/o3.Z20")}, 1, "o3.Z20"},
        {{legacy("exact_1220.ZEK"), path("kept.Z20")}, 1, "kept.Z20"},
        {{legacy("exact_1220.ZEK")}, 2, "usage"},
        {{legacy("exact_1220.ZEK"), path("o4.Z20"), "--bogus"}, 2, "--bogus"},
    };
    if (QFileInfo::exists(m_bin + "/Xalto.zip")) // the language texts are built
        cases.push_back({{legacy("short_1219.ZEK"), path("o5.Z20"), "--data-dir", m_bin, "--lang", "zkeng"},
                         1,
                         "is not a version 1.1 project"});
    for (const auto& [args, exitCode, inMessage] : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const auto [code, err] = run(args);
        EXPECT_EQ(code, exitCode);
        EXPECT_TRUE(err.contains(inMessage)) << err.toStdString();
    }
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.Z20"});
    EXPECT_EQ(fileBytes(path("kept.Z20")), "old");
}

} // namespace
