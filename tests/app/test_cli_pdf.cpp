// zek-cli's PDF output and diagrams, read back with poppler's tools.
#include "../report/PdfText.h"
#include "Cli.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zek::test {
namespace {

// The lines that carry text, blanks runs as one: the viewer rebuilds blanks from glyph
// positions and merges empty lines.
QStringList textLines(const QStringList& text) {
    QStringList lines;
    for (const QString& l : text)
        if (!l.simplified().isEmpty())
            lines << l.simplified();
    return lines;
}

// A data folder of the test's own: the built texts and tables, and the test's settings.
QString dataFolder(const QTemporaryDir& dir, const QStringList& files, const QByteArray& ini = {}) {
    for (const QString& name : QDir(kBin).entryList(files, QDir::Files))
        QFile::copy(kBin + "/" + name, dir.filePath(name));
    if (!ini.isEmpty())
        writeBytes(dir.filePath("ZEK.INI"), ini);
    return dir.path();
}

TEST(CliPdf, report_and_inquiry_go_into_the_pdf_line_by_line_with_the_margins_of_the_settings) {
    QTemporaryDir dir;
    const QString data = dataFolder(
        dir, {"Xalto.zip", "zk*.TYP"},
        "[Optionen]\r\nSprache=zkdeu\r\n[Drucker]\r\nObererRand=20\r\nLinkerRand=25\r\nUntererRand=20\r\n"
        "[Fax]\r\nObererRand=30\r\nLinkerRand=20\r\nUntererRand=10\r\n");
    const QStringList common{
        "report", kExamples + "/kunststoff_wandgehaeuse.Z20", "--data-dir", data, "--date", "1.12.2026"};
    const QString pdf = dir.filePath("out.pdf");

    // Result printer 20/20 mm: tops 200 + 46 k <= 2970 - 400 hold k <= 51, 52 lines a page.
    // Fax printer 30/10 mm: 300 + 46 k <= 2970 - 400 hold k <= 49, 50 lines a page.
    for (const auto& [flags, perPage] : {std::pair{QStringList{}, 52}, std::pair{QStringList{"--fax"}, 50}}) {
        SCOPED_TRACE(flags.join(' ').toStdString());
        const Outcome text = runProgram("zek-cli", common + flags);
        const Outcome out = runProgram("zek-cli", common + flags + QStringList{"--pdf", pdf});
        ASSERT_TRUE(text.code == 0 && out.code == 0) << text.err.toStdString() << out.err.toStdString();
        const QStringList lines = QString::fromUtf8(text.out).split('\n');
        const int pages = int((lines.size() - 1 + perPage - 1) / perPage); // the output ends with "\n"
        ASSERT_GT(pages, 1);
        EXPECT_EQ(pdfInfo(pdf, "Title"), "ZEK 2.2 - kunststoff_wandgehaeuse.Z20");
        const QStringList pageTexts = pdfPages(pdf);
        ASSERT_EQ(pageTexts.size(), pages);
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

    const Outcome failed = runProgram("zek-cli", common + QStringList{"--pdf", dir.filePath("fehlt/x.pdf")});
    EXPECT_EQ(failed.code, 1); // an output that cannot be written
    EXPECT_TRUE(failed.err.contains("Die PDF-Datei konnte nicht geschrieben werden"))
        << failed.err.toStdString();
}

// The PDF library is loaded only for --pdf and chart: without it (or with a file of its name that is
// no library) every other command still works, and --pdf says what is missing.
TEST(CliPdf, a_missing_pdf_library_is_program_data_missing_and_touches_no_other_command) {
    QTemporaryDir dir;
    const QString cli = dataFolder(dir, {"zek-cli", "Xalto.zip", "zk*.TYP", "ZEK.DEF"}) + "/zek-cli";
    const QStringList report{"report", kExamples + "/kunststoff_wandgehaeuse.Z20", "--lang", "zkeng"};
    for (const bool junk : {false, true}) {
        if (junk)
            writeBytes(dir.filePath("zek-pdf.so"), "no library");
        EXPECT_EQ(runProgram(cli, report).code, 0);
        const std::pair<QStringList, const char*> drawing[] = {
            {report + QStringList{"--pdf", dir.filePath("out.pdf")}, "needs the PDF library beside zek-cli"},
            {report + QStringList{"--pdf", "-"}, "needs the PDF library beside zek-cli"},
            {QStringList{"chart", report[1], "--lang", "zkeng", "--svg", dir.filePath("out.pdf")},
             "need the drawing library beside"},
        };
        for (const auto& [args, why] : drawing) {
            const Outcome o = runProgram(cli, args);
            EXPECT_EQ(o.code, 3) << o.err.toStdString();
            EXPECT_TRUE(o.err.contains(why)) << o.err.toStdString();
            EXPECT_FALSE(QFile::exists(dir.filePath("out.pdf")));
        }
    }
}

// Every device the diagrams draw is labelled with the limit temperature that balance --json
// gives it, in the SVG as in the PDF.
TEST(CliPdf, chart_labels_each_drawn_device_with_the_limit_of_balance_json) {
    QTemporaryDir dir;
    const QStringList common{"chart", kExamples + "/stahl_reihenschrank.Z20", "--lang", "zkeng"};
    ASSERT_EQ(runProgram("zek-cli", common + QStringList{"--svg", dir.filePath("d.svg")}).code, 0);
    ASSERT_EQ(runProgram("zek-cli", common + QStringList{"--pdf=" + dir.filePath("d.pdf")}).code, 0);

    const QString svg = QString::fromUtf8(fileBytes(dir.filePath("d.svg")));
    const QString pdf = pdfTool("pdftotext", {dir.filePath("d.pdf"), "-"}).simplified();
    const Outcome balance = runProgram("zek-cli", {"balance", common[1], "--json", "--lang", "zkeng"});
    const QJsonArray kandidaten = QJsonDocument::fromJson(balance.out).object()["Kandidaten"].toArray();
    int drawn = 0;
    for (const QJsonValue k : kandidaten) {
        const QString device =
            QString("%1 × %2 – Limit temperature ").arg(k["anzahl"].toInt()).arg(k["artikel"].toString());
        if (!svg.contains(device))
            continue; // not in the stored selection
        ++drawn;
        const QString label = device + (k["grenzeOffen"].toBool() ? "≥ " : "") +
                              QString::number(k["grenztemperatur"].toInt()) + " °C";
        EXPECT_TRUE(svg.contains(label)) << label.toStdString();
        EXPECT_TRUE(pdf.contains(label)) << label.toStdString();
    }
    // The example's selection leaves out two of its fourteen candidates.
    EXPECT_EQ(kandidaten.size(), 14);
    EXPECT_EQ(drawn, 12);
}

} // namespace
} // namespace zek::test
