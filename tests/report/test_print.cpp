#include "core/TextSource.h"
#include "report/print/Drucke.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using namespace zek;

namespace {

// Fonts need a GUI application; the offscreen platform keeps the tests headless.
class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_print";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QGuiApplication> m_app;
};
[[maybe_unused]] const auto* const kEnv = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

class MapTexts : public TextSource {
public:
    std::map<std::uint32_t, std::string> texts;
    std::string GetLangText(std::uint32_t number) const override {
        auto it = texts.find(number);
        return it == texts.end() ? std::string() : it->second;
    }
};

PrinterBlock block(std::uint16_t links, std::uint16_t oben, std::uint16_t unten) {
    PrinterBlock b;
    b.LinkerRand = links;
    b.ObererRand = oben;
    b.UntererRand = unten;
    b.RechterRand = 20;
    b.Index = -1;
    return b;
}

// "Zeile 0001" ... ; each line names itself so its page and position can be found.
std::vector<std::string> numberedLines(int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(QStringLiteral("Zeile%1").arg(i, 4, 10, QLatin1Char('0')).toStdString());
    return lines;
}

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfInfo(const QString& pdf, const QString& key) {
    const QString info = run("pdfinfo", {pdf});
    const QRegularExpression re("^" + key + ":\\s*(.*)$", QRegularExpression::MultilineOption);
    return re.match(info).captured(1).trimmed();
}

struct Word {
    int page;
    QString text;
    double xMin, yMin; // points from the top left corner of the page
};

// Every word of the PDF with its page and box, from pdftotext -bbox.
std::vector<Word> pdfWords(const QString& pdf) {
    const QString html = run("pdftotext", {"-bbox", pdf, "-"});
    std::vector<Word> words;
    int page = -1;
    const QRegularExpression re("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" "
                                "yMax=\"[0-9.]+\">([^<]*)</word>");
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith("<page")) {
            ++page;
            continue;
        }
        words.push_back({page, m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return words;
}

constexpr double kPunktJeZehntelMm = 72.0 / 254.0;

class PrintPdf : public ::testing::Test {
protected:
    QTemporaryDir dir;
    MapTexts texts;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

} // namespace

TEST(Seitenumbruch, places_lines_and_breaks_pages_between_the_margins) {
    struct Case {
        const char* name;
        PrinterBlock b;
        int seitenhoehe;
        std::size_t count;
        std::vector<ZeilenPosition> expectedSome; // checked at their index = position in list
        std::vector<std::size_t> indices;
        std::size_t expectedSize;
    };
    const Case cases[] = {
        // 20/20 mm on A4 (2970): break when 2970 - 400 = 2570 < y; y = 200 + 46 k, k <= 51,
        // so 52 lines per page, the last at 200 + 51*46 = 2546; line 53 starts page 2 at 200.
        {"a4_20_20",
         block(20, 20, 20),
         2970,
         120,
         {{0, 200, 200}, {0, 200, 2546}, {1, 200, 200}, {2, 200, 200}},
         {0, 51, 52, 104},
         120},
        // No margins: 0 + 46 k <= 2970 gives k <= 64, 65 lines per page.
        {"no_margins", block(0, 0, 0), 2970, 70, {{0, 0, 2944}, {1, 0, 0}}, {64, 65}, 70},
        // Top 99 + bottom 99: limit 2970 - 1980 = 990 = top, exactly one line per page.
        {"one_line_per_page",
         block(5, 99, 99),
         2970,
         3,
         {{0, 50, 990}, {1, 50, 990}, {2, 50, 990}},
         {0, 1, 2},
         3},
        // Margins larger than the page leave no line: nothing is placed at all.
        {"margins_beyond_page", block(20, 150, 150), 2970, 5, {}, {}, 0},
        {"top_alone_beyond_page", block(20, 300, 0), 2970, 5, {}, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto pos = Seitenumbruch(c.count, c.b, c.seitenhoehe);
        ASSERT_EQ(pos.size(), c.expectedSize);
        for (std::size_t k = 0; k < c.indices.size(); ++k)
            EXPECT_EQ(pos[c.indices[k]], c.expectedSome[k]) << "line index " << c.indices[k];
        for (const ZeilenPosition& p : pos)
            EXPECT_LE(p.y, c.seitenhoehe - (c.b.ObererRand + c.b.UntererRand) * 10);
        EXPECT_EQ(RaenderLassenPlatz(c.b, c.seitenhoehe), c.expectedSize > 0);
    }
}

TEST(DruckJobTitel, names_the_job_after_the_file_name_part) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "ZEK 2.2"},
        {"C:\\Projekte\\Halle 3.Z20", "ZEK 2.2 - Halle 3.Z20"},
        {"/home/planer/projekte/anlage.Z20", "ZEK 2.2 - anlage.Z20"},
        {"C:anlage.Z20", "ZEK 2.2 - anlage.Z20"},
        {"/mnt/c:\\alt\\a/b.Z20", "ZEK 2.2 - b.Z20"},
        {"anlage.Z20", "ZEK 2.2 - anlage.Z20"},
    };
    for (const auto& [file, title] : cases)
        EXPECT_EQ(DruckJobTitel(QString::fromUtf8(file)), QString::fromUtf8(title)) << file;
}

TEST_F(PrintPdf, report_longer_than_a_page_continues_at_the_top_margin_of_each_page) {
    // 120 lines at 52 per page (see Seitenumbruch): pages of 52, 52 and 16 lines.
    const QString pdf = path("bericht.pdf");
    const DruckErgebnis r =
        DruckePdf(numberedLines(120), block(20, 20, 20), DruckJobTitel("C:\\P\\anlage.Z20"), pdf, texts);
    ASSERT_TRUE(r.ok) << r.fehler.toStdString();
    EXPECT_EQ(r.seiten, 3);
    EXPECT_EQ(pdfInfo(pdf, "Pages"), "3");
    EXPECT_EQ(pdfInfo(pdf, "Title"), "ZEK 2.2 - anlage.Z20");
    EXPECT_EQ(pdfInfo(pdf, "Page size"), "595 x 842 pts (A4)");

    const auto words = pdfWords(pdf);
    ASSERT_EQ(words.size(), 120u);
    // Line i (from 0) sits on page i / 52, at top 200 + 46 * (i % 52) in 0.1 mm, left 200.
    for (std::size_t i = 0; i < words.size(); ++i) {
        SCOPED_TRACE(words[i].text.toStdString());
        EXPECT_EQ(words[i].text, QStringLiteral("Zeile%1").arg(i + 1, 4, 10, QLatin1Char('0')));
        EXPECT_EQ(words[i].page, int(i / 52));
        const double top = (200 + 46 * (i % 52)) * kPunktJeZehntelMm;
        // The glyph box of the viewer starts at the font's ascent, within half a mm of the cell top.
        EXPECT_NEAR(words[i].yMin, top, 0.5 * 72 / 25.4);
        EXPECT_NEAR(words[i].xMin, 200 * kPunktJeZehntelMm, 0.5 * 72 / 25.4);
        // Nothing starts below page height - top - bottom margin: 2570 units = 728.5 pt.
        EXPECT_LE(words[i].yMin, 2570 * kPunktJeZehntelMm);
    }
}

TEST_F(PrintPdf, long_lines_run_past_the_right_margin_and_text_keeps_its_characters) {
    // 100 characters of 0.6 * 4.1 mm = 246 mm from x = 10 mm: far beyond the 210 mm page.
    std::string lang(100, 'X');
    lang.replace(90, 10, "ENDE_ZEILE");
    const std::vector<std::string> lines = {"Bericht", "", "K\xfchlger\xe4t f\xfcr W\xe4rme \x80 5", lang,
                                            "Schluss"};
    const QString pdf = path("breit.pdf");
    const DruckErgebnis r = DruckePdf(lines, block(10, 10, 10), "ZEK 2.2", pdf, texts);
    ASSERT_TRUE(r.ok) << r.fehler.toStdString();
    EXPECT_EQ(pdfInfo(pdf, "Pages"), "1");
    EXPECT_EQ(pdfInfo(pdf, "Title"), "ZEK 2.2");

    const QString layout = run("pdftotext", {"-layout", pdf, "-"});
    EXPECT_TRUE(layout.contains(QString::fromUtf8("Kühlgerät für Wärme € 5"))) << layout.toStdString();
    const auto words = pdfWords(pdf);
    ASSERT_EQ(words.size(), 8u);
    // The empty second line still takes its pitch: "Kühlgerät" lies two pitches below "Bericht".
    EXPECT_NEAR(words[1].yMin - words[0].yMin, 2 * 46 * kPunktJeZehntelMm, 0.1);
    // The long line stays one word on one line. Inside the 10 mm / 20 mm margins 180 / 2.46 = 73
    // characters would fit; the viewer keeps those up to the paper edge, (210 - 10) / 2.46 = 81.
    EXPECT_TRUE(QString::fromStdString(lang).startsWith(words[6].text));
    EXPECT_GE(words[6].text.size(), 80);
    EXPECT_NEAR(words[7].yMin - words[6].yMin, 46 * kPunktJeZehntelMm, 0.1);
}

TEST_F(PrintPdf, long_report_of_2000_lines_fills_every_page) {
    // 2000 lines at 52 per page: 38 full pages (1976 lines) and 24 lines on page 39.
    const QString pdf = path("lang.pdf");
    const DruckErgebnis r = DruckePdf(numberedLines(2000), block(20, 20, 20), "ZEK 2.2", pdf, texts);
    ASSERT_TRUE(r.ok) << r.fehler.toStdString();
    EXPECT_EQ(r.seiten, 39);
    EXPECT_EQ(pdfInfo(pdf, "Pages"), "39");
    const QString last = run("pdftotext", {"-f", "39", "-l", "39", pdf, "-"});
    EXPECT_TRUE(last.startsWith("Zeile1977")) << last.left(40).toStdString();
    EXPECT_TRUE(last.contains("Zeile2000"));
}

TEST_F(PrintPdf, failures_are_reported_and_never_leave_a_file_behind) {
    texts.texts[kTextPdfNichtGeschrieben] = "PDF nicht geschrieben: ";
    texts.texts[kTextRaenderZuGross] = "R\xe4nder zu gro\xdf";
    QDir(dir.path()).mkdir("ordner");
    const QString alt = path("alt.pdf");
    {
        QFile f(alt);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("alter Inhalt");
    }
    struct Case {
        const char* name;
        QString target;
        PrinterBlock b;
        QString messageStart;
    };
    const Case cases[] = {
        {"folder_missing", path("fehlt/x.pdf"), block(20, 20, 20), "PDF nicht geschrieben: "},
        {"target_is_a_folder", path("ordner"), block(20, 20, 20), "PDF nicht geschrieben: "},
        {"no_name", QString(), block(20, 20, 20), "PDF nicht geschrieben: "},
        // 150 + 150 mm of margins on a 297 mm page leave no room; the old file survives.
        {"margins_beyond_page", alt, block(20, 150, 150), QString::fromUtf8("Ränder zu groß")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DruckErgebnis r = DruckePdf(numberedLines(10), c.b, "ZEK 2.2", c.target, texts);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.fehler.startsWith(c.messageStart)) << r.fehler.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path("fehlt/x.pdf")));
    QFile f(alt);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "alter Inhalt");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary file left";
}
