#include "../core/MapTexts.h"
#include "../core/TestFiles.h"
#include "PdfText.h"
#include "io/SettingsFile.h"
#include "report/print/Drucke.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zek;
using namespace zek::test;

namespace {

// Fonts need a GUI application; the offscreen platform keeps the tests headless.
struct GuiEnvironment : ::testing::Environment {
    int argc = 1;
    char name[11] = "test_print";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QGuiApplication> app;
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { app.reset(); }
};
[[maybe_unused]] const auto* const kEnv = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

PrinterBlock block(std::uint16_t links, std::uint16_t oben, std::uint16_t unten) {
    return {links, oben, 10, unten, -1};
}

const MapTexts texts({{kTextPdfNichtGeschrieben, "PDF nicht geschrieben: "},
                      {kTextRaenderZuGross, "zu gro\xdf"}});

} // namespace

TEST(Seitenumbruch, breaks_pages_when_a_line_would_start_below_page_height_minus_both_margins) {
    struct Case {
        PrinterBlock b;
        std::size_t count;
        bool fits;
        std::vector<std::pair<std::size_t, ZeilenPosition>> expected;
    };
    const Case cases[] = {
        // 20/20 mm on 2970: a new page when 2970 - 400 = 2570 < y; y = 200 + 46 k gives k <= 51, so
        // 52 lines per page, the last at 2546, line 53 at the top of page 2.
        {block(20, 20, 20), 120, true, {{0, {0, 200, 200}}, {51, {0, 200, 2546}}, {52, {1, 200, 200}}}},
        // No margins: 46 k <= 2970 gives k <= 64, 65 lines per page.
        {block(0, 0, 0), 70, true, {{64, {0, 0, 2944}}, {65, {1, 0, 0}}}},
        // 99 + 99 mm: the limit 2970 - 1980 = 990 is the top itself, one line per page.
        {block(5, 99, 99), 3, true, {{1, {1, 50, 990}}, {2, {2, 50, 990}}}},
        // Margins beyond the page would start a blank page before every line: nothing placed.
        {block(20, 150, 150), 5, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.b.ObererRand);
        const auto pos = Seitenumbruch(c.count, c.b, 2970);
        ASSERT_EQ(pos.size(), c.fits ? c.count : 0);
        EXPECT_EQ(RaenderLassenPlatz(c.b, 2970), c.fits);
        for (const auto& [index, want] : c.expected)
            EXPECT_EQ(pos[index], want) << index;
    }
}

TEST(DruckJobTitel, names_the_job_after_the_file_name_part) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "ZEK 2.2"},
        {"C:\\Projekte\\Halle 3.Z20", "ZEK 2.2 - Halle 3.Z20"},
        {"/home/planer/anlage.Z20", "ZEK 2.2 - anlage.Z20"},
        {"C:anlage.Z20", "ZEK 2.2 - anlage.Z20"},
    };
    for (const auto& [file, title] : cases)
        EXPECT_EQ(DruckJobTitel(file), QString(title)) << file;
}

TEST(DruckePdf, long_lines_run_past_the_right_margin_unwrapped_and_keep_their_characters) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("breit.pdf");
    const std::vector<std::string> lines = {"Bericht", "", "K\xfchlger\xe4t \x80 5", std::string(100, 'X'),
                                            "Ende"};
    ASSERT_TRUE(DruckePdf(lines, block(10, 10, 10), "", pdf, texts).ok);
    EXPECT_TRUE(pdfTool("pdftotext", {"-layout", pdf, "-"}).contains(QString::fromUtf8("Kühlgerät € 5")));
    const auto w = pdfWords(pdf);
    ASSERT_EQ(w.size(), 6u);
    EXPECT_NEAR(w[1].y - w[0].y, 2 * 46 * kPtPerUnit, 0.1); // the empty line takes its pitch
    // 180 mm between the margins hold 180 / 2.46 = 73 characters; the viewer keeps those up to
    // the paper's edge, (210 - 10) / 2.46 = 81, and the next line follows one pitch below.
    EXPECT_GE(w[4].text.size(), 80);
    EXPECT_NEAR(w[5].y - w[4].y, 46 * kPtPerUnit, 0.1);
}

TEST(DruckePdf, failures_are_reported_and_never_leave_a_file_behind) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("ordner");
    const QString alt = dir.filePath("alt.pdf");
    writeBytes(alt, "alt");
    const QString notWritten = "PDF nicht geschrieben: ", tooLarge = QString::fromUtf8("zu groß");
    const std::tuple<QString, PrinterBlock, QString> cases[] = {
        {dir.filePath("fehlt/x.pdf"), block(20, 20, 20), notWritten},
        {dir.filePath("ordner"), block(20, 20, 20), notWritten},
        {QString(), block(20, 20, 20), notWritten},
        {alt, block(20, 150, 150), tooLarge}, // the old file survives
        {alt, block(210, 20, 20), tooLarge},  // left margin = A4 width
    };
    for (const auto& [target, b, message] : cases) {
        const DruckErgebnis r = DruckePdf({"Zeile 1", "Zeile 2"}, b, "ZEK 2.2", target, texts);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.fehler.startsWith(message)) << r.fehler.toStdString();
    }
    EXPECT_EQ(fileBytes(alt), "alt");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"alt.pdf"});
}

TEST(DruckSchrift, the_shipped_margins_fit_the_widest_report_and_inquiry_line_on_a4_and_letter) {
    // The widest line of the example reports and inquiries (the 79-column rule and the
    // lines as wide), in the print font on a PDF page: 79 x 0.6 x 4.1 mm = 194.3 mm.
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter page(&sink);
    const QFontMetricsF metrics(DruckSchrift(), &page);
    double widest = 0;
    for (const QString& name : QDir(ZEK_SOURCE_DIR "/data/examples").entryList({"*.txt"}, QDir::Files)) {
        const QString text = QString::fromUtf8(fileBytes(ZEK_SOURCE_DIR "/data/examples/" + name));
        ASSERT_FALSE(text.isEmpty()) << name.toStdString();
        for (const QString& line : text.split(QRegularExpression("\r?\n")))
            widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    EXPECT_NEAR(widest, 79 * 0.6 * kDruckSchrifthoehe, 1.0);

    // Printable widths in 0.1 mm with a hardware margin of 4 mm on either side.
    Settings settings;
    ReadSettings(settings, ZEK_SOURCE_DIR "/data/ZEK.DEF");
    for (const int printable : {2100 - 80, 2159 - 80}) // A4, US Letter
        for (const PrinterBlock& b : {settings.data().Drucker, settings.data().Fax})
            EXPECT_LE((b.LinkerRand + b.RechterRand) * 10 + widest, printable);
}
