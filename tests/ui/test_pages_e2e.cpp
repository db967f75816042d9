#include "DesktopStart.h"
#include "io/ProjectFile.h"
#include "ui/pages/PageFactory.h"
#include "ui/pages/PageRules.h"
#include "ui/pages/PageWidgets.h"
#include "ui/pages/SelectionDialog.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>
#include <numeric>
#include <random>

using namespace zek;
using namespace zek::test;

namespace {

// Replaces the text of an edit or spin box key by key, umlauts included (keyClicks knows
// only ASCII).
void type(QWidget* page, const QString& name, const QString& text) {
    auto* edit = find<QWidget>(page, name);
    edit->setFocus();
    QMetaObject::invokeMethod(edit, "selectAll");
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void choose(QWidget* page, const QString& name) {
    clickIndicator(find<QAbstractButton>(page, name));
}

// Shows the result report, confirming the device selection as it stands, and returns the
// text of the view.
QString shownReport(TZEKAppForm& window) {
    QTimer::singleShot(0, [] {
        if (auto* dlg = qobject_cast<TAuswahlDlg*>(QApplication::activeModalWidget()))
            QTest::mouseClick(dlg->OKBtn, Qt::LeftButton);
    });
    window.findChild<QAction*>("ErgAnzBtn")->trigger();
    auto* memo = window.findChild<QPlainTextEdit*>("ErgebnisMemo");
    return memo ? memo->toPlainText() : QString();
}

// One field changed by the user on each page, and the same change made to a record.
struct PageChange {
    std::function<void(QWidget* page)> act;
    std::function<void(ProjectData&)> expect;
};

std::vector<PageChange> pageChanges() {
    const auto typed = [](const char* name, const char* text) {
        return [name, text](QWidget* page) { type(page, name, QString::fromUtf8(text)); };
    };
    return {
        {typed("FirmaEdit", "Elektro Neu"), [](ProjectData& p) { p.Person.Firma = "Elektro Neu"; }},
        {typed("ProjektEdit", "Halle 9"), [](ProjectData& p) { p.Projekt.Projekt = "Halle 9"; }},
        {typed("UEdit", "690"), [](ProjectData& p) { p.Anschluss.Spannung = 690; }},
        {typed("BreiteEdit", "1000"), [](ProjectData& p) { p.Schaltschrank.Breite = 1000; }},
        {typed("MaxSchSpin", "38"), [](ProjectData& p) { p.Temperatur.MaxInnen = 38; }},
        {typed("LeistungsTeilSpin", "75"), [](ProjectData& p) { p.Gleichzeitigkeit.Leistungsteil = 75; }},
        // Measured temperatures typed and the components chosen again: both are kept.
        {[](QWidget* page) {
             choose(page, "Gesamtverlust_1");
             type(page, "InnenTempEdit", "41");
             type(page, "AussenTempEdit", "-7");
             choose(page, "Gesamtverlust_2");
         },
         [](ProjectData& p) {
             p.Verlustleistung.InnenTemperatur = 41;
             p.Verlustleistung.AussenTemperatur = -7;
         }},
        {typed("Leistungsschalter1", "3"), [](ProjectData& p) { p.Leistungsschalter[0] = 3; }},
        {typed("StromEdit1", "63"), [](ProjectData& p) { p.Sicherungen[0].Strom = 63; }},
        {typed("MotorschutzEdit2", "2"), [](ProjectData& p) { p.Motorschutz[1] = 2; }},
        {typed("RelaisEdit4", "12"), [](ProjectData& p) { p.Relais[3] = 12; }},
        {typed("LeistungsschuetzeEdit1", "5"), [](ProjectData& p) { p.Leistungsschuetze[0] = 5; }},
        {typed("LampenEdit3", "7"), [](ProjectData& p) { p.Lampen[2] = 7; }},
        {typed("LeistungEdit1", "250"), [](ProjectData& p) { p.Transformatoren[0].Leistung = 250; }},
        {[](QWidget* page) {
             auto* list = find<KindListBox>(page, "ArtListBox2");
             QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                               list->visualItemRect(list->item(2)).center());
         },
         [](ProjectData& p) { p.Netzteile[1].Typ = 3; }},
        {typed("BezeichnungEdit1", "FU Pumpe"),
         [](ProjectData& p) { p.Frequenzumrichter[0].Bezeichnung = "FU Pumpe"; }},
        {typed("SteuerungenEdit2", "16"), [](ProjectData& p) { p.Steuerungen[1] = 16; }},
        {typed("LeistungEdit1", "35"), [](ProjectData& p) { p.Sonstige[0].Leistung = 35; }},
    };
}

} // namespace

class TestPagesEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void an_example_walked_in_any_order_keeps_every_change_through_save_and_open() {
        TestDesktop d;
        AppContext& app = d.load();
        QVERIFY(d.start(d.desktopServices()));
        ScriptedInteraction& ui = d.ui;
        TZEKAppForm* window = d.window.get();
        const QString file = d.path("reihe.Z20");
        QVERIFY(QFile::copy(QStringLiteral(ZEK_SOURCE_DIR "/data/examples/stahl_reihenschrank.Z20"), file));
        Project expected(app.settings.data());
        QVERIFY(ReadProjectFile(expected, app.settings.data(), file));
        ui.setNextFileName(file);
        d.trigger("OpenBtn");
        QCOMPARE(d.list()->count(), 19);
        // Unchanged, the view shows the example's report from its second line on; the date is
        // today's and the file lies in another folder.
        QFile golden(QStringLiteral(ZEK_SOURCE_DIR "/data/examples/stahl_reihenschrank.report.deu.txt"));
        QVERIFY(golden.open(QIODevice::ReadOnly));
        const auto masked = [](QString text) {
            static const QRegularExpression varying("^(Datum der Berechnung|Projektdatei):.*$",
                                                    QRegularExpression::MultilineOption);
            return text.remove('\r').replace(varying, "\\1").trimmed();
        };
        QCOMPARE(masked(shownReport(*window)), masked(QString::fromUtf8(golden.readAll()).section('\n', 1)));

        // Every page by a click on its row, in an order of chance (fixed, so a failure
        // repeats), one field changed on each; leaving a page stores all its fields.
        const std::vector<PageChange> changes = pageChanges();
        std::vector<int> rows(kDataPageCount);
        std::iota(rows.begin(), rows.end(), 0);
        std::shuffle(rows.begin(), rows.end(), std::mt19937(2026));
        for (const int row : rows) {
            d.clickRow(row);
            QVERIFY2(window->navigation().kind() == row, qPrintable(QString::number(row)));
            changes[std::size_t(row)].act(window->currentDialog());
            changes[std::size_t(row)].expect(expected.data());
        }
        // And once more by the keys, Page Down to the last page and Page Up back.
        d.clickRow(0);
        for (const auto& [key, last] :
             {std::pair{Qt::Key_PageDown, kDataPageCount - 1}, std::pair{Qt::Key_PageUp, 0}}) {
            for (int i = 1; i < kDataPageCount; ++i)
                QTest::keyClick(window->currentDialog(), key);
            QCOMPARE(window->navigation().kind(), last);
        }

        const QString before = shownReport(*window);
        QVERIFY(!before.isEmpty());
        d.trigger("SaveBtn");
        expected.data().Auswahl = app.project.data().Auswahl; // as the selection left it
        // The file is the example with the changes, under the write check it was given.
        const QByteArray bytes = d.read("reihe.Z20");
        const int check = bytes.mid(bytes.lastIndexOf("Test=") + 5).trimmed().toInt();
        QCOMPARE(bytes, ProjectFileBytes(expected.data(), check));

        ui.setNextFileName(file);
        d.trigger("OpenBtn");
        QCOMPARE(shownReport(*window), before);
        QVERIFY(ui.errors.isEmpty());
        QVERIFY(ui.allAnswersUsed());
    }
};

QTEST_MAIN(TestPagesEndToEnd)
#include "test_pages_e2e.moc"
