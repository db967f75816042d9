#include "DesktopStart.h"
#include "PageFixture.h"
#include "core/Cp1252.h"
#include "io/ProjectFile.h"
#include "report/Selection.h"
#include "ui/AppContext.h"
#include "ui/DesktopServices.h"
#include "ui/MainWindow.h"
#include "ui/Resources.h"
#include "ui/pages/PageFactory.h"
#include "ui/pages/PageRules.h"
#include "ui/pages/PageWidgets.h"
#include "ui/pages/SelectionDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>
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

void type(QWidget* page, const QString& name, long long value) {
    type(page, name, QString::number(value));
}

template <std::size_t N> void type(QWidget* page, const QString& name, const FixedText<N>& text) {
    type(page, name, fromCp1252(text.str()));
}

void choose(QWidget* page, const QString& name) {
    clickIndicator(find<QAbstractButton>(page, name));
}

QString row(const char* prefix, std::size_t i) {
    return QString::fromLatin1(prefix) + QString::number(i + 1);
}

// One number edit per row: prefix1, prefix2, ...
template <class Rows> void typeRows(QWidget* page, const char* prefix, const Rows& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        type(page, row(prefix, i), rows[i]);
}

QStringList readLines(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    QString all = QString::fromUtf8(f.readAll()).remove(QLatin1Char('\r'));
    if (all.endsWith(QLatin1Char('\n')))
        all.chop(1);
    return all.split(QLatin1Char('\n'));
}

// Fills the page of a data kind from the example's record, through its widgets.
void fillPage(int kind, QWidget* page, const ProjectData& p) {
    switch (kind) {
    case 0:
        type(page, "FirmaEdit", p.Person.Firma);
        type(page, "AbtEdit", p.Person.Abteilung);
        type(page, "NameEdit", p.Person.Name);
        type(page, "StrEdit", p.Person.Str);
        type(page, "OrtEdit", p.Person.Ort);
        break;
    case 1:
        type(page, "FirmaEdit", p.Projekt.Firma);
        type(page, "NameEdit", p.Projekt.Name);
        type(page, "ProjektEdit", p.Projekt.Projekt);
        break;
    case 2:
        type(page, "UEdit", p.Anschluss.Spannung);
        type(page, "IEdit", p.Anschluss.Strom);
        break;
    case 3:
        type(page, "BreiteEdit", p.Schaltschrank.Breite);
        type(page, "HoeheEdit", p.Schaltschrank.Hoehe);
        type(page, "TiefeEdit", p.Schaltschrank.Tiefe);
        choose(page, QStringLiteral("Material_%1").arg(p.Schaltschrank.Material));
        if (p.Schaltschrank.Material == Anderes)
            type(page, "WDurchEdit", FormatKWert(p.Schaltschrank.Waermedurchgangszahl));
        choose(page, QStringLiteral("Einzel_%1").arg(p.Schaltschrank.Gehaeuseart));
        choose(page, QStringLiteral("Wand_%1").arg(p.Schaltschrank.Aufstellart));
        break;
    case 4:
        type(page, "MaxSchSpin", p.Temperatur.MaxInnen);
        type(page, "MinSchSpin", p.Temperatur.MinInnen);
        type(page, "MaxUmgSpin", p.Temperatur.MaxAussen);
        type(page, "MinUmgSpin", p.Temperatur.MinAussen);
        type(page, "WasserSpin", p.Temperatur.Wasser);
        break;
    case 5:
        type(page, "LeistungsTeilSpin", p.Gleichzeitigkeit.Leistungsteil);
        type(page, "SteuerungsteilSpin", p.Gleichzeitigkeit.Steuerungsteil);
        break;
    case 6:
        choose(page, QStringLiteral("Gesamtverlust_%1").arg(p.Verlustleistung.Bekannt));
        if (p.Verlustleistung.Bekannt == VerlustBekannt)
            type(page, "WertBekanntEdit", p.Verlustleistung.WertBekannt);
        if (p.Verlustleistung.Bekannt == VerlustGemessen) {
            type(page, "InnenTempEdit", p.Verlustleistung.InnenTemperatur);
            type(page, "AussenTempEdit", p.Verlustleistung.AussenTemperatur);
        }
        break;
    case 7:
        return typeRows(page, "Leistungsschalter", p.Leistungsschalter);
    case 8:
        for (std::size_t i = 0; i < p.Sicherungen.size(); ++i) {
            type(page, row("AnzahlEdit", i), p.Sicherungen[i].Anzahl);
            type(page, row("StromEdit", i), p.Sicherungen[i].Strom);
            choose(page, QStringLiteral("ArtRadio%1_%2").arg(i + 1).arg(p.Sicherungen[i].Art));
        }
        break;
    case 9:
        return typeRows(page, "MotorschutzEdit", p.Motorschutz);
    case 10:
        return typeRows(page, "RelaisEdit", p.Relais);
    case 11:
        return typeRows(page, "LeistungsschuetzeEdit", p.Leistungsschuetze);
    case 12:
        return typeRows(page, "LampenEdit", p.Lampen);
    case 13:
        for (std::size_t i = 0; i < p.Transformatoren.size(); ++i) {
            type(page, row("AnzahlEdit", i), p.Transformatoren[i].Anzahl);
            type(page, row("LeistungEdit", i), p.Transformatoren[i].Leistung);
        }
        break;
    case 14:
        for (std::size_t i = 0; i < p.Netzteile.size(); ++i) {
            type(page, row("AnzahlEdit", i), p.Netzteile[i].Anzahl);
            type(page, row("UEdit", i), p.Netzteile[i].Spannung);
            type(page, row("StromEdit", i), p.Netzteile[i].Strom);
            auto* list = find<KindListBox>(page, row("ArtListBox", i));
            const int typ = p.Netzteile[i].Typ;
            if (typ >= 1 && typ <= list->count())
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualItemRect(list->item(typ - 1)).center());
        }
        break;
    case 15:
        for (std::size_t i = 0; i < p.Frequenzumrichter.size(); ++i) {
            const FrequenzumrichterZeile& r = p.Frequenzumrichter[i];
            type(page, row("AnzahlEdit", i), r.Anzahl);
            type(page, row("LeistungEdit", i), r.Leistung);
            type(page, row("WirkungsgradEdit", i), r.Wirkungsgrad);
            type(page, row("AusnutzungEdit", i), r.Ausnutzung);
            type(page, row("BezeichnungEdit", i), r.Bezeichnung);
        }
        break;
    case 16:
        return typeRows(page, "SteuerungenEdit", p.Steuerungen);
    case 17:
        for (std::size_t i = 0; i < p.Sonstige.size(); ++i) {
            type(page, row("AnzahlEdit", i), p.Sonstige[i].Anzahl);
            type(page, row("BezeichnungEdit", i), p.Sonstige[i].Bezeichnung);
            type(page, row("LeistungEdit", i), p.Sonstige[i].Leistung);
        }
        break;
    default:
        break;
    }
}

// The desktop program in German on a program folder of its own (the texts and device
// tables of the build), with a scripted user.
struct Desktop {
    LocaleGuard locale;
    QTemporaryDir dir;
    std::unique_ptr<AppContext> app;
    ScriptedInteraction ui;
    std::unique_ptr<TZEKAppForm> window;

    bool start() {
        InitShellResources();
        const QDir bin(qEnvironmentVariable("ZEK_BIN_DIR"));
        for (const QString& name : bin.entryList({"Xalto.zip", "*.TYP"}, QDir::Files))
            QFile::copy(bin.filePath(name), QDir(dir.path()).filePath(name));
        QFile ini(QDir(dir.path()).filePath("ZEK.INI"));
        if (!ini.open(QIODevice::WriteOnly) || ini.write("[Optionen]\r\nSprache=zkdeu\r\n") <= 0)
            return false;
        ini.close();
        app = std::make_unique<AppContext>(dir.path());
        window = StartDesktop(*app, ui, MakeDesktopServices(*app, ui, [this] { return window.get(); }));
        return window != nullptr;
    }
    ~Desktop() { window.reset(); } // the window goes before the records
};

void clickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
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
        Desktop d;
        QVERIFY(d.start());
        AppContext& app = *d.app;
        ScriptedInteraction& ui = d.ui;
        TZEKAppForm* window = d.window.get();
        const QString file = d.dir.filePath("reihe.Z20");
        QVERIFY(QFile::copy(QStringLiteral(ZEK_SOURCE_DIR "/data/examples/stahl_reihenschrank.Z20"), file));
        Project expected(app.settings.data());
        QVERIFY(ReadProjectFile(expected, app.settings.data(), file));
        ui.setNextFileName(file);
        window->findChild<QAction*>("OpenBtn")->trigger();
        QListWidget* list = window->dataKindList();
        QCOMPARE(list->count(), 19);

        // Every page by a click on its row, in an order of chance (fixed, so a failure
        // repeats), one field changed on each.
        const std::vector<PageChange> changes = pageChanges();
        std::vector<int> rows(kDataPageCount);
        std::iota(rows.begin(), rows.end(), 0);
        std::shuffle(rows.begin(), rows.end(), std::mt19937(2026));
        for (const int row : rows) {
            clickRow(list, row);
            QVERIFY2(window->navigation().kind() == row, qPrintable(QString::number(row)));
            changes[std::size_t(row)].act(window->currentDialog());
            changes[std::size_t(row)].expect(expected.data());
        }
        // And once more by the keys, Page Down to the last page and Page Up back.
        clickRow(list, 0);
        for (const auto& [key, last] :
             {std::pair{Qt::Key_PageDown, kDataPageCount - 1}, std::pair{Qt::Key_PageUp, 0}}) {
            for (int i = 1; i < kDataPageCount; ++i)
                QTest::keyClick(window->currentDialog(), key);
            QCOMPARE(window->navigation().kind(), last);
        }

        const QString before = shownReport(*window);
        QVERIFY(!before.isEmpty());
        window->findChild<QAction*>("SaveBtn")->trigger();
        expected.data().Auswahl = app.project.data().Auswahl; // as the selection left it
        // The file is the example with the changes, under the write check it was given.
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        const int check = bytes.mid(bytes.lastIndexOf("Test=") + 5).trimmed().toInt();
        QCOMPARE(bytes, ProjectFileBytes(expected.data(), check));

        ui.setNextFileName(file);
        window->findChild<QAction*>("OpenBtn")->trigger();
        QCOMPARE(shownReport(*window), before);
        QVERIFY(ui.errors.isEmpty());
        QVERIFY(ui.allAnswersUsed());
    }

    void every_page_filled_by_hand_gives_the_example_report_data() {
        QTest::addColumn<QString>("example");
        QTest::newRow("components in every category") << "stahl_reihenschrank";
        QTest::newRow("known loss") << "kunststoff_wandgehaeuse";
        QTest::newRow("measured loss") << "edelstahl_gemessen";
    }
    void every_page_filled_by_hand_gives_the_example_report() {
        QFETCH(QString, example);
        const QString examples = QStringLiteral(ZEK_SOURCE_DIR "/data/examples/");
        Desktop d;
        QVERIFY(d.start());
        AppContext& app = *d.app;
        ScriptedInteraction& ui = d.ui;
        TZEKAppForm* window = d.window.get();
        Project expected(app.settings.data());
        QVERIFY(ReadProjectFile(expected, app.settings.data(), examples + example + ".Z20"));
        const ProjectData& p = expected.data();
        window->findChild<QAction*>("NeuBtn")->trigger();

        // The loss mode decides which rows the list holds: fill the pages in list order.
        for (int kind = 0; kind < 18; ++kind) {
            if (kind >= 7 && p.Verlustleistung.Bekannt != VerlustNichtBekannt)
                break;
            clickRow(window->dataKindList(), kind);
            QWidget* page = window->currentDialog();
            QVERIFY2(page, qPrintable(QString::number(kind)));
            fillPage(kind, page, p);
        }

        // Saved under the example's name, so the report names the same project file.
        ui.setNextFileName(d.dir.filePath(example + ".Z20"));
        QVERIFY(window->commands().SaveProjectAs());

        // The device selection: tick as the example has it, then confirm.
        QTimer::singleShot(0, [&p] {
            auto* dlg = qobject_cast<TAuswahlDlg*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            for (int t : kAuswahlTags) {
                QCheckBox* box = dlg->box(t);
                const bool wanted = p.Auswahl.GeraeteCheck[std::size_t(t - 1)] == '1';
                if (box && box->isVisible() && box->isEnabled() && box->isChecked() != wanted)
                    clickIndicator(box);
            }
            QTest::mouseClick(dlg->OKBtn, Qt::LeftButton);
        });
        window->findChild<QAction*>("ErgAnzBtn")->trigger();
        auto* memo = window->findChild<QPlainTextEdit*>("ErgebnisMemo");
        QVERIFY(memo);

        // The view shows the report from its second line on; the date is today's and the
        // file lies in another folder.
        QStringList golden = readLines(examples + example + ".report.deu.txt").mid(1);
        QStringList shown = memo->toPlainText().split(QLatin1Char('\n'));
        for (QStringList* lines : {&golden, &shown})
            for (QString& l : *lines)
                if (l.startsWith("Datum der Berechnung:") || l.startsWith("Projektdatei:"))
                    l = l.section(QLatin1Char(':'), 0, 0);
        for (int i = 0; i < std::min(golden.size(), shown.size()); ++i)
            QVERIFY2(golden.at(i) == shown.at(i),
                     qPrintable(
                         QStringLiteral("line %1: '%2' != '%3'").arg(i + 2).arg(shown.at(i), golden.at(i))));
        QCOMPARE(shown.size(), golden.size());
        QVERIFY(ui.errors.isEmpty());
    }
};

QTEST_MAIN(TestPagesEndToEnd)
#include "test_pages_e2e.moc"
