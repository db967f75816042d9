#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode = -1;
    QString out, err;
};

Outcome run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    Outcome r;
    if (!p.waitForFinished(120000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QString binDir() {
    return qEnvironmentVariable("ZEK_BIN_DIR");
}
QString cli() {
    return binDir() + "/zek-cli";
}

QStringList trimmedLines(const QString& text) {
    QStringList lines = text.split('\n');
    for (QString& l : lines) {
        while (l.endsWith(' ') || l.endsWith('\r'))
            l.chop(1);
    }
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

// A data folder with the shipped texts and device tables and settings whose margins
// differ between the result and the fax printer.
class CliPdf : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (const QString& name : QDir(binDir()).entryList({"Xalto.zip", "zk*.TYP"}, QDir::Files))
            ASSERT_TRUE(QFile::copy(binDir() + "/" + name, dir.filePath(name)));
        QFile ini(dir.filePath("ZEK.INI"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(
            "[Optionen]\r\nSprache=zkdeu\r\n"
            "[Drucker]\r\nObererRand=20\r\nLinkerRand=25\r\nUntererRand=20\r\nRechterRand=10\r\nIndex=-1\r\n"
            "[Fax]\r\nObererRand=30\r\nLinkerRand=20\r\nUntererRand=10\r\nRechterRand=10\r\nIndex=-1\r\n");
    }
    QStringList args(const QString& extra, const QString& pdf) const {
        QStringList a{"report",     QString(ZEK_SOURCE_DIR) + "/data/examples/kunststoff_wandgehaeuse.Z20",
                      "--data-dir", dir.path(),
                      "--date",     "1.12.2026"};
        if (!extra.isEmpty())
            a << extra;
        if (!pdf.isEmpty())
            a << "--pdf" << pdf;
        return a;
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(CliPdf, pdf_holds_the_same_lines_as_the_report_on_pages_of_the_settings_margins) {
    struct Case {
        const char* flag;
        int linesPerPage;
    };
    // Result printer 20/20 mm: tops 200 + 46 k <= 2970 - 400 = 2570 gives k <= 51, 52 lines.
    // Fax printer 30/10 mm: 300 + 46 k <= 2970 - 400 = 2570 gives k <= 49, 50 lines.
    const Case cases[] = {{"", 52}, {"--fax", 50}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flag);
        const Outcome text = run(cli(), args(c.flag, {}));
        ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
        const QStringList expected = trimmedLines(text.out);
        ASSERT_GT(expected.size(), c.linesPerPage) << "the example must need more than one page";

        const QString pdf = dir.filePath("out.pdf");
        const Outcome printed = run(cli(), args(c.flag, pdf));
        ASSERT_EQ(printed.exitCode, 0) << printed.err.toStdString();
        EXPECT_TRUE(printed.out.isEmpty()) << "the lines go into the PDF only";

        const int pages = int((expected.size() + c.linesPerPage - 1) / c.linesPerPage);
        const Outcome info = run("pdfinfo", {pdf});
        EXPECT_TRUE(info.out.contains(QString("Pages:          %1\n").arg(pages, 2)))
            << info.out.toStdString();
        EXPECT_TRUE(info.out.contains("Title:           ZEK 2.2 - kunststoff_wandgehaeuse.Z20"));

        // Page by page, the text of the PDF is the report's lines in order (the viewer
        // rebuilds the runs of blanks from the glyph positions, so these count as one).
        const QStringList pageTexts = run("pdftotext", {"-layout", pdf, "-"}).out.split('\f');
        for (int page = 0; page < pages; ++page) {
            SCOPED_TRACE(page);
            // The viewer merges runs of empty lines and drops what lies beyond the paper's
            // edge, so the lines with text are compared, a line running off the page by its
            // visible start.
            QStringList want, got;
            for (const QString& l : expected.mid(page * c.linesPerPage, c.linesPerPage))
                if (!l.simplified().isEmpty())
                    want << l.simplified();
            for (const QString& l : trimmedLines(pageTexts.value(page)))
                if (!l.simplified().isEmpty())
                    got << l.simplified();
            ASSERT_EQ(got.size(), want.size());
            for (int i = 0; i < got.size(); ++i)
                EXPECT_TRUE(want[i] == got[i] || (got[i].size() >= 70 && want[i].startsWith(got[i])))
                    << "line " << i << ": " << got[i].toStdString() << " | " << want[i].toStdString();
        }
        QFile::remove(pdf);
    }
}

TEST_F(CliPdf, an_unwritable_pdf_is_an_input_error_and_leaves_no_file) {
    const QString pdf = dir.filePath("fehlt/out.pdf");
    const Outcome r = run(cli(), args({}, pdf));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("Die PDF-Datei konnte nicht geschrieben werden: " + pdf))
        << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}
