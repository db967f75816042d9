#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

// The PDF library is loaded only for --pdf and chart: without it (or with a file of its name that is
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
        const std::pair<QStringList, const char*> drawing[] = {
            {report + QStringList{"--pdf", dir.filePath("out.pdf")}, "needs the PDF library beside zek-cli"},
            {report + QStringList{"--pdf", "-"}, "needs the PDF library beside zek-cli"},
            {QStringList{"chart", report[1], "--lang", "zkeng", "--svg", dir.filePath("out.pdf")},
             "need the drawing library beside"},
        };
        for (const auto& [args, why] : drawing) {
            const auto [rc, message] = run(cli, args);
            EXPECT_EQ(rc, 3) << message.toStdString();
            EXPECT_TRUE(message.contains(why)) << message.toStdString();
            EXPECT_FALSE(QFile::exists(dir.filePath("out.pdf")));
        }
    }
}

// Every device the diagrams draw is labelled with the limit temperature that balance --json
// gives it, in the SVG as in the PDF, and the PNG is an A4 landscape page at 150 dpi.
TEST(CliPdf, chart_labels_each_drawn_device_with_the_limit_of_balance_json) {
    const QString cli = qEnvironmentVariable("ZEK_BIN_DIR") + "/zek-cli";
    const QString project = ZEK_SOURCE_DIR "/data/examples/stahl_reihenschrank.Z20";
    QTemporaryDir dir;
    const QStringList common{"chart", project, "--lang", "zkeng"};
    ASSERT_EQ(run(cli, common + QStringList{"--svg", dir.filePath("d.svg")}).first, 0);
    ASSERT_EQ(run(cli, common + QStringList{"--pdf=" + dir.filePath("d.pdf")}).first, 0);
    QProcess png;
    png.start(cli, common + QStringList{"--png", "-"});
    png.waitForFinished(120000);
    // The PNG header: its size stands in the IHDR chunk, big-endian, from byte 16 on.
    const QByteArray header = png.readAllStandardOutput().left(24);
    ASSERT_TRUE(header.startsWith("\x89PNG"));
    EXPECT_EQ(QByteArray::fromHex("000006DA000004D8"), header.mid(16, 8)); // 1754 x 1240

    QFile svgFile(dir.filePath("d.svg"));
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(svgFile.readAll());
    const QString pdf = run("pdftotext", {dir.filePath("d.pdf"), "-"}).second.simplified();
    const QJsonArray kandidaten =
        QJsonDocument::fromJson(run(cli, {"balance", project, "--json", "--lang", "zkeng"}).second.toUtf8())
            .object()["Kandidaten"]
            .toArray();
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
