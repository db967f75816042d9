#include "../core/MapTexts.h"
#include "../report/PdfText.h"
#include "DesktopStart.h"
#include "PrivateCups.h"
#include "io/SettingsFile.h"
#include "report/print/Drucke.h"
#include "ui/pages/SelectionDialog.h"
#include "ui/result/DruckerDlg.h"
#include "ui/result/PrinterSystem.h"
#include "ui/result/ResultCommands.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QtTest>
#include <cups/cups.h>

using namespace zek;
using namespace zek::test;

namespace {

const QString kProject = QStringLiteral("stahl_reihenschrank.Z20");

// The desktop program, German, with the shipped defaults (ZEK.DEF), the printer positions
// of the test and the printers of the private print system, the example opened. The device
// selection is answered with OK.
struct Program : TestDesktop {
    ShellServices services;
    QTimer selection;
    bool started = false;

    Program(int druckerIndex, int faxIndex) : TestDesktop(QString()) {
        Settings settings;
        ReadSettings(settings, qEnvironmentVariable("ZEK_BIN_DIR") + "/ZEK.DEF");
        settings.data().Optionen.Sprache = "zkdeu";
        settings.data().Drucker.Index = druckerIndex;
        settings.data().Fax.Index = faxIndex;
        WriteSettings(settings, path("ZEK.INI"), MapTexts());
        load();
        services = desktopServices();
        started = start(services);
        selection.setInterval(20);
        selection.callOnTimeout([] {
            if (auto* dlg = qobject_cast<TAuswahlDlg*>(QApplication::activeModalWidget()))
                QTest::mouseClick(dlg->OKBtn, Qt::LeftButton);
        });
        selection.start();
        if (!started)
            return;
        ui.setNextFileName(QStringLiteral(ZEK_SOURCE_DIR "/data/examples/") + kProject);
        click("OpenBtn");
    }

    ~Program() { window.reset(); } // before the services it was given
    void click(const char* action) {
        QTest::mouseClick(window->findChild<QToolBar*>()->widgetForAction(find(action)), Qt::LeftButton);
    }
};

} // namespace

// The slots run in this order; the last one lets the scheduler go away.
class TestCups : public QObject {
    Q_OBJECT
    std::unique_ptr<PrivateCups> m_cups;

private slots:
    void initTestCase() {
        m_cups = std::make_unique<PrivateCups>();
        const QString failure = m_cups->failure();
        if (failure.isEmpty())
            return;
        // CI has what the private print system needs: there it must run.
        if (qEnvironmentVariable("CI") == "true")
            QFAIL(qPrintable(failure));
        QSKIP(qPrintable(failure));
    }
    void cleanupTestCase() { m_cups.reset(); }

    void report_and_inquiry_print_on_their_queues_page_by_page_within_the_printable_area() {
        Program program(-1, 1);
        QVERIFY(program.started);
        const int before = m_cups->lastJobId();
        program.click("ErgDruckBtn");
        program.click("FaxDruckBtn");
        QCOMPARE(program.ui.errors, QStringList());
        const std::vector<CupsJob> jobs = m_cups->waitForJobs(before, 2);
        QCOMPARE(jobs.size(), std::size_t(2));

        const SettingsData& settings = program.app->settings.data();
        for (const bool fax : {false, true}) {
            const CupsJob& job = jobs[fax ? 1 : 0];
            const TestQueue& queue = fax ? kFaxQueue : kBueroQueue;
            const PrinterBlock& block = fax ? settings.Fax : settings.Drucker;
            QCOMPARE(job.queue, QString(queue.name));
            QCOMPARE(job.title, "ZEK 2.2 - " + kProject);
            QCOMPARE(job.state, int(IPP_JSTATE_COMPLETED));
            const QString pdf = m_cups->output(job.id);
            QVERIFY2(!pdf.isEmpty(), "no output of the job");

            // Lines per page: the top of the last line lies at or above the printable height
            // (whole mm) - (top + bottom margin); tops at ObererRand + 46 k. A4 inset by 12 pt:
            // 2880 - 200 >= 100 + 46 k, k <= 56, 57 lines; Letter inset by 18 pt: 2660 - 200 >=
            // 100 + 46 k, k <= 51, 52 lines.
            const int hoehe = int((queue.hoehePt - 2 * queue.randPt) * 25.4 / 72) * 10;
            const int proSeite =
                (hoehe - (block.ObererRand + block.UntererRand) * 10 - block.ObererRand * 10) /
                    kDruckZeilenabstand +
                1;
            const std::vector<std::string> lines = *program.services.buildReport(fax, false);
            QStringList all;
            for (const std::string& l : lines)
                all << fromCp1252(l);
            const int pages = int((lines.size() + proSeite - 1) / proSeite);
            QVERIFY(pages > 1);
            QCOMPARE(pdfInfo(pdf, "Pages"), QString::number(pages));
            const QStringList pageTexts = pdfPages(pdf);
            QCOMPARE(pageTexts.size(), pages);
            // Every line on its page; the viewer rebuilds blanks from the glyph positions.
            for (int page = 0; page < pages; ++page)
                QCOMPARE(pageTexts[page].simplified(),
                         all.mid(page * proSeite, proSeite).join(' ').simplified());

            // Each page starts at the margins, measured from the printable area: its first
            // line with text lies k pitches below the top margin and n characters (0.6 x 4.1
            // mm each) right of the left one. Nothing runs past the printable area's right edge.
            const std::vector<PdfWord> words = pdfWords(pdf);
            double right = 0;
            for (std::size_t i = 0; i < words.size(); ++i) {
                right = std::max(right, words[i].right);
                const int page = words[i].page;
                if (i > 0 && page == words[i - 1].page)
                    continue;
                int k = 0;
                while (all[page * proSeite + k].trimmed().isEmpty())
                    ++k;
                const qsizetype n = all[page * proSeite + k].indexOf(QRegularExpression("\\S"));
                const double x = block.LinkerRand * 10 + n * 0.6 * kDruckSchrifthoehe;
                const double y = block.ObererRand * 10 + k * kDruckZeilenabstand;
                QVERIFY(std::abs(words[i].x - queue.randPt - x * kPtPerUnit) < 1.5);
                QVERIFY(std::abs(words[i].y - queue.randPt - y * kPtPerUnit) < 1.5);
            }
            QVERIFY2(right <= queue.breitePt - queue.randPt, qPrintable(QString::number(right)));
        }
    }

    void a_block_prints_at_its_position_and_a_lost_position_on_the_default_printer() {
        const struct {
            int drucker, fax;
            QList<std::uint32_t> messages; // at start
            const TestQueue* gone;         // removed while the program runs
            const char *report, *inquiry;
        } cases[] = {
            {1, 0, {}, nullptr, "Fax", "Buero"},                   // the last position and the first
            {2, 5, {1005098, 1005099}, nullptr, "Buero", "Buero"}, // just beyond at start
            {1, 1, {}, &kFaxQueue, "Buero", "Buero"},              // gone later: no file dialog
        };
        for (const auto& c : cases) {
            Program program(c.drucker, c.fax);
            QVERIFY(program.started);
            QStringList messages;
            for (std::uint32_t m : c.messages)
                messages << program.text(m).replace("\r\n", "\n");
            QCOMPARE(program.ui.errors, messages);
            if (c.gone)
                QVERIFY(m_cups->admin("lpadmin", {"-x", c.gone->name}));
            const int before = m_cups->lastJobId();
            program.click("ErgDruckBtn");
            program.click("FaxDruckBtn");
            const std::vector<CupsJob> jobs = m_cups->waitForJobs(before, 2);
            if (c.gone)
                QVERIFY(m_cups->addQueue(*c.gone));
            QCOMPARE(jobs.size(), std::size_t(2));
            QCOMPARE(jobs[0].queue + " " + jobs[1].queue, QString(c.report) + " " + c.inquiry);
        }
    }

    void the_printer_dialog_lists_the_queues_and_stores_the_chosen_position() {
        PageFixture f;
        f.settings.data().Drucker.Index = -1;
        SystemPrinters printers;
        TDruckerDlg dlg(f.ctx, printers);
        auto* name = dlg.findChild<QLabel*>("DruckerName");
        QCOMPARE(name->text(), QString("Buero")); // the default printer

        // In the system's print dialog the user takes the next printer of the list and
        // confirms.
        QStringList listed;
        QTimer answer;
        answer.callOnTimeout([&] {
            auto* setup = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (!setup)
                return;
            answer.stop();
            for (auto* box : setup->findChildren<QComboBox*>())
                if (box->findText("Buero") >= 0) {
                    for (int i = 0; i < box->count(); ++i)
                        listed << box->itemText(i);
                    box->setFocus();
                    QTest::keyClick(box, Qt::Key_Down);
                }
            QTest::mouseClick(setup->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
        });
        answer.start(20);
        QTest::mouseClick(dlg.DruckerBtn, Qt::LeftButton);
        QCOMPARE(listed.mid(0, 2), (QStringList{"Buero", "Fax"}));
        QCOMPARE(name->text(), QString("Fax"));
        QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
        QCOMPARE(f.settings.data().Drucker.Index, 1);
    }

    void a_stopped_refusing_or_vanished_print_system_prints_nothing_and_says_so() {
        Program program(-1, -1);
        QVERIFY(program.started);
        const struct {
            const char *stop, *resume;
            std::uint32_t message;
        } queues[] = {{"cupsdisable", "cupsenable", kTextDruckerAngehalten},
                      {"cupsreject", "cupsaccept", kTextDruckerNimmtNichtAn}};
        for (const auto& q : queues) {
            const int before = m_cups->lastJobId();
            QVERIFY(m_cups->admin(q.stop, {"Buero"}));
            program.ui.errors.clear();
            program.click("ErgDruckBtn");
            QCOMPARE(program.ui.errors.size(), 1);
            QVERIFY2(program.ui.errors[0].startsWith(program.text(q.message).replace("%s", "Buero")),
                     qPrintable(program.ui.errors[0]));
            QCOMPARE(m_cups->lastJobId(), before);
            QVERIFY(m_cups->admin(q.resume, {"Buero"}));
        }

        // The scheduler goes away while the pages are drawn.
        struct Vanishing : SystemPrinters {
            PrivateCups& cups;
            explicit Vanishing(PrivateCups& c) : cups(c) {}
            std::unique_ptr<DruckAuftrag> openPrinter(const QString& name, const QString& title) override {
                auto job = SystemPrinters::openPrinter(name, title);
                cups.stop();
                return job;
            }
        } vanishing(*m_cups);
        program.ui.errors.clear();
        const DruckAusgang r = DruckeZeilen({"Zeile"}, program.app->settings.data().Drucker, kProject,
                                            vanishing, program.ui, program.app->language);
        QCOMPARE(int(r), int(DruckAusgang::Fehler));
        QCOMPARE(program.ui.errors.size(), 1);
        QVERIFY2(program.ui.errors[0].startsWith(program.text(kTextDrucksystemFehlt)),
                 qPrintable(program.ui.errors[0]));
    }
};

QTEST_MAIN(TestCups)
#include "test_cups.moc"
