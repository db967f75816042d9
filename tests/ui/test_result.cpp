#include "FakeTexts.h"
#include "core/ProjectData.h"
#include "i18n/Language.h"
#include "ui/FormContext.h"
#include "ui/ScriptedInteraction.h"
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
    QStringList names{"Laser", "Faxtreiber", "Tinte"};
    QString defaultName = "Tinte";
    QString folder;
    int setupChoice = -2;
    QStringList opened;
    QStringList printerNames() const override { return names; }
    QString defaultPrinterName() const override { return defaultName; }
    std::unique_ptr<QPagedPaintDevice> openPrinter(const QString& name, const QString& title) override {
        opened << name + "|" + title;
        return std::make_unique<QPdfWriter>(folder + "/printer.pdf");
    }
    bool setupDialog(QWidget*) override {
        if (setupChoice != -2)
            setCurrentIndex(setupChoice);
        return setupChoice != -2;
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
    return {20, oben, 10, unten, index};
}

} // namespace

class TestResult : public QObject {
    Q_OBJECT
private slots:
    void view_shows_the_lines_from_the_second_on_and_hands_escape_to_data_entry() {
        Fixture f;
        QWidget host;
        QAction ergAnz, faxAnz;
        QPointer<TErgebnisDlg> view =
            CreateErgebnisView(f.ctx, {"TITEL", "Projekt: Halle", "", "W\xe4rme 12 W"}, &host);
        QPlainTextEdit* memo = view->findChild<QPlainTextEdit*>("ErgebnisMemo");
        QCOMPARE(memo->toPlainText(), QString::fromUtf8("Projekt: Halle\n\nWärme 12 W"));
        QVERIFY(memo->isReadOnly() && memo->lineWrapMode() == QPlainTextEdit::NoWrap);
        QVERIFY(QFontInfo(memo->font()).fixedPitch());

        // While shown, the button that opens this (fax) view is disabled; hidden, both work.
        view->setViewButtons(&ergAnz, &faxAnz, true);
        host.show();
        view->show();
        QVERIFY(ergAnz.isEnabled() && !faxAnz.isEnabled());
        QSignalSpy spy(view.data(), &TErgebnisDlg::dataEntryRequested);
        QTest::keyClick(memo, Qt::Key_Escape);
        QTest::keyClick(memo, Qt::Key_PageDown); // scrolls, never turns a page
        QCOMPARE(spy.count(), 1);
        QVERIFY(view->isVisible());
        view->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(view.isNull());
        QVERIFY(ergAnz.isEnabled() && faxAnz.isEnabled());
    }

    void printing_uses_the_block_printer_or_falls_back_to_a_pdf_file_data() {
        QTest::addColumn<bool>("printers");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("oben");
        QTest::addColumn<QString>("answer"); // file name given in the dialog; "-" no dialog
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("file");
        using A = DruckAusgang;
        QTest::newRow("printer at its position")
            << true << 1 << 20 << "-" << int(A::Gedruckt) << "printer.pdf";
        QTest::newRow("default printer") << true << -1 << 20 << "-" << int(A::Gedruckt) << "printer.pdf";
        QTest::newRow("printer gone") << true << 5 << 20 << "aus" << int(A::PdfGespeichert) << "aus.pdf";
        QTest::newRow("no printer at all")
            << false << -1 << 20 << "b.pdf" << int(A::PdfGespeichert) << "b.pdf";
        QTest::newRow("dialog cancelled") << false << -1 << 20 << "" << int(A::Abgebrochen) << "";
        QTest::newRow("pdf folder missing") << false << 0 << 20 << "x/y.pdf" << int(A::Fehler) << "";
        QTest::newRow("margins beyond the page") << true << 0 << 200 << "-" << int(A::Fehler) << "";
    }
    void printing_uses_the_block_printer_or_falls_back_to_a_pdf_file() {
        QFETCH(bool, printers);
        QFETCH(int, index);
        QFETCH(int, oben);
        QFETCH(QString, answer);
        QFETCH(int, outcome);
        QFETCH(QString, file);
        QTemporaryDir dir;
        FakePrinters system;
        system.folder = dir.path();
        if (!printers)
            system.names.clear(), system.defaultName.clear();
        ScriptedInteraction ui;
        if (answer != "-")
            ui.setNextFileName(answer.isEmpty() ? QString() : dir.filePath(answer));
        const DruckAusgang r =
            DruckeZeilen(std::vector<std::string>(60, "Zeile"), block(quint16(oben), 20, index),
                         "C:\\P\\anlage.Z20", system, ui, test::MapTexts());
        QCOMPARE(int(r), outcome);
        QVERIFY(ui.allAnswersUsed());
        QCOMPARE(ui.errors.size(), outcome == int(DruckAusgang::Fehler) ? 1 : 0);
        if (outcome == int(DruckAusgang::Gedruckt))
            QCOMPARE(system.opened.value(0), system.printerName(index) + "|ZEK 2.2 - anlage.Z20");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), file.isEmpty() ? QStringList() : QStringList{file});
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
            return;
        }
        QCOMPARE(f.settings.data().Drucker, block(25, 15, 1));
        QCOMPARE(f.settings.data().Fax, block(10, 0, 0));
    }
};

QTEST_MAIN(TestResult)
#include "test_result.moc"
