#pragma once

// The programs of the build run as a user runs them: in a folder of the test, without a
// display and without XDG_RUNTIME_DIR, as under a plain cron job.
#include "../core/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Readable failures of QString comparisons.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace zek::test {

inline const QString kBin = qEnvironmentVariable("ZEK_BIN_DIR");
inline const QString kExamples = QStringLiteral(ZEK_SOURCE_DIR "/data/examples");

struct Outcome {
    int code; // -1: crashed or did not end
    QByteArray out;
    QString err;
};

// A program of the bin folder, or one given by its path; standard output into `out` when given.
inline Outcome runProgram(const QString& program, const QStringList& args, const QString& dir = {},
                          const QString& out = {}) {
    QProcess p;
    p.setWorkingDirectory(dir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_RUNTIME_DIR", "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    p.setProcessEnvironment(env);
    if (!out.isEmpty())
        p.setStandardOutputFile(out);
    p.start(program.contains('/') ? program : kBin + '/' + program, args);
    const bool ended = p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit;
    return {ended ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

// zek-cli on the data of the build, in a folder of the test's own.
class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QFile::exists(kBin + "/zek-cli") || !QFile::exists(kBin + "/Xalto.zip"))
            GTEST_SKIP() << "zek-cli or its data not built";
    }
    // With the data of the build unless the arguments name a data folder.
    Outcome cli(QStringList args, const QString& out = {}) const {
        if (!args.contains("--data-dir"))
            args << "--data-dir" << kBin;
        return runProgram("zek-cli", args, m_dir.path(), out);
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const { writeBytes(path(name), bytes); }
    QByteArray read(const QString& name) const { return fileBytes(path(name)); }

    QTemporaryDir m_dir;
};

} // namespace zek::test
