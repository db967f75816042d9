// The manual pages name every command and option that the programs' help names, and no
// other; both programs tell their version and their help without a display.
#include "Cli.h"

#include <QRegularExpression>
#include <set>
#include <string>

namespace zek::test {
namespace {

using Names = std::set<std::string>;

// "PREFIX--name" for each option of a help's "options:" block ("-h, --help" gives two),
// "PREFIXname" for each entry of its "commands:" block.
void addHelpNames(Names& names, const QString& help, const std::string& prefix) {
    QString block;
    for (const QString& line : help.split('\n')) {
        if (QRegularExpression("^[a-z ]+:$").match(line).hasMatch())
            block = line;
        else if (line.startsWith("  ") && !line.startsWith("   ") && block == "options:")
            for (const QString& word : line.section("  ", 1, 1).split(", "))
                names.insert(prefix + word.section(' ', 0, 0).toStdString());
        else if (line.startsWith("  ") && !line.startsWith("   ") && block == "commands:")
            names.insert(prefix + line.mid(2).section(' ', 0, 0).toStdString());
    }
}

// The same names as a manual page shows them: "--name" for each item of OPTIONS,
// "command --name" for each item of a command's subsection, "command" for the subsection.
Names manualNames(const QString& page) {
    QFile file(QStringLiteral(ZEK_MAN_DIR "/") + page);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    const QRegularExpression bold(R"(\\fB(-[^\\ ]+)\\fR)");
    Names names;
    std::string section;
    std::string command;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.startsWith(".SH ")) {
            section = line.mid(4).toStdString();
            command.clear();
        } else if (line.startsWith(".SS ") && section == "COMMANDS") {
            command = line.mid(4).toStdString() + " ";
            names.insert(line.mid(4).toStdString());
        } else if (lines[i + 1] == ".RS 4" && (section == "OPTIONS" || !command.empty())) {
            // An item: its names stand on the line above its indented text.
            for (const auto& match : bold.globalMatch(line))
                names.insert(command + match.captured(1).toStdString());
        }
    }
    return names;
}

TEST(Manual, names_every_command_and_option_of_the_help_and_no_other) {
    if (!QFile::exists(kBin + "/zek-cli"))
        GTEST_SKIP() << "zek-cli not built";
    Names cli;
    const Outcome programHelp = runProgram("zek-cli", {"--help"});
    ASSERT_EQ(programHelp.code, 0);
    addHelpNames(cli, QString::fromUtf8(programHelp.out), "");
    cli.erase("help"); // "help COMMAND" asks for a command's help: the page's text tells it
    for (const std::string& command : Names(cli)) {
        if (command.starts_with('-'))
            continue;
        const Outcome help = runProgram("zek-cli", {QString::fromStdString(command), "--help"});
        ASSERT_EQ(help.code, 0) << command;
        addHelpNames(cli, QString::fromUtf8(help.out), command + " ");
    }
    // Five commands, three options of the program, at least four of each command.
    ASSERT_GE(cli.size(), 5u + 3u + 5u * 4u);
    EXPECT_EQ(manualNames("zek-cli.1"), cli);

    if (!QFile::exists(kBin + "/zek"))
        return;
    Names desktop;
    const Outcome help = runProgram("zek", {"--help"});
    ASSERT_EQ(help.code, 0);
    addHelpNames(desktop, QString::fromUtf8(help.out), "");
    EXPECT_EQ(desktop, (Names{"--grab", "--grab-page", "--quit-when-shown", "-h", "--help", "--version"}));
    EXPECT_EQ(manualNames("zek.1"), desktop);
}

TEST(Manual, both_programs_tell_their_version_and_fail_when_it_is_not_written) {
    for (const char* program : {"zek-cli", "zek"}) {
        if (!QFile::exists(kBin + "/" + program))
            continue;
        SCOPED_TRACE(program);
        const Outcome version = runProgram(program, {"--version"});
        EXPECT_EQ(version.code, 0);
        EXPECT_EQ(QString::fromUtf8(version.out), QString("%1 %2\n").arg(program, ZEK_VERSION));
        EXPECT_EQ(runProgram(program, {"--version"}, {}, "/dev/full").code, 1);
        EXPECT_EQ(runProgram(program, {"-h"}, {}, "/dev/full").code, 1);
    }
}

} // namespace
} // namespace zek::test
