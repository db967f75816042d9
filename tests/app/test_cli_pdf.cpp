#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Exit code and standard output of a program, standard error appended.
std::pair<int, QString> run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError())};
}

// The lines that carry text, blanks runs as one: the viewer rebuilds blanks from glyph
// positions and merges empty lines.
QStringList textLines(const QStringList& text) {
    QStringList lines;
    for (const QString& l : text)
        if (!l.simplified().isEmpty())
            lines << l.simplified();
    return lines;
}

} // namespace

TEST(CliPdf, report_and_inquiry_go_into_the_pdf_line_by_line_with_the_margins_of_the_settings) {
    const QString bin = qEnvironmentVariable("ZEK_BIN_DIR"), cli = bin + "/zek-cli";
    QTemporaryDir dir;
    for (const QString& name : QDir(bin).entryList({"Xalto.zip", "zk*.TYP"}, QDir::Files))
        ASSERT_TRUE(QFile::copy(bin + "/" + name, dir.filePath(name)));
    QFile ini(dir.filePath("ZEK.INI"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(
        "[Optionen]\r\nSprache=zkdeu\r\n[Drucker]\r\nObererRand=20\r\nLinkerRand=25\r\nUntererRand=20\r\n"
        "[Fax]\r\nObererRand=30\r\nLinkerRand=20\r\nUntererRand=10\r\n");
    ini.close();
    const QString project = ZEK_SOURCE_DIR "/data/examples/kunststoff_wandgehaeuse.Z20";
    const QStringList common{"report", project, "--data-dir", dir.path(), "--date", "1.12.2026"};
    const QString pdf = dir.filePath("out.pdf");

    // Result printer 20/20 mm: tops 200 + 46 k <= 2970 - 400 hold k <= 51, 52 lines a page.
    // Fax printer 30/10 mm: 300 + 46 k <= 2970 - 400 hold k <= 49, 50 lines a page.
    for (const auto& [flags, perPage] : {std::pair{QStringList{}, 52}, std::pair{QStringList{"--fax"}, 50}}) {
        SCOPED_TRACE(flags.join(' ').toStdString());
        const auto [rcText, text] = run(cli, common + flags);
        const auto [rcPdf, out] = run(cli, common + flags + QStringList{"--pdf", pdf});
        ASSERT_TRUE(rcText == 0 && rcPdf == 0) << text.toStdString() << out.toStdString();
        const QStringList lines = text.split('\n');
        const int pages = int((lines.size() - 1 + perPage - 1) / perPage); // the output ends with "\n"
        ASSERT_GT(pages, 1);
        EXPECT_TRUE(
            run("pdfinfo", {pdf}).second.contains("Title:           ZEK 2.2 - kunststoff_wandgehaeuse.Z20"));
        const QStringList pageTexts = run("pdftotext", {"-layout", pdf, "-"}).second.split('\f');
        ASSERT_EQ(pageTexts.size(), pages + 1); // every page ends with a form feed
        for (int page = 0; page < pages; ++page) {
            const QStringList want = textLines(lines.mid(page * perPage, perPage));
            const QStringList got = textLines(pageTexts.value(page).split('\n'));
            ASSERT_EQ(got.size(), want.size()) << "page " << page;
            // A line that runs off the paper is extracted up to the paper's edge.
            for (int i = 0; i < got.size(); ++i)
                EXPECT_TRUE(got[i] == want[i] || (got[i].size() >= 70 && want[i].startsWith(got[i])))
                    << got[i].toStdString();
        }
    }

    const auto [rc, message] = run(cli, common + QStringList{"--pdf", dir.filePath("fehlt/x.pdf")});
    EXPECT_EQ(rc, 1); // an output that cannot be written
    EXPECT_TRUE(message.contains("Die PDF-Datei konnte nicht geschrieben werden")) << message.toStdString();
}

// The PDF library is loaded only for --pdf: without it (or with a file of its name that is
// no library) every other command still works, and --pdf says what is missing.
TEST(CliPdf, a_missing_pdf_library_is_program_data_missing_and_touches_no_other_command) {
    const QString bin = qEnvironmentVariable("ZEK_BIN_DIR");
    QTemporaryDir dir;
    for (const QString& name :
         QDir(bin).entryList({"zek-cli", "Xalto.zip", "zk*.TYP", "ZEK.DEF"}, QDir::Files))
        ASSERT_TRUE(QFile::copy(bin + "/" + name, dir.filePath(name)));
    const QString cli = dir.filePath("zek-cli");
    const QStringList report{"report", ZEK_SOURCE_DIR "/data/examples/kunststoff_wandgehaeuse.Z20", "--lang",
                             "zkeng"};
    for (const bool junk : {false, true}) {
        if (junk) {
            QFile library(dir.filePath("zek-pdf.so"));
            ASSERT_TRUE(library.open(QIODevice::WriteOnly));
            library.write("no library");
        }
        EXPECT_EQ(run(cli, report).first, 0);
        for (const QString& target : {dir.filePath("out.pdf"), QString("-")}) {
            const auto [rc, message] = run(cli, report + QStringList{"--pdf", target});
            EXPECT_EQ(rc, 3) << message.toStdString();
            EXPECT_TRUE(message.contains("needs the PDF library beside zek-cli")) << message.toStdString();
            EXPECT_FALSE(QFile::exists(dir.filePath("out.pdf")));
        }
    }
}
