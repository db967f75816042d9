#include "IoTestSupport.h"

#include "core/SettingsData.h"
#include "io/IoTexts.h"
#include "io/LegacyImport.h"
#include "io/ProjectFile.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace zek;
using namespace zek::test;

namespace {

class ConvertCommand : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QFileInfo(m_cli).isExecutable())
            GTEST_SKIP() << "zek-cli is not built";
    }
    // The exit code (-1 after a crash) and what the command wrote to standard error.
    std::pair<int, QString> run(const QStringList& args) const {
        QProcess p;
        p.start(m_cli, QStringList{"convert"} + args);
        p.waitForFinished(30000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardError())};
    }
    QString path(const char* name) const { return m_dir.filePath(name); }
    static QString legacy(const char* name) { return QString(ZEK_TEST_DATA_DIR "/broken/legacy/") + name; }

    const QString m_cli = QDir(qEnvironmentVariable("ZEK_BIN_DIR")).filePath("zek-cli");
    QTemporaryDir m_dir;
};

TEST_F(ConvertCommand, legacy_project_becomes_a_project_file) {
    QFile::copy(legacy("exact_1220.ZEK"), path("old.zek")); // the extension in any letter case
    ASSERT_EQ(run({path("old.zek"), path("new.Z20")}).first, 0);

    Project expected(FactorySettings());
    ASSERT_TRUE(ImportLegacyProject(expected, legacy("exact_1220.ZEK"), NoTexts()).ok());
    Project converted(FactorySettings());
    ASSERT_TRUE(ReadProjectFile(converted, FactorySettings(), path("new.Z20")));
    EXPECT_EQ(converted.data(), expected.data());

    // A project file converts into the same content.
    ASSERT_EQ(run({path("new.Z20"), path("again.Z20"), "--data-dir", m_dir.path()}).first, 0);
    const QByteArray a = fileBytes(path("new.Z20"));
    const QByteArray b = fileBytes(path("again.Z20"));
    EXPECT_EQ(a.left(a.indexOf("[Test]")), b.left(b.indexOf("[Test]")));
}

TEST_F(ConvertCommand, failures_exit_with_one_and_a_message) {
    writeBytes(path("kept.Z20"), "old");
    ::chmod(QFile::encodeName(path("kept.Z20")).constData(), 0444);
    const struct {
        QStringList args;
        int exitCode;
        const char* inMessage;
    } cases[] = {
        {{path("missing.Z20"), path("o1.Z20")}, 1, "missing.Z20"},
        {{legacy("short_1219.ZEK"), path("o2.Z20")}, 1, "short_1219.ZEK"},
        {{legacy("exact_1220.ZEK"), path("no/dir/o3.Z20")}, 1, "o3.Z20"},
        {{legacy("exact_1220.ZEK"), path("kept.Z20")}, 1, "kept.Z20"},
        {{legacy("exact_1220.ZEK")}, 2, "usage"},
        {{legacy("exact_1220.ZEK"), path("o4.Z20"), "--bogus"}, 2, "--bogus"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const auto [exitCode, err] = run(c.args);
        EXPECT_EQ(exitCode, c.exitCode);
        EXPECT_TRUE(err.contains(c.inMessage)) << err.toStdString();
    }
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.Z20"});
    EXPECT_EQ(fileBytes(path("kept.Z20")), "old");
}

TEST_F(ConvertCommand, messages_come_in_the_chosen_language) {
    const QString bin = qEnvironmentVariable("ZEK_BIN_DIR");
    if (!QFileInfo::exists(QDir(bin).filePath("Xalto.zip")))
        GTEST_SKIP() << "no language texts built";
    const auto [exitCode, err] =
        run({legacy("short_1219.ZEK"), path("o.Z20"), "--data-dir", bin, "--lang", "zkeng"});
    EXPECT_EQ(exitCode, 1);
    EXPECT_TRUE(err.contains("is not a version 1.1 project")) << err.toStdString();
}

} // namespace
