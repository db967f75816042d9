#include "PageFixture.h"
#include "ui/pages/CabinetPage.h"
#include "ui/pages/ComponentPages.h"
#include "ui/pages/DefaultsDialogs.h"
#include "ui/pages/OptionsDialogs.h"
#include "ui/pages/PageFactory.h"
#include "ui/pages/PageRules.h"
#include "ui/pages/PageWidgets.h"
#include "ui/pages/PersonProjectPages.h"
#include "ui/pages/SelectionDialog.h"
#include "ui/pages/TemperatureLossPages.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace zek;
using namespace zek::test;

namespace {

// Closes a dialog that a failed check left open, so a failure never hangs the test.
void closeLater(QDialog* dlg) {
    QTimer::singleShot(0, dlg, [dlg] {
        if (dlg->isVisible())
            dlg->done(QDialog::Rejected);
    });
}

// Runs `act` on the modal dialog once it is shown.
void whenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(modal);
        closeLater(modal);
        act(modal);
    });
}

std::unique_ptr<TMDIChild> openPage(PageFixture& f, int index) {
    std::unique_ptr<TMDIChild> page(CreatePage(index, f.ctx, nullptr));
    if (page)
        page->show();
    return page;
}

} // namespace

class TestPages : public QObject {
    Q_OBJECT
private slots:
    void typed_k_values_and_spin_texts_are_mended_and_read() {
        // typed -> kept, beeps ("1,2,3" takes two steps)
        const std::tuple<const char*, const char*, int> mended[] = {{"5,55", "5,5", 1},     {"5a", "5", 1},
                                                                    {"1,2,3", "1,2", 2},    {"a,b,c", "", 2},
                                                                    {"123456", "12345", 0}, {",5", ",5", 0}};
        for (const auto& [typed, kept, beeps] : mended) {
            const KWertEditState s = CheckKWertText(typed, int(qstrlen(typed)));
            QVERIFY2(s.text == kept && s.beeps == beeps, typed);
        }
        const std::pair<const char*, double> read[] = {
            {"5,5", 5.5}, {"12,", 12.0}, {",5", 0.5}, {"", 0.0}, {"  7", 7.0}};
        for (const auto& [text, value] : read)
            QVERIFY2(ParseKWert(text) == value, text);
        // Clamped to the bounds; no number gives 0, or the lower bound when 0 is outside.
        const std::tuple<const char*, int, int, int> spins[] = {
            {"80", 0, 75, 75}, {"-60", -50, 60, -50}, {"", -50, 60, 0}, {"x", 5, 60, 5}};
        for (const auto& [text, lower, upper, value] : spins)
            QCOMPARE(ReadSpinText(text, lower, upper), value);
    }

    void text_fields_cut_at_their_length_and_abbruch_restores() {
        PageFixture f;
        f.project.data().Projekt.Firma = "Alt GmbH";
        auto person = openPage(f, 0);
        QTest::keyClicks(find(person.get(), "FirmaEdit"), QString(60, QLatin1Char('x')));
        person->StoreData();
        QCOMPARE(f.project.data().Person.Firma.size(), std::size_t(50));

        auto projekt = openPage(f, 1);
        retype(find(projekt.get(), "FirmaEdit"), "Neu AG");
        QTest::mouseClick(projekt->CancelBtn, Qt::LeftButton);
        QCOMPARE(find(projekt.get(), "FirmaEdit")->text(), QString("Alt GmbH"));
        retype(find(projekt.get(), "ProjektEdit"), "");
        projekt->StoreData();
        QCOMPARE(f.project.data().Projekt.Firma.str(), std::string("Alt GmbH"));
        QVERIFY(f.project.data().Projekt.Projekt.empty());

        // Designations take letters and are cut too; counts take digits only.
        auto other = openPage(f, 17);
        QTest::keyClicks(find(other.get(), "AnzahlEdit1"), "3x");
        QTest::keyClicks(find(other.get(), "BezeichnungEdit1"), "Schaltnetzteil 24 V DC extra");
        other->StoreData();
        QCOMPARE(f.project.data().Sonstige[0].Anzahl, u16(3));
        QCOMPARE(f.project.data().Sonstige[0].Bezeichnung.str(), std::string("Schaltnetzteil 24 V "));
        QCOMPARE(f.beeps, 1);
    }

    void cabinet_k_value_follows_the_material_and_odd_values_are_kept() {
        PageFixture f;
        auto page = openPage(f, 3);
        auto* k = find(page.get(), "WDurchEdit");
        QVERIFY(k->isReadOnly()); // Stahlblech from the defaults
        clickIndicator(find<QRadioButton>(page.get(), "Material_4"));
        QVERIFY(!k->isReadOnly());

        retype(k, "7,55");
        QCOMPARE(k->text(), QString("7,5"));
        QCOMPARE(f.beeps, 1);
        clickIndicator(find<QRadioButton>(page.get(), "Material_2"));
        QCOMPARE(k->text(), QString("20,0")); // the table value of aluminium
        QVERIFY(k->isReadOnly());
        clickIndicator(find<QRadioButton>(page.get(), "Material_4"));
        QCOMPARE(k->text(), QString("20,0"));
        QVERIFY(!k->isReadOnly());
        page->StoreData();
        QCOMPARE(f.project.data().Schaltschrank.Material, u16(Anderes));
        QCOMPARE(f.project.data().Schaltschrank.Waermedurchgangszahl, 20.0);

        // Values beyond their lists: shown as "Anderes" with their own k value, so the
        // calculation does not change.
        SchaltschrankGroup& s = f.project.data().Schaltschrank;
        s.Material = 12;
        s.Waermedurchgangszahl = 3.5;
        s.Gehaeuseart = 9;
        page = openPage(f, 3);
        QCOMPARE(find(page.get(), "WDurchEdit")->text(), QString("3,5"));
        page->StoreData();
        QCOMPARE(s.Material, u16(Anderes));
        QCOMPARE(s.Waermedurchgangszahl, 3.5);
        QCOMPARE(s.Gehaeuseart, u16(9));
    }

    void temperature_pairs_turn_red_and_are_swapped_on_leaving() {
        // Each pair alone, both, and equal values (not reversed): {max, min} of the
        // cabinet and of the ambient as stored, then as they must be stored again.
        const struct {
            int maxInnen, minInnen, maxAussen, minAussen;
            int messages;
        } cases[] = {
            {30, 40, 35, 0, 1},
            {40, 30, 5, 10, 1},
            {30, 40, 5, 10, 2},
            {30, 30, 10, 10, 0},
        };
        for (const auto& c : cases) {
            PageFixture f;
            TemperaturGroup& t = f.project.data().Temperatur;
            t = {c.maxInnen, c.minInnen, c.maxAussen, c.minAussen, t.Wasser};
            auto page = openPage(f, 4);
            auto* maxSch = find<TSpinEdit>(page.get(), "MaxSchSpin");
            auto* maxUmg = find<TSpinEdit>(page.get(), "MaxUmgSpin");
            auto red = [](QWidget* w) { return w->palette().color(QPalette::Text) == QColor(Qt::red); };
            QCOMPARE(red(maxSch), c.maxInnen < c.minInnen);
            QCOMPARE(red(maxUmg), c.maxAussen < c.minAussen);

            page->StoreData();
            QCOMPARE(f.interaction.errors.size(), c.messages);
            QCOMPARE(t.MaxInnen, std::max(c.maxInnen, c.minInnen));
            QCOMPARE(t.MinInnen, std::min(c.maxInnen, c.minInnen));
            QCOMPARE(t.MaxAussen, std::max(c.maxAussen, c.minAussen));
            QCOMPARE(t.MinAussen, std::min(c.maxAussen, c.minAussen));
            QVERIFY(!red(maxSch) && !red(maxUmg));
        }
        // A value typed beyond its bound stands until it is read.
        PageFixture f;
        auto page = openPage(f, 4);
        auto* maxUmg = find<TSpinEdit>(page.get(), "MaxUmgSpin");
        maxUmg->selectAll();
        QTest::keyClick(maxUmg, Qt::Key_Delete);
        QTest::keyClicks(maxUmg, "80");
        QCOMPARE(maxUmg->text(), QString("80"));
        page->StoreData();
        QCOMPARE(f.project.data().Temperatur.MaxAussen, 75);
    }

    void loss_page_shows_the_total_while_typing_and_keeps_an_unknown_mode() {
        PageFixture f;
        f.project.data().Verlustleistung = {VerlustBekannt, 0, 0, 0};
        auto page = openPage(f, 6);
        auto* total = find<QLabel>(page.get(), "GesamtVerlustLeistung");
        QCOMPARE(total->text(), QString("0 W"));
        page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page.get()));
        // The field of the mode takes the focus with its text selected: typing replaces the 0.
        QTest::keyClicks(QApplication::focusWidget(), "15x0");
        QCOMPARE(find(page.get(), "WertBekanntEdit")->text(), QString("150"));
        QCOMPARE(total->text(), QString("150 W"));

        QSignalSpy modes(page.get(), &TMDIChild::lossModeChanged);
        clickIndicator(find<QRadioButton>(page.get(), "Gesamtverlust_1"));
        QCOMPARE(modes.count(), 1);
        QCOMPARE(modes.at(0).at(0).toInt(), VerlustGemessen);
        QVERIFY(!find(page.get(), "WertBekanntEdit")->isVisible());
        QVERIFY(find<QWidget>(page.get(), "GemessenPanel")->isVisible());
        QTest::keyClicks(QApplication::focusWidget(), "30");
        QCOMPARE(find(page.get(), "InnenTempEdit")->text(), QString("30"));
        retype(find(page.get(), "AussenTempEdit"), "30");
        QCOMPARE(total->text(), QString("0 W")); // equal temperatures: no heat flows
        QVERIFY(!find<QLabel>(page.get(), "FehlerLabel")->isVisible());

        retype(find(page.get(), "InnenTempEdit"), "20");
        retype(find(page.get(), "AussenTempEdit"), "35");
        QVERIFY(find<QLabel>(page.get(), "FehlerLabel")->isVisible());
        page->StoreData();
        QCOMPARE(f.interaction.errors.size(), 1);
        const VerlustleistungGroup& v = f.project.data().Verlustleistung;
        QCOMPARE(v.Bekannt, u16(VerlustGemessen));
        QCOMPARE(v.InnenTemperatur, 35);
        QCOMPARE(v.AussenTemperatur, 20);
        QCOMPARE(v.WertBekannt, u16(150));

        clickIndicator(find<QRadioButton>(page.get(), "Gesamtverlust_2"));
        page->StoreData();
        QCOMPARE(v.WertBekannt, u16(0)); // estimated from the components: no known value
        QCOMPARE(modes.count(), 2);
        // "&bekannt" chosen by its key: the value shown is selected for the one typed.
        QTest::keyClick(page.get(), Qt::Key_B, Qt::AltModifier);
        QTRY_COMPARE(modes.count(), 3);
        QCOMPARE(modes.last().at(0).toInt(), VerlustBekannt);
        QTest::keyClicks(QApplication::focusWidget(), "7");
        QCOMPARE(find(page.get(), "WertBekanntEdit")->text(), QString("7"));

        // A stored value wider than the edit is shown whole; typing stays within four digits.
        f.project.data().Verlustleistung = {VerlustBekannt, 12000, 0, 0};
        page = openPage(f, 6);
        auto* wert = find(page.get(), "WertBekanntEdit");
        QCOMPARE(wert->text(), QString("12000"));
        wert->setFocus();
        QTest::keyClick(wert, Qt::Key_End);
        QTest::keyClicks(wert, "5");
        QCOMPARE(wert->text(), QString("12000"));
        QTest::keyClick(wert, Qt::Key_Backspace);
        QTest::keyClicks(wert, "7");
        QCOMPARE(wert->text(), QString("1200"));

        // A mode of no button is kept.
        f.project.data().Verlustleistung.Bekannt = 7;
        page = openPage(f, 6);
        QVERIFY(!find(page.get(), "WertBekanntEdit")->isVisible());
        QVERIFY(!find<QWidget>(page.get(), "GemessenPanel")->isVisible());
        page->StoreData();
        QCOMPARE(f.project.data().Verlustleistung.Bekannt, u16(7));
    }

    void fuse_and_power_supply_kinds_are_kept_and_chosen_by_click() {
        // Stored kind -> kind shown and stored again: a fuse always has a kind, a supply may not.
        const struct { int stored, fuse, supply; } cases[] = {{1, 1, 1}, {3, 3, 3}, {0, 1, 0}, {9, 1, 0}};
        for (const auto& c : cases) {
            PageFixture f;
            f.project.data().Sicherungen[0].Art = u16(c.stored);
            f.project.data().Netzteile[0].Typ = u16(c.stored);
            auto fuses = openPage(f, 8);
            auto supplies = openPage(f, 14);
            QCOMPARE(find<KindPanel>(fuses.get(), "ArtPanel1")->kind(), c.fuse);
            QCOMPARE(find<KindListBox>(supplies.get(), "ArtListBox1")->kind(), c.supply);
            fuses->StoreData();
            supplies->StoreData();
            QCOMPARE(int(f.project.data().Sicherungen[0].Art), c.fuse);
            QCOMPARE(int(f.project.data().Netzteile[0].Typ), c.supply);
        }
        // Chosen by click.
        PageFixture f;
        auto fuses = openPage(f, 8);
        clickIndicator(find<QRadioButton>(fuses.get(), "ArtRadio3_3"));
        // The row being edited stands out by its raised bevel, and only that row.
        fuses->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fuses.get()));
        find<QRadioButton>(fuses.get(), "ArtRadio3_3")->setFocus();
        QCOMPARE(find<KindPanel>(fuses.get(), "ArtPanel3")->frameShape(), QFrame::Panel);
        find(fuses.get(), "AnzahlEdit1")->setFocus();
        QCOMPARE(find<KindPanel>(fuses.get(), "ArtPanel3")->frameShape(), QFrame::NoFrame);
        auto supplies = openPage(f, 14);
        auto* list = find<KindListBox>(supplies.get(), "ArtListBox2");
        const QPoint third = list->visualItemRect(list->item(2)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
        QVERIFY(list->item(2)->isSelected()); // the chosen kind is highlighted
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, third); // none chosen
        fuses->StoreData();
        supplies->StoreData();
        QCOMPARE(f.project.data().Sicherungen[2].Art, u16(3));
        QCOMPARE(f.project.data().Netzteile[1].Typ, u16(0));
        // The focus alone chooses nothing; a click does.
        supplies->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(supplies.get()));
        list->setFocus();
        supplies->StoreData();
        QCOMPARE(f.project.data().Netzteile[1].Typ, u16(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
        supplies->StoreData();
        QCOMPARE(f.project.data().Netzteile[1].Typ, u16(3));
    }

    void every_page_opens_on_a_hand_edited_record() {
        PageFixture f;
        ProjectData& p = f.project.data();
        p.Verlustleistung.Bekannt = VerlustNichtBekannt;
        p.Schaltschrank.Aufstellart = 5;
        p.Temperatur.MinAussen = -400;
        p.Frequenzumrichter[0].Wirkungsgrad = 100; // wider than its edit: shown and stored whole
        p.Schaltschrank.Material = Anderes;
        p.Schaltschrank.Waermedurchgangszahl = 1234.5;
        for (int i = 0; i < kDataPageCount; ++i) {
            auto page = openPage(f, i);
            QVERIFY2(page, qPrintable(QString::number(i)));
            QCOMPARE(page->helpNumber(), page->property("helpNumber").toInt());
            page->StoreData();
        }
        QCOMPARE(p.Temperatur.MinAussen, -50);
        QCOMPARE(p.Frequenzumrichter[0].Wirkungsgrad, u16(100));
        QCOMPARE(p.Schaltschrank.Waermedurchgangszahl, 1234.5);
        QVERIFY(!CreatePage(18, f.ctx, nullptr));
    }

    void options_change_directory_and_language_and_abbruch_keeps_both() {
        // Later starts: the directory and the language may change.
        const struct {
            bool ok;
            int item;
            const char *pfad, *sprache;
            bool switchLanguage;
        } cases[] = {{false, 2, "/alt", "zkdeu", false}, // cancelled
                     {true, 2, "/neu", "zkfra", true},
                     {true, 0, "/neu", "zkdeu", false}}; // the same language: no switch
        for (const auto& c : cases) {
            PageFixture f;
            f.settings.data().Optionen.Sprache = "zkdeu";
            f.settings.data().Optionen.Pfadangabe = "/alt";
            f.settings.MarkSettingsSaved();
            whenModal([c](QWidget* w) {
                auto* dlg = qobject_cast<TGOptionenDlg*>(w);
                QVERIFY(dlg);
                dlg->chooseDirectory = [](const QString&) { return QStringLiteral("/neu"); };
                QTest::mouseClick(dlg->VerzeichniswechselBtn, Qt::LeftButton);
                QCOMPARE(dlg->PfadangabeLabel->text(), QString("/neu"));
                clickIndicator(find<QRadioButton>(dlg, QStringLiteral("SprachenRadioGroup_%1").arg(c.item)));
                QTest::mouseClick(find<QPushButton>(dlg, c.ok ? "OKBtn" : "CancelBtn"), Qt::LeftButton);
            });
            QCOMPARE(EditOptions(f.ctx, nullptr, false), c.switchLanguage);
            QCOMPARE(f.settings.data().Optionen.Pfadangabe.str(), std::string(c.pfad));
            QCOMPARE(f.settings.data().Optionen.Sprache.str(), std::string(c.sprache));
            QCOMPARE(f.settings.IsSettingsModified(), c.ok);
        }
        // The directory chooser opens at the start given, or at the current one when that is gone.
        PageFixture first;
        const QString existing = QDir::tempPath();
        TVerzeichnisDlg there(first.ctx, existing);
        QCOMPARE(QDir(there.selectedDirectory()).canonicalPath(), QDir(existing).canonicalPath());
        TVerzeichnisDlg gone(first.ctx, existing + "/does-not-exist-42");
        QCOMPARE(QDir(gone.selectedDirectory()).canonicalPath(), QDir::current().canonicalPath());
    }

    void default_cabinet_keeps_a_width_typed_empty() {
        PageFixture f;
        f.settings.data().Schaltschrank.Breite = 600;
        whenModal([](QWidget* dlg) {
            retype(find(dlg, "BreiteEdit"), "");
            retype(find(dlg, "HoeheEdit"), "1800");
            QTest::mouseClick(find<QPushButton>(dlg, "OKBtn"), Qt::LeftButton);
        });
        EditDefaultCabinet(f.ctx, nullptr);
        QCOMPARE(f.settings.data().Schaltschrank.Breite, u16(600));
        QCOMPARE(f.settings.data().Schaltschrank.Hoehe, u16(1800));
    }

    void selection_dialog_boxes() {
        const struct {
            QStringList codes, untick;
            bool cancel;
            int mask; // candidate n sets bit n - 1; -1: cancelled
            int messages;
        } cases[] = {
            {{"TX-"}, {"LAufCBox"}, false, 1, 0},                 // first air/air box
            {{"TX-"}, {"LAnEinCBox"}, false, 1, 0},               // second air/air box
            {{"L--", "KSM"}, {"GAnEinCBox"}, false, 1, 0},        // hides the KSM box
            {{"L--", "LD-", "WA-"}, {"FilterCBox"}, false, 4, 0}, // a whole family off
            {{"Q--", "KY-", "KZ-"}, {}, false, 2, 2},             // unknown codes reported
            {{"WA-"}, {}, true, -1, 0},                           // cancelled when printing
        };
        for (const auto& c : cases) {
            PageFixture f;
            Kandidatenliste kandidaten;
            for (const QString& code : c.codes)
                kandidaten.push_back({int(kandidaten.size()), 1, 100, code.toStdString()});
            DialogDeviceSelector selector(f.ctx, nullptr);
            selector.beforeExec = [&](TAuswahlDlg&) {
                whenModal([&](QWidget* dlg) {
                    for (const QString& name : c.untick) {
                        QVERIFY(find<QCheckBox>(dlg, name)->isVisible());
                        clickIndicator(find<QCheckBox>(dlg, name));
                    }
                    if (c.codes.contains("KSM"))
                        QVERIFY(!find<QCheckBox>(dlg, "GAnEinMitCBox")->isVisible());
                    if (c.untick.contains("FilterCBox"))
                        QVERIFY(!find<QCheckBox>(dlg, "FDachCBox")->isVisible());
                    QVERIFY(!find<QFrame>(dlg, "LuftPanel")->isVisible() || c.codes.contains("TX-"));
                    QTest::mouseClick(find<QPushButton>(dlg, c.cancel ? "AbbruchBtn" : "OKBtn"),
                                      Qt::LeftButton);
                });
            };
            f.project.MarkProjectSaved();
            const auto result = selector.AuswahlZeigen(c.cancel, kandidaten, f.project.data().Auswahl);
            QCOMPARE(f.interaction.errors.size(), c.messages);
            QCOMPARE(result ? int(*result) : -1, c.mask);
            QCOMPARE(f.project.IsProjectModified(), c.mask >= 0);
            if (result)
                QCOMPARE(int(f.project.data().Auswahl.Geraete), c.mask);
        }
    }

    void selection_dialog_shrinks_with_a_family_unticked_and_escape_cancels_with_abbruch() {
        PageFixture f;
        const Kandidatenliste kandidaten{{0, 1, 100, "L--"}, {1, 1, 100, "LD-"}, {2, 1, 100, "KY-"}};
        for (bool cancelAllowed : {false, true}) {
            TAuswahlDlg dlg(f.ctx, kandidaten, f.project.data().Auswahl, cancelAllowed);
            dlg.show();
            QVERIFY(!dlg.panel(11)->isVisible()); // no air/air candidate: no panel
            const int full = dlg.height();
            clickIndicator(dlg.box(10));
            QVERIFY(dlg.height() < full);
            clickIndicator(dlg.box(10));
            QCOMPARE(dlg.height(), full);
            // Escape cancels only where the cancel button is offered.
            QCOMPARE(dlg.AbbruchBtn->isVisible(), cancelAllowed);
            QTest::keyClick(&dlg, Qt::Key_Escape);
            QCOMPARE(dlg.isVisible(), !cancelAllowed);
            QCOMPARE(dlg.result(), int(QDialog::Rejected));
        }
    }
};

QTEST_MAIN(TestPages)
#include "test_pages.moc"
