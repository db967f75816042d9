// zek-cli as a script runs it: files that hold no project, values no page accepts, lost
// output, targets it must not replace, exit codes, messages, option forms and the reports.
#include "Cli.h"

#include <random>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace zek::test {
namespace {

const QString kExample = kExamples + "/kunststoff_wandgehaeuse.Z20";

QByteArray randomBytes(int count) {
    std::mt19937 random(1220);
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(char(random() & 0xFF));
    return bytes;
}

// With the example as k.Z20 in the folder.
class Cli : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        if (!IsSkipped()) {
            ASSERT_TRUE(QFile::copy(kExample, path("k.Z20")));
        }
    }
    // Removes the file that a command of projectCommands() writes, if it writes one;
    // whether it was written.
    bool removeOutput(const QStringList& command) const {
        return command.size() > 2 && QFile::remove(path(command.last()));
    }
};

// The commands that read projects, on one file.
std::vector<QStringList> projectCommands(const QString& file) {
    return {{"report", file},
            {"balance", file},
            {"summary", file},
            {"convert", file, "neu.Z20"},
            {"chart", file, "--svg", "neu.svg"}};
}

TEST_F(Cli, a_file_that_holds_no_project_fails_in_every_command) {
    const QByteArray oneSection = "[Projekt]\r\nName=Halle 7\r\n";
    const QString noProject = "The file is not a ZEK 2.0 project file: ";
    const struct {
        const char* name;
        QByteArray bytes;
        QString message; // empty: read as a project
    } files[] = {
        {"leer.Z20", "", noProject + "leer.Z20"},
        {"nul.Z20", QByteArray("[Person]\r\nName=A\0B\r\n", 20), noProject + "nul.Z20"},
        {"zufall.ZEK", randomBytes(1220), "The file zufall.ZEK is not a version 1.1 project."},
        {"zufall.dat", randomBytes(1220), noProject + "zufall.dat"},
        {"eins.Z20", oneSection, ""},         // one section of a project file is enough
        {"plan.txt", oneSection, ""},         // any other name: the content decides
        {"alt.dat", QByteArray(1220, 0), ""}, // a version 1.1 record
    };
    for (const auto& f : files) {
        write(f.name, f.bytes);
        for (const QStringList& command : projectCommands(f.name)) {
            SCOPED_TRACE(command.join(' ').toStdString());
            const Outcome o = cli(command + QStringList{"--lang", "zkeng"});
            EXPECT_EQ(o.code, f.message.isEmpty() ? 0 : 1);
            EXPECT_EQ(o.err, f.message.isEmpty() ? "" : "zek-cli " + command[0] + ": " + f.message + "\n");
            if (command[0] == "summary" && !f.message.isEmpty()) { // an error row
                EXPECT_TRUE(o.out.contains(f.message.toUtf8())) << o.out.data();
            }
            EXPECT_EQ(removeOutput(command), command.size() > 2 && f.message.isEmpty());
        }
    }
    // The summary goes on after a file it cannot read: 0.4940 m² surface, known loss 120 W,
    // cooling 120 - 17 = 103 W, heating off 17 W.
    const Outcome summary = runProgram("zek-cli",
                                       {"summary", "fehlt.Z20", "kunststoff_wandgehaeuse.Z20",
                                        "saegewerk_v11.ZEK", "--csv", "--data-dir", kBin},
                                       kExamples);
    EXPECT_EQ(summary.code, 1);
    const QList<QByteArray> lines = summary.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[1].startsWith("fehlt.Z20,,,,,,,"));
    EXPECT_TRUE(lines[2].startsWith("kunststoff_wandgehaeuse.Z20,0.49,120,103,17,0,")) << lines[2].data();
    EXPECT_TRUE(lines[3].startsWith("saegewerk_v11.ZEK,1.62,477,388,134,0,")) << lines[3].data();
}

TEST_F(Cli, values_no_page_accepts_are_named_and_refused_with_strict) {
    write("krumm.Z20", "[Anschluss]\r\nSpannung=abc\r\n[Schaltschrank]\r\nBreite=-400\r\n"
                       "[Verlustleistung]\r\nBekannt=0\r\nWertBekannt=99999999999999999999\r\n");
    const QString read = "is a value that no page of the program accepts; it is read as";
    const QStringList warnings = {"krumm.Z20: [Anschluss] Spannung=abc " + read + " 0",
                                  "krumm.Z20: [Schaltschrank] Breite=-400 " + read + " 65136",
                                  "krumm.Z20: [Verlustleistung] WertBekannt=99999999999999999999 " + read +
                                      " 0"};
    for (const bool strict : {false, true}) {
        const QStringList flags = strict ? QStringList{"--strict"} : QStringList{};
        for (const QStringList& command : projectCommands("krumm.Z20")) {
            SCOPED_TRACE(command.join(' ').toStdString() + (strict ? " --strict" : ""));
            const Outcome o = cli(command + flags << "--lang=zkeng");
            EXPECT_EQ(o.code, strict ? 1 : 0);
            QStringList lines = o.err.split('\n', Qt::SkipEmptyParts);
            for (QString& line : lines)
                line = line.section(": ", 1);
            EXPECT_EQ(lines.mid(0, 3), warnings);
            EXPECT_EQ(lines.size(), strict ? 4 : 3);
            EXPECT_EQ(removeOutput(command), command.size() > 2 && !strict);
        }
    }
}

TEST_F(Cli, output_that_does_not_arrive_ends_with_code_1) {
    const QStringList commands[] = {{"summary", "k.Z20", kExample, "--csv"},
                                    {"report", "k.Z20"},
                                    {"report", "k.Z20", "--pdf", "-"},
                                    {"balance", "k.Z20", "--json"},
                                    {"chart", "k.Z20", "--png", "-"},
                                    {"text", "1004009"},
                                    {"report", "--help"},
                                    {"help"}};
    for (const QStringList& command : commands) {
        SCOPED_TRACE(command.join(' ').toStdString());
        const Outcome full = cli(command + QStringList{"--lang", "zkeng"}, "/dev/full");
        EXPECT_EQ(full.code, 1);
        EXPECT_TRUE(full.err.endsWith(": the output could not be written (No space left on device)\n"))
            << full.err.toStdString();
        const Outcome file = cli(command + QStringList{"--lang", "zkeng"}, path("out"));
        EXPECT_EQ(file.code, 0);
        EXPECT_EQ(file.err, "");
        EXPECT_GT(QFileInfo(path("out")).size(), 0);
    }
    EXPECT_TRUE(read("out").startsWith("usage: zek-cli COMMAND"));
}

TEST_F(Cli, special_files_and_the_input_are_never_replaced) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(path("fifo"), path("zur_fifo")));
    ASSERT_EQ(::link(QFile::encodeName(path("k.Z20")).constData(),
                     QFile::encodeName(path("gleich.Z20")).constData()),
              0);
    std::vector<std::pair<QStringList, QString>> cases = {
        {{"report", "k.Z20", "--pdf=zur_fifo"}, "zur_fifo is not a regular file"},
        {{"report", "k.Z20", "--pdf", "gleich.Z20"}, "gleich.Z20 is the input file"},
        {{"chart", "k.Z20", "--svg", "fifo"}, "fifo is not a regular file"},
        {{"chart", "k.Z20", "--pdf=gleich.Z20"}, "gleich.Z20 is the input file"},
        {{"convert", "k.Z20", "fifo"}, "fifo is not a regular file"},
        {{"convert", "k.Z20", "./k.Z20"}, "./k.Z20 is the input file"},
    };
    // A device node as /dev/null is one; only a privileged user can make one.
    if (::mknod(QFile::encodeName(path("geraet")).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0)
        cases.push_back({{"report", "k.Z20", "--pdf", "geraet"}, "geraet is not a regular file"});
    const QByteArray project = read("k.Z20");
    const QStringList before = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const auto& [args, message] : cases) {
        const Outcome o = cli(args + QStringList{"--lang", "zkeng"});
        EXPECT_EQ(o.code, 1) << args.join(' ').toStdString();
        EXPECT_EQ(o.err, QString("zek-cli %1: %2; it stays as it is\n").arg(args[0], message));
    }
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), before);
    EXPECT_EQ(read("k.Z20"), project);
    EXPECT_FALSE(QFileInfo(path("fifo")).isFile());

    // A new name is written; "-" is standard output.
    EXPECT_EQ(cli({"convert", "k.Z20", "neu.Z20"}).code, 0);
    const Outcome pdf = cli({"report", "k.Z20", "--pdf", "-"});
    EXPECT_EQ(pdf.code, 0);
    EXPECT_TRUE(pdf.out.startsWith("%PDF-") && pdf.out.trimmed().endsWith("%%EOF"));
}

TEST_F(Cli, wrong_use_missing_input_or_data_and_an_unknown_language_end_with_their_exit_codes) {
    const QString legacy = ZEK_TEST_DATA_DIR "/broken/legacy/exact_1220.ZEK";
    QTemporaryDir empty;
    write("kept.Z20", "old");
    ::chmod(QFile::encodeName(path("kept.Z20")).constData(), 0444);
    const std::pair<QStringList, int> cases[] = {
        {{"report"}, 2},
        {{"report", "a.Z20", "b.Z20"}, 2},
        {{"report", "k.Z20", "--colour"}, 2},
        {{"report", "k.Z20", "--encoding", "latin9"}, 2},
        {{"report", "k.Z20", "--lang", "../zkdeu"}, 2}, // never a path
        {{"report", "k.Z20", "--data-dir", kBin, "--date"}, 2},
        {{"report", "k.Z20", "--data-dir", empty.path()}, 3}, // no texts there
        {{"summary"}, 2},
        {{"balance", "fehlt.ZEK"}, 1},
        {{"balance", "projekt.txt"}, 1}, // read by its content: missing
        {{"balance", "k.Z20", "--data-dir", empty.path()}, 3},
        {{"convert", legacy}, 2},
        {{"convert", legacy, "neu.Z20", "--bogus"}, 2},
        {{"convert", ZEK_TEST_DATA_DIR "/broken/legacy/short_1219.ZEK", "neu.Z20"}, 1},
        {{"convert", legacy, "fehlt/neu.Z20"}, 1},
        {{"convert", legacy, "kept.Z20"}, 1}, // write-protected: nobody to ask
    };
    for (const auto& [args, exitCode] : cases)
        EXPECT_EQ(cli(args).code, exitCode) << args.join(' ').toStdString();
    EXPECT_EQ(read("kept.Z20"), "old");
    EXPECT_FALSE(QFile::exists(path("neu.Z20")));

    std::vector<QStringList> commands = projectCommands("k.Z20");
    commands.push_back({"text", "1004009"});
    for (const QStringList& command : commands) {
        SCOPED_TRACE(command.join(' ').toStdString());
        const Outcome unknown = cli(command + QStringList{"--lang", "xx"});
        EXPECT_EQ(unknown.code, 2);
        EXPECT_TRUE(unknown.err.contains("xx") && unknown.err.contains(": zkdeu, zkeng, zkfra\n"))
            << unknown.err.toStdString();
        EXPECT_EQ(cli(command + QStringList{"--lang", "ZKENG"}).code, 0); // any letter case
    }
}

TEST_F(Cli, messages_speak_the_language_asked_for_and_tell_why) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("ordner.Z20"));
    const struct {
        QStringList args;
        int code;
        QString message;
    } cases[] = {
        {{"report", "fehlt.Z20", "--lang", "zkfra"}, 1, "Le fichier fehlt.Z20 n'existe pas."},
        {{"convert", "fehlt.Z20", "neu.Z20", "--lang", "zkfra"}, 1, "Le fichier fehlt.Z20 n'existe pas."},
        {{"summary", "ordner.Z20", "--lang", "zkeng"}, 1, "ordner.Z20 is a folder, not a file."},
        {{"balance", "--lang", "zkeng"}, 2, "exactly one project file is needed"},
        // One output of the diagrams, not none and not two.
        {{"chart", "k.Z20", "--lang", "zkeng"},
         2,
         "exactly one of the options --svg, --png and --pdf is needed"},
        {{"chart", "k.Z20", "--svg", "a.svg", "--png", "a.png", "--lang", "zkeng"},
         2,
         "exactly one of the options --svg, --png and --pdf is needed"},
        {{"chart", "k.Z20", "--pdf", "k.pdf", "--date", "31.4.2026"}, 2, "das Datum 31.4.2026 gibt es nicht"},
        {{"report", "k.Z20", "--date", "29.2.2027"}, 2, "das Datum 29.2.2027 gibt es nicht"},
        {{"report", "k.Z20", "--date", "29.2.2028"}, 0, ""},
        {{"report", "k.Z20", "--date", "1.12.99999", "--lang", "zkeng"},
         2,
         "1.12.99999 is not a date of the form D.M.YYYY"},
        {{"report", "k.Z20", "--date", "", "--lang", "zkeng"}, 2, " is not a date of the form D.M.YYYY"},
        {{"report", "k.Z20", "--date", "1.12.2026", "--pdf", "k.pdf"}, 0, ""}, // and no word from Qt
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const Outcome o = cli(c.args);
        EXPECT_EQ(o.code, c.code);
        EXPECT_EQ(o.err.section('\n', 0, 0),
                  c.message.isEmpty() ? "" : "zek-cli " + c.args[0] + ": " + c.message);
    }
}

TEST_F(Cli, options_take_their_value_after_a_blank_or_an_equals_sign) {
    const Outcome blank = cli({"report", "k.Z20", "--lang", "zkeng", "--date", "1.12.2026"});
    EXPECT_EQ(blank.code, 0);
    EXPECT_EQ(cli({"report", "k.Z20", "--lang=zkeng", "--date=1.12.2026"}).out, blank.out);
    const Outcome flag = cli({"report", "k.Z20", "--fax=1", "--lang=zkeng"});
    EXPECT_EQ(flag.code, 2);
    EXPECT_TRUE(
        flag.err.startsWith("zek-cli report: option --fax takes no value\nusage: zek-cli report PROJECT"));
}

TEST_F(Cli, report_prints_the_golden_lines_in_the_encoding_asked_for) {
    QFile golden(kExamples + "/stahl_reihenschrank.report.eng.txt");
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QString project = kExamples + "/stahl_reihenschrank.Z20";
    const Outcome o = runProgram(
        "zek-cli",
        {"report", "--data-dir", kBin, "--date", "1.12.2026", "--lang", "zkeng", "stahl_reihenschrank.Z20"},
        kExamples);
    EXPECT_EQ(o.code, 0);
    EXPECT_EQ(o.out.toStdString(), golden.readAll().toStdString());
    // Windows-1252 on request, by either name: "Schütz" holds the single byte 0xFC
    for (const char* encoding : {"cp1252", "windows-1252"})
        EXPECT_TRUE(cli({"report", project, "--encoding", encoding}).out.contains("Sch\xFCtz")) << encoding;
}

} // namespace
} // namespace zek::test
