#include "FakeTexts.h"
#include "core/ProjectData.h"
#include "core/SettingsData.h"
#include "i18n/Language.h"
#include "report/print/Drucke.h"
#include "ui/FormContext.h"
#include "ui/ScriptedInteraction.h"
#include "ui/result/DruckerDlg.h"
#include "ui/result/ErgebnisDlg.h"
#include "ui/result/PrinterSystem.h"
#include "ui/result/ResultCommands.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace zek;

namespace {

// Printers for tests: a fixed list and default; a job "prints" into a PDF file of the
// temporary folder, and the setup dialog picks a scripted position.
class FakePrinters : public PrinterSystem {
public:
    QStringList names;
    QString defaultName;
    QString folder;
    int setupChoice = -2; // -2: the setup dialog is cancelled
    QStringList opened;   // "printer|job title"

    QStringList printerNames() const override { return names; }
    QString defaultPrinterName() const override { return defaultName; }
    std::unique_ptr<QPagedPaintDevice> openPrinter(const QString& name, const QString& jobTitle) override {
        opened << name + "|" + jobTitle;
        auto writer = std::make_unique<QPdfWriter>(folder + "/printer-" + name + ".pdf");
        writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        return writer;
    }
    bool setupDialog(QWidget*) override {
        if (setupChoice == -2)
            return false;
        setCurrentIndex(setupChoice);
        return true;
    }
};

struct Fixture {
    Settings settings;
    Project project{settings.data()};
    Language language;
    ScriptedInteraction interaction;
    FormContext ctx{project, settings, language, interaction, {}};
};

PrinterBlock block(std::uint16_t oben, std::uint16_t unten, std::int32_t index) {
    PrinterBlock b;
    b.LinkerRand = 20;
    b.ObererRand = oben;
    b.UntererRand = unten;
    b.RechterRand = 10;
    b.Index = index;
    return b;
}

} // namespace

class TestResult : public QObject {
    Q_OBJECT
private slots:
    void view_shows_every_line_but_the_first_in_a_fixed_pitch_read_only_box() {
        Fixture f;
        QWidget host;
        TErgebnisDlg* view =
            CreateErgebnisView(f.ctx, {"ERGEBNIS", "Projekt: Halle", "", "W\xe4rme   12 W"}, &host);
        QPlainTextEdit* memo = view->findChild<QPlainTextEdit*>("ErgebnisMemo");
        QVERIFY(memo);
        QCOMPARE(memo->toPlainText(), QString::fromUtf8("Projekt: Halle\n\nWärme   12 W"));
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(memo->font().pixelSize(), 13);
        QVERIFY(QFontInfo(memo->font()).fixedPitch());

        // An empty list, or the title alone, leaves an empty view rather than failing.
        view->ZeigeZeilen({});
        QCOMPARE(memo->toPlainText(), QString());
        view->ZeigeZeilen({"ERGEBNIS"});
        QCOMPARE(memo->toPlainText(), QString());
    }

    void escape_in_the_view_asks_for_data_entry_and_closing_frees_it() {
        Fixture f;
        QWidget host;
        host.resize(600, 400);
        QPointer<TErgebnisDlg> view = CreateErgebnisView(f.ctx, {"T", "a", "b"}, &host);
        host.show();
        view->show();
        QSignalSpy spy(view.data(), &TErgebnisDlg::dataEntryRequested);
        QTest::keyClick(view->ErgebnisMemo, Qt::Key_Escape);
        QCOMPARE(spy.count(), 1);
        QVERIFY(view->isVisible()); // Esc does not close the view: the main window switches
        // Page Down scrolls the text and never turns a page.
        QTest::keyClick(view->ErgebnisMemo, Qt::Key_PageDown);
        QVERIFY(view->isVisible());

        view->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(view.isNull());
    }

    void the_button_of_the_view_shown_is_disabled_while_it_is_active_data() {
        QTest::addColumn<bool>("faxMode");
        QTest::newRow("result") << false;
        QTest::newRow("fax") << true;
    }
    void the_button_of_the_view_shown_is_disabled_while_it_is_active() {
        QFETCH(bool, faxMode);
        Fixture f;
        QWidget host;
        QAction ergAnz("ErgAnzBtn"), faxAnz("FaxAnzBtn");
        auto* view = CreateErgebnisView(f.ctx, {"T", "a"}, &host);
        view->setViewButtons(&ergAnz, &faxAnz, faxMode);
        host.show();
        view->show();
        QCOMPARE(ergAnz.isEnabled(), faxMode);
        QCOMPARE(faxAnz.isEnabled(), !faxMode);
        view->hide();
        QVERIFY(ergAnz.isEnabled() && faxAnz.isEnabled());
        view->show();
        delete view; // freed while shown: both buttons work again
        QVERIFY(ergAnz.isEnabled() && faxAnz.isEnabled());
    }

    void printing_uses_the_block_printer_or_falls_back_to_a_pdf_file_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("defaultName");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("oben");
        QTest::addColumn<QString>("fileAnswer"); // relative to the temporary folder; "-" no dialog
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("printedOn");
        QTest::addColumn<QString>("pdfWritten");
        const QStringList two{"Laser", "Faxtreiber"};
        QTest::newRow("printer at its position")
            << two << "Laser" << 1 << 20 << "-" << int(DruckAusgang::Gedruckt) << "Faxtreiber"
            << "printer-Faxtreiber.pdf";
        QTest::newRow("default printer")
            << two << "Laser" << -1 << 20 << "-" << int(DruckAusgang::Gedruckt) << "Laser"
            << "printer-Laser.pdf";
        QTest::newRow("printer gone since start")
            << two << "Laser" << 5 << 20 << "ausdruck" << int(DruckAusgang::PdfGespeichert) << ""
            << "ausdruck.pdf";
        QTest::newRow("no printer at all")
            << QStringList() << "" << -1 << 20 << "bericht.pdf" << int(DruckAusgang::PdfGespeichert) << ""
            << "bericht.pdf";
        QTest::newRow("file dialog cancelled")
            << QStringList() << "" << -1 << 20 << "" << int(DruckAusgang::Abgebrochen) << ""
            << "";
        QTest::newRow("pdf folder missing")
            << QStringList() << "" << 0 << 20 << "fehlt/x.pdf" << int(DruckAusgang::Fehler) << ""
            << "";
        QTest::newRow("margins larger than the page")
            << two << "Laser" << 0 << 200 << "-" << int(DruckAusgang::Fehler) << "Laser"
            << "";
    }
    void printing_uses_the_block_printer_or_falls_back_to_a_pdf_file() {
        QFETCH(QStringList, names);
        QFETCH(QString, defaultName);
        QFETCH(int, index);
        QFETCH(int, oben);
        QFETCH(QString, fileAnswer);
        QFETCH(int, outcome);
        QFETCH(QString, printedOn);
        QFETCH(QString, pdfWritten);

        QTemporaryDir dir;
        FakePrinters printers;
        printers.names = names;
        printers.defaultName = defaultName;
        printers.folder = dir.path();
        ScriptedInteraction ui;
        test::MapTexts texts;
        if (fileAnswer != "-")
            ui.setNextFileName(fileAnswer.isEmpty() ? QString() : dir.filePath(fileAnswer));

        std::vector<std::string> lines(60, "Zeile");
        const DruckAusgang r = DruckeZeilen(lines, block(std::uint16_t(oben), 20, index),
                                            "C:\\Projekte\\anlage.Z20", printers, ui, texts);
        QCOMPARE(int(r), outcome);
        QVERIFY(ui.allAnswersUsed());
        QCOMPARE(ui.errors.size(), outcome == int(DruckAusgang::Fehler) ? 1 : 0);
        if (printedOn.isEmpty())
            QVERIFY(printers.opened.isEmpty());
        else
            QCOMPARE(printers.opened, QStringList{printedOn + "|ZEK 2.2 - anlage.Z20"});
        QStringList files = QDir(dir.path()).entryList(QDir::Files);
        if (outcome == int(DruckAusgang::Fehler) && !printedOn.isEmpty())
            files.removeAll("printer-" + printedOn + ".pdf"); // the refused job never began
        QCOMPARE(files, pdfWritten.isEmpty() ? QStringList() : QStringList{pdfWritten});
        if (!pdfWritten.isEmpty())
            QVERIFY(QFileInfo(dir.filePath(pdfWritten)).size() > 0);
    }

    void save_as_pdf_proposes_the_project_name() {
        QTemporaryDir dir;
        ScriptedInteraction ui;
        test::MapTexts texts;
        texts.texts[kTextPdfTitel] = "Als PDF speichern";
        ui.setNextFileName(dir.filePath("anlage.pdf"));
        QCOMPARE(SpeichereAlsPdf({"T", "a"}, block(20, 20, -1), "C:\\Projekte\\anlage.Z20", ui, texts),
                 DruckAusgang::PdfGespeichert);
        QCOMPARE(ui.fileDialogs, QStringList{"Als PDF speichern"});
        QVERIFY(QFile::exists(dir.filePath("anlage.pdf")));
    }

    void printer_dialog_keeps_each_tabs_edits_and_writes_only_on_ok_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Abbruch") << false;
    }
    void printer_dialog_keeps_each_tabs_edits_and_writes_only_on_ok() {
        QFETCH(bool, ok);
        Fixture f;
        f.settings.data().Drucker = block(20, 15, 1);
        f.settings.data().Fax = block(10, 5, -1);
        const SettingsData before = f.settings.data();
        FakePrinters printers;
        printers.names = {"Laser", "Faxtreiber", "Tinte"};
        printers.defaultName = "Tinte";

        TDruckerDlg dlg(f.ctx, printers);
        auto* tabs = dlg.findChild<QTabBar*>("TabControl");
        auto* oben = dlg.findChild<QLineEdit*>("ObenEdit");
        auto* unten = dlg.findChild<QLineEdit*>("UntenEdit");
        auto* links = dlg.findChild<QLineEdit*>("LinksEdit");
        auto* name = dlg.findChild<QLabel*>("DruckerName");
        QVERIFY(tabs && oben && unten && links && name);
        // Activation: the result tab, its printer current and named, its margins shown.
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(printers.currentIndex(), 1);
        QCOMPARE(name->text(), QString("Faxtreiber"));
        QCOMPARE(oben->text(), QString("20"));
        QCOMPARE(unten->text(), QString("15"));
        QCOMPARE(oben->maxLength(), 3);

        oben->setText("25");
        QTest::keyClicks(links, "x"); // the digit filter drops it
        tabs->setCurrentIndex(1);
        // The fax tab: the default printer and its own margins.
        QCOMPARE(name->text(), QString("Tinte"));
        QCOMPARE(oben->text(), QString("10"));
        unten->setText("");       // not a number: 0
        printers.setupChoice = 2; // "Drucker ..." chooses "Tinte" by position
        dlg.findChild<QPushButton*>("DruckerBtn")->click();
        QCOMPARE(name->text(), QString("Tinte"));
        tabs->setCurrentIndex(0);
        QCOMPARE(oben->text(), QString("25")); // the edit made before switching survived
        QCOMPARE(links->text(), QString("20"));
        QCOMPARE(name->text(), QString("Faxtreiber"));
        tabs->setCurrentIndex(1);
        QCOMPARE(unten->text(), QString("0"));

        dlg.findChild<QPushButton*>(ok ? "OkBtn" : "AbbruchBtn")->click();
        if (!ok) {
            QCOMPARE(f.settings.data(), before);
            return;
        }
        PrinterBlock drucker = block(25, 15, 1);
        PrinterBlock fax = block(10, 0, 2);
        QCOMPARE(f.settings.data().Drucker, drucker);
        QCOMPARE(f.settings.data().Fax, fax);
        QVERIFY(f.settings.IsSettingsModified());
    }

    void printer_dialog_names_no_printer_when_there_is_none() {
        Fixture f;
        FakePrinters printers; // no printers, no default
        TDruckerDlg dlg(f.ctx, printers);
        QCOMPARE(dlg.findChild<QLabel*>("DruckerName")->text(), QString("(kein Drucker)"));
    }
};

QTEST_MAIN(TestResult)
#include "test_result.moc"
