#include "../core/MapTexts.h"
#include "../report/DiagrammBeispiel.h"
#include "../report/PdfText.h"
#include "PageFixture.h"
#include "report/chart/DiagrammDateien.h"
#include "ui/result/DruckerDlg.h"
#include "ui/result/ErgebnisDlg.h"
#include "ui/result/PrinterSystem.h"
#include "ui/result/ResultCommands.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace zek;

namespace {

// A fixed printer list; a job "prints" into a PDF of the folder, the setup dialog picks a
// scripted position (-2: cancelled).
struct FakePrinters : PrinterSystem {
    struct Job : DruckAuftrag {
        QPdfWriter writer;
        explicit Job(const QString& file) : writer(file) {}
        QPagedPaintDevice& device() override { return writer; }
        DruckerAntwort submit() override { return {}; }
    };
    QStringList names{"Laser", "Faxtreiber", "Tinte"};
    QString defaultName = "Tinte";
    QString folder;
    int setupChoice = -2;
    QStringList opened;
    QStringList printerNames() const override { return names; }
    QString defaultPrinterName() const override { return defaultName; }
    DruckerAntwort printerState(const QString&) const override { return {}; }
    std::unique_ptr<DruckAuftrag> openPrinter(const QString& name, const QString& title) override {
        opened << name + "|" + title;
        return std::make_unique<Job>(folder + "/printer.pdf");
    }
    bool setupDialog(QWidget*) override {
        if (setupChoice != -2)
            setCurrentIndex(setupChoice);
        return setupChoice != -2;
    }
};

PrinterBlock block(std::uint16_t oben, std::uint16_t unten, std::int32_t index) {
    return {20, oben, 10, unten, index};
}

} // namespace

class TestResult : public QObject {
    Q_OBJECT
private slots:
    void view_shows_the_lines_from_the_second_on_and_hands_escape_to_data_entry() {
        test::PageFixture f;
        QWidget host;
        TErgebnisDlg* view =
            CreateErgebnisView(f.ctx, {"TITEL", "Projekt: Halle", "", "W\xe4rme 12 W"}, &host);
        QPlainTextEdit* memo = view->findChild<QPlainTextEdit*>("ErgebnisMemo");
        QCOMPARE(memo->toPlainText(), QString::fromUtf8("Projekt: Halle\n\nWärme 12 W"));
        QVERIFY(memo->isReadOnly() && memo->lineWrapMode() == QPlainTextEdit::NoWrap);
        QVERIFY(QFontInfo(memo->font()).fixedPitch());
        host.show();
        view->show();
        QSignalSpy spy(view, &TErgebnisDlg::dataEntryRequested);
        QTest::keyClick(memo, Qt::Key_Escape);
        QTest::keyClick(memo, Qt::Key_PageDown); // scrolls, never turns a page
        QCOMPARE(spy.count(), 1);
        QVERIFY(view->isVisible());
    }

    void printing_uses_the_block_printer_or_falls_back_to_a_pdf_file() {
        using A = DruckAusgang;
        const struct {
            bool printers;
            const char* standard; // the default printer
            int index, oben;
            const char* answer; // file name given in the dialog; "-" no dialog
            A outcome;
            const char* file;
            const char* printer;  // where the job went
            bool diagram = false; // the diagrams on a landscape page instead of 60 lines
        } cases[] = {
            {true, "Tinte", 1, 20, "-", A::Gedruckt, "printer.pdf", "Faxtreiber"}, // printer at its position
            {true, "Tinte", -1, 20, "-", A::Gedruckt, "printer.pdf", "Tinte"},     // default printer
            {true, "Laser", 2, 20, "-", A::Gedruckt, "printer.pdf", "Tinte"},      // the last position
            {true, "Laser", 3, 20, "-", A::Gedruckt, "printer.pdf", "Laser"},      // gone: the default
            {true, "", 3, 20, "-", A::Gedruckt, "printer.pdf", "Laser"},           // no default: the first
            {false, "", -1, 20, "b.pdf", A::PdfGespeichert, "b.pdf", ""},
            {false, "", -1, 20, "", A::Abgebrochen, "", ""},
            {false, "", 0, 20, "x/y.pdf", A::Fehler, "", ""},     // pdf folder missing
            {true, "Tinte", 0, 200, "-", A::Fehler, "", "Laser"}, // margins beyond the page
            {true, "Tinte", 1, 20, "-", A::Gedruckt, "printer.pdf", "Faxtreiber", true},
            // 110 + 20 mm of the 210 mm high page leave 80 mm for the diagrams, 111 + 20 mm too little.
            {false, "", -1, 110, "b.pdf", A::PdfGespeichert, "b.pdf", "", true},
            {false, "", -1, 111, "b.pdf", A::Fehler, "", "", true},
        };
        const Diagramme diagramme = ErstelleDiagramme(test::diagrammProjekt(), test::diagrammKatalog());
        const test::MapTexts texts;
        const DiagrammTexte texte = LadeDiagrammTexte(texts);
        for (const auto& c : cases) {
            QTemporaryDir dir;
            FakePrinters system;
            system.folder = dir.path();
            system.defaultName = c.standard;
            if (!c.printers)
                system.names.clear();
            ScriptedInteraction ui;
            if (QString(c.answer) != "-")
                ui.setNextFileName(*c.answer ? dir.filePath(c.answer) : QString());
            const PrinterBlock b = block(quint16(c.oben), 20, c.index);
            const A r =
                c.diagram ? DruckeDiagramm({diagramme, texte, {}}, b, "C:\\P\\anlage.Z20", system, ui, texts)
                          : DruckeZeilen(std::vector<std::string>(60, "Zeile"), b, "C:\\P\\anlage.Z20",
                                         system, ui, texts);
            QCOMPARE(int(r), int(c.outcome));
            QVERIFY(ui.allAnswersUsed());
            QCOMPARE(ui.errors.size(), c.outcome == A::Fehler ? 1 : 0);
            QCOMPARE(system.opened.value(0), *c.printer ? c.printer + QString("|ZEK 2.2 - anlage.Z20") : "");
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), *c.file ? QStringList{c.file} : QStringList());
            if (*c.file) { // A4: 595 x 842 points, turned for the diagrams
                const QStringList size = test::pdfInfo(dir.filePath(c.file), "Page size").split(' ');
                QCOMPARE(size.value(0).toDouble() > size.value(2).toDouble(), c.diagram);
            }
        }
    }

    void printer_dialog_keeps_each_tabs_edits_and_writes_only_on_ok() {
        for (const bool ok : {true, false}) {
            test::PageFixture f;
            f.settings.data().Drucker = block(20, 15, 1);
            f.settings.data().Fax = block(10, 5, -1);
            const SettingsData before = f.settings.data();
            FakePrinters printers;
            TDruckerDlg dlg(f.ctx, printers);
            auto* tabs = dlg.findChild<QTabBar*>("TabControl");
            auto* oben = dlg.findChild<QLineEdit*>("ObenEdit");
            auto* unten = dlg.findChild<QLineEdit*>("UntenEdit");
            auto* name = dlg.findChild<QLabel*>("DruckerName");
            // Opened on the result tab, its printer current and named, its margins shown.
            QCOMPARE(printers.currentIndex(), 1);
            QCOMPARE(name->text() + oben->text() + unten->text(), QString("Faxtreiber2015"));

            oben->clear();
            QTest::keyClicks(oben, "2x5"); // the digit filter drops the letter
            tabs->setCurrentIndex(1);
            QCOMPARE(name->text() + oben->text(), QString("Tinte10")); // default printer, own margins
            unten->clear();                                            // not a number: 0
            printers.setupChoice = 0;
            dlg.findChild<QPushButton*>("DruckerBtn")->click();
            QCOMPARE(name->text(), QString("Laser"));
            tabs->setCurrentIndex(0);
            QCOMPARE(name->text() + oben->text(), QString("Faxtreiber25")); // kept while away
            tabs->setCurrentIndex(1);

            dlg.findChild<QPushButton*>(ok ? "OkBtn" : "AbbruchBtn")->click();
            if (!ok) {
                QCOMPARE(f.settings.data(), before);
                continue;
            }
            QCOMPARE(f.settings.data().Drucker, block(25, 15, 1));
            QCOMPARE(f.settings.data().Fax, block(10, 0, 0));
        }
    }
};

QTEST_MAIN(TestResult)
#include "test_result.moc"
