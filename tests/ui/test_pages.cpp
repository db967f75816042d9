#include "PageFixture.h"
#include "core/Losses.h"
#include "ui/pages/Dl_auswa.h"
#include "ui/pages/Dl_grund.h"
#include "ui/pages/Dl_komp.h"
#include "ui/pages/Dl_optio.h"
#include "ui/pages/Dl_pers.h"
#include "ui/pages/Dl_schal.h"
#include "ui/pages/Dl_temp.h"
#include "ui/pages/PageFactory.h"
#include "ui/pages/PageRules.h"
#include "ui/pages/PageWidgets.h"

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
    // ---- plain rules ---------------------------------------------------------------

    void k_value_text_is_mended_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("beeps");
        QTest::newRow("second decimal") << "5,55"
                                        << "5,5" << 1;
        QTest::newRow("letter") << "5a"
                                << "5" << 1;
        QTest::newRow("second comma mended in two steps") << "1,2,3"
                                                          << "1,2" << 2;
        QTest::newRow("beyond mending") << "a,b,c"
                                        << "" << 2;
        QTest::newRow("six characters cut") << "123456"
                                            << "12345" << 0;
        QTest::newRow("leading comma") << ",5"
                                       << ",5" << 0;
    }
    void k_value_text_is_mended() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(int, beeps);
        const KWertEditState s = CheckKWertText(typed, int(typed.size()));
        QCOMPARE(s.text, kept);
        QCOMPARE(s.beeps, beeps);
    }

    void k_value_is_read_with_its_comma_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("one decimal") << "5,5" << 5.5;
        QTest::newRow("comma without decimal") << "12," << 12.0;
        QTest::newRow("no integer part") << ",5" << 0.5;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("leading blanks") << "  7" << 7.0;
    }
    void k_value_is_read_with_its_comma() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(ParseKWert(text), value);
    }

    void spin_text_reading_rule_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("value");
        QTest::newRow("above the bound") << "80" << 0 << 75 << 75;
        QTest::newRow("below the bound") << "-60" << -50 << 60 << -50;
        QTest::newRow("no number, range holds 0") << "" << -50 << 60 << 0;
        QTest::newRow("no number, range above 0") << "x" << 5 << 60 << 5;
    }
    void spin_text_reading_rule() {
        QFETCH(QString, text);
        QFETCH(int, lower);
        QFETCH(int, upper);
        QFETCH(int, value);
        QCOMPARE(ReadSpinText(text, lower, upper), value);
    }

    // ---- person and project --------------------------------------------------------

    void text_pages_cut_at_the_field_and_abbruch_restores() {
        PageFixture f;
        f.project.data().Projekt.Firma = "Alt GmbH";
        auto person = openPage(f, 0);
        QVERIFY(!person->ZurueckBtn);
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
    }

    // ---- cabinet -------------------------------------------------------------------

    void cabinet_k_value_follows_the_material() {
        PageFixture f;
        auto page = openPage(f, 3);
        auto* k = find(page.get(), "WDurchEdit");
        QVERIFY(k->isReadOnly()); // Stahlblech from the defaults
        clickIndicator(find<QRadioButton>(page.get(), "Material_4"));
        QVERIFY(!k->isReadOnly());

        retype(k, "5,55");
        QCOMPARE(k->text(), QString("5,5"));
        QCOMPARE(f.beeps, 1);
        retype(k, "7a");
        QCOMPARE(k->text(), QString("7"));
        retype(k, "");
        page->StoreData();
        QCOMPARE(f.project.data().Schaltschrank.Waermedurchgangszahl, 0.0);

        retype(k, "7,5");
        clickIndicator(find<QRadioButton>(page.get(), "Material_2"));
        QCOMPARE(k->text(), QString("20,0")); // the table value of aluminium
        QVERIFY(k->isReadOnly());
        clickIndicator(find<QRadioButton>(page.get(), "Material_4"));
        QCOMPARE(k->text(), QString("20,0"));
        QVERIFY(!k->isReadOnly());
        page->StoreData();
        QCOMPARE(f.project.data().Schaltschrank.Material, u16(Anderes));
        QCOMPARE(f.project.data().Schaltschrank.Waermedurchgangszahl, 20.0);
    }

    void cabinet_values_beyond_their_lists_are_kept() {
        PageFixture f;
        SchaltschrankGroup& s = f.project.data().Schaltschrank;
        s.Material = 12;
        s.Waermedurchgangszahl = 3.5;
        s.Gehaeuseart = 9;
        auto page = openPage(f, 3);
        QCOMPARE(find(page.get(), "WDurchEdit")->text(), QString("3,5"));
        page->StoreData();
        // Shown as "Anderes" with its own k value, so the calculation does not change.
        QCOMPARE(s.Material, u16(Anderes));
        QCOMPARE(s.Waermedurchgangszahl, 3.5);
        QCOMPARE(s.Gehaeuseart, u16(9));
    }

    // ---- temperatures --------------------------------------------------------------

    void temperature_pairs_turn_red_and_are_swapped_on_leaving() {
        PageFixture f;
        TemperaturGroup& t = f.project.data().Temperatur;
        t.MaxInnen = 30;
        t.MinInnen = 40;
        auto page = openPage(f, 4);
        auto* maxSch = find<TSpinEdit>(page.get(), "MaxSchSpin");
        QCOMPARE(maxSch->palette().color(QPalette::Text), QColor(Qt::red));
        QVERIFY(find<TSpinEdit>(page.get(), "MaxUmgSpin")->palette().color(QPalette::Text) !=
                QColor(Qt::red));

        auto* maxUmg = find<TSpinEdit>(page.get(), "MaxUmgSpin");
        maxUmg->selectAll();
        QTest::keyClick(maxUmg, Qt::Key_Delete);
        QTest::keyClicks(maxUmg, "80");
        QCOMPARE(maxUmg->text(), QString("80")); // corrected only when read or left

        page->StoreData();
        QCOMPARE(f.interaction.errors.size(), 1);
        QCOMPARE(t.MaxInnen, 40);
        QCOMPARE(t.MinInnen, 30);
        QCOMPARE(t.MaxAussen, 75);
        QCOMPARE(maxSch->palette().color(QPalette::Text) == QColor(Qt::red), false);
    }

    // ---- loss ----------------------------------------------------------------------

    void loss_page_shows_the_total_while_typing() {
        PageFixture f;
        f.project.data().Verlustleistung = {VerlustBekannt, 0, 0, 0};
        auto page = openPage(f, 6);
        auto* total = find<QLabel>(page.get(), "GesamtVerlustLeistung");
        QCOMPARE(total->text(), QString("0 W"));
        QTest::keyClicks(find(page.get(), "WertBekanntEdit"), "15x0");
        QCOMPARE(total->text(), QString("150 W"));

        QSignalSpy modes(page.get(), &TMDIChild::lossModeChanged);
        clickIndicator(find<QRadioButton>(page.get(), "Gesamtverlust_1"));
        QCOMPARE(modes.count(), 1);
        QCOMPARE(modes.at(0).at(0).toInt(), 1);
        QVERIFY(!find(page.get(), "WertBekanntEdit")->isVisible());
        QVERIFY(find<QWidget>(page.get(), "GemessenPanel")->isVisible());
        retype(find(page.get(), "InnenTempEdit"), "30");
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
    }

    void loss_page_keeps_an_unknown_mode() {
        PageFixture f;
        f.project.data().Verlustleistung.Bekannt = 7;
        auto page = openPage(f, 6);
        QVERIFY(!find(page.get(), "WertBekanntEdit")->isVisible());
        QVERIFY(!find<QWidget>(page.get(), "GemessenPanel")->isVisible());
        page->StoreData();
        QCOMPARE(f.project.data().Verlustleistung.Bekannt, u16(7));
    }

    // ---- components ----------------------------------------------------------------

    void contactor_count_survives_the_round_trip() {
        PageFixture f;
        f.project.data().Verlustleistung.Bekannt = VerlustNichtBekannt;
        f.project.data().Gleichzeitigkeit.Leistungsteil = 80;
        {
            auto page = openPage(f, 11);
            retype(find(page.get(), "LeistungsschuetzeEdit12"), "2");
            page->StoreData();
        }
        auto again = openPage(f, 11);
        QCOMPARE(find(again.get(), "LeistungsschuetzeEdit12")->text(), QString("2"));
        // 2 contactors of 375 kW at 200 W each, power-part factor 80 %: 2 * 200 * 0.8 = 320 W.
        QCOMPARE(BerechneTeilverluste(f.project.data()).at(pos::Leistungsschuetze + 11), 320);
    }

    void fuse_and_power_supply_kinds_data() {
        QTest::addColumn<int>("storedKind");
        QTest::addColumn<int>("fuseShown");
        QTest::addColumn<int>("supplyShown");
        QTest::newRow("new project") << 1 << 1 << 1;
        QTest::newRow("third kind") << 3 << 3 << 3;
        QTest::newRow("no kind") << 0 << 1 << 0;
        QTest::newRow("kind from a hand-edited file") << 9 << 1 << 0;
    }
    void fuse_and_power_supply_kinds() {
        QFETCH(int, storedKind);
        QFETCH(int, fuseShown);
        QFETCH(int, supplyShown);
        PageFixture f;
        f.project.data().Sicherungen[0].Art = u16(storedKind);
        f.project.data().Netzteile[0].Typ = u16(storedKind);
        auto fuses = openPage(f, 8);
        auto supplies = openPage(f, 14);
        QCOMPARE(find<KindPanel>(fuses.get(), "ArtPanel1")->kind(), fuseShown);
        QCOMPARE(find<KindListBox>(supplies.get(), "ArtListBox1")->kind(), supplyShown);
        fuses->StoreData();
        supplies->StoreData();
        QCOMPARE(int(f.project.data().Sicherungen[0].Art), fuseShown);
        QCOMPARE(int(f.project.data().Netzteile[0].Typ), supplyShown);
    }

    void kind_choices_are_made_by_click() {
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
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
        QVERIFY(list->selectedItems().isEmpty()); // current, but never highlighted
        list->setKind(0);
        fuses->StoreData();
        supplies->StoreData();
        QCOMPARE(f.project.data().Sicherungen[2].Art, u16(3));
        QCOMPARE(f.project.data().Netzteile[1].Typ, u16(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
        supplies->StoreData();
        QCOMPARE(f.project.data().Netzteile[1].Typ, u16(3));
    }

    void designations_take_letters_and_counts_do_not() {
        PageFixture f;
        auto page = openPage(f, 17);
        QTest::keyClicks(find(page.get(), "AnzahlEdit1"), "3x");
        QTest::keyClicks(find(page.get(), "BezeichnungEdit1"), "Schaltnetzteil 24 V DC extra");
        page->StoreData();
        QCOMPARE(f.project.data().Sonstige[0].Anzahl, u16(3));
        QCOMPARE(f.project.data().Sonstige[0].Bezeichnung.str(), std::string("Schaltnetzteil 24 V "));
        QCOMPARE(f.beeps, 1);
    }

    void every_page_opens_on_a_hand_edited_record() {
        PageFixture f;
        ProjectData& p = f.project.data();
        p.Verlustleistung.Bekannt = VerlustNichtBekannt;
        p.Schaltschrank.Aufstellart = 5;
        p.Temperatur.MinAussen = -400;
        p.Frequenzumrichter[0].Wirkungsgrad = 65535;
        for (int i = 0; i < kDataPageCount; ++i) {
            auto page = openPage(f, i);
            QVERIFY2(page, qPrintable(QString::number(i)));
            QCOMPARE(page->helpNumber(), page->property("helpNumber").toInt());
            page->StoreData();
        }
        QCOMPARE(p.Temperatur.MinAussen, -50);
        QVERIFY(!CreatePage(18, f.ctx, nullptr));
    }

    // ---- settings dialogs ----------------------------------------------------------

    void options_first_start_offers_only_ok() {
        PageFixture f;
        f.settings.data().Optionen.Sprache = "";
        whenModal([](QWidget* dlg) {
            QVERIFY(!find<QPushButton>(dlg, "CancelBtn")->isEnabled());
            QVERIFY(!find<QPushButton>(dlg, "HelpBtn")->isEnabled());
            clickIndicator(find<QRadioButton>(dlg, "SprachenRadioGroup_1"));
            QTest::mouseClick(find<QPushButton>(dlg, "OKBtn"), Qt::LeftButton);
        });
        QVERIFY(!EditOptions(f.ctx, nullptr)); // nothing loaded yet, nothing to switch
        QCOMPARE(f.settings.data().Optionen.Sprache.str(), std::string("zkeng"));
    }

    void options_directory_and_language_change_data() {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("pfad");
        QTest::addColumn<QString>("sprache");
        QTest::addColumn<bool>("switchLanguage");
        QTest::newRow("cancelled") << false << 2 << "/alt"
                                   << "zkdeu" << false;
        QTest::newRow("another language") << true << 2 << "/neu"
                                          << "zkfra" << true;
        QTest::newRow("the same language") << true << 0 << "/neu"
                                           << "zkdeu" << false;
    }
    void options_directory_and_language_change() {
        QFETCH(bool, ok);
        QFETCH(int, item);
        QFETCH(QString, pfad);
        QFETCH(QString, sprache);
        QFETCH(bool, switchLanguage);
        PageFixture f;
        f.settings.data().Optionen.Sprache = "zkdeu";
        f.settings.data().Optionen.Pfadangabe = "/alt";
        f.settings.MarkSettingsSaved();
        whenModal([ok, item](QWidget* w) {
            auto* dlg = qobject_cast<TGOptionenDlg*>(w);
            QVERIFY(dlg);
            dlg->chooseDirectory = [](const QString&) { return QStringLiteral("/neu"); };
            QTest::mouseClick(dlg->VerzeichniswechselBtn, Qt::LeftButton);
            QCOMPARE(dlg->PfadangabeLabel->text(), QString("/neu"));
            clickIndicator(find<QRadioButton>(dlg, QStringLiteral("SprachenRadioGroup_%1").arg(item)));
            QTest::mouseClick(find<QPushButton>(dlg, ok ? "OKBtn" : "CancelBtn"), Qt::LeftButton);
        });
        QCOMPARE(EditOptions(f.ctx, nullptr), switchLanguage);
        QCOMPARE(QString::fromStdString(f.settings.data().Optionen.Pfadangabe.str()), pfad);
        QCOMPARE(QString::fromStdString(f.settings.data().Optionen.Sprache.str()), sprache);
        QCOMPARE(f.settings.IsSettingsModified(), ok);
    }

    void directory_chooser_opens_at_an_existing_start() {
        PageFixture f;
        const QString existing = QDir::tempPath();
        TVerzeichnisDlg there(f.ctx, existing);
        QCOMPARE(QDir(there.selectedDirectory()).canonicalPath(), QDir(existing).canonicalPath());
        TVerzeichnisDlg gone(f.ctx, existing + "/does-not-exist-42");
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

    // ---- device selection ----------------------------------------------------------

    void selection_dialog_boxes_data() {
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QStringList>("untick");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("messages");
        // Candidate n sets bit n - 1.
        QTest::newRow("TX- through the first air/air box")
            << QStringList{"TX-"} << QStringList{"LAufCBox"} << false << 1 << 0;
        QTest::newRow("TX- through the second air/air box")
            << QStringList{"TX-"} << QStringList{"LAnEinCBox"} << false << 1 << 0;
        QTest::newRow("KSM hidden when box 51 is unticked")
            << QStringList{"L--", "KSM"} << QStringList{"GAnEinCBox"} << false << 1 << 0;
        QTest::newRow("family box unticked selects none of it")
            << QStringList{"L--", "LD-", "WA-"} << QStringList{"FilterCBox"} << false << 4 << 0;
        QTest::newRow("unknown code reported and left out")
            << QStringList{"Q--", "KY-", "KZ-"} << QStringList{} << false << 2 << 2;
        QTest::newRow("cancelled when printing") << QStringList{"WA-"} << QStringList{} << true << -1 << 0;
    }
    void selection_dialog_boxes() {
        QFETCH(QStringList, codes);
        QFETCH(QStringList, untick);
        QFETCH(bool, cancel);
        QFETCH(int, mask);
        QFETCH(int, messages);
        PageFixture f;
        Kandidatenliste kandidaten;
        for (const QString& c : codes)
            kandidaten.push_back({int(kandidaten.size()), 1, 100, c.toStdString()});
        DialogDeviceSelector selector(f.ctx, nullptr);
        selector.beforeExec = [&](TAuswahlDlg& dlg) {
            QTimer::singleShot(0, [&] {
                closeLater(&dlg);
                for (const QString& name : untick) {
                    auto* cb = find<QCheckBox>(&dlg, name);
                    QVERIFY(cb->isVisible());
                    clickIndicator(cb);
                }
                if (codes.contains("KSM"))
                    QVERIFY(!find<QCheckBox>(&dlg, "GAnEinMitCBox")->isVisible());
                if (untick.contains("FilterCBox"))
                    QVERIFY(!find<QCheckBox>(&dlg, "FDachCBox")->isVisible());
                QVERIFY(!find<QFrame>(&dlg, "LuftPanel")->isVisible() || codes.contains("TX-"));
                QTest::mouseClick(find<QPushButton>(&dlg, cancel ? "AbbruchBtn" : "OKBtn"), Qt::LeftButton);
            });
        };
        f.project.MarkProjectSaved();
        const auto result = selector.AuswahlZeigen(cancel, kandidaten, f.project.data().Auswahl);
        QCOMPARE(f.interaction.errors.size(), messages);
        if (mask < 0) {
            QVERIFY(!result);
            QVERIFY(!f.project.IsProjectModified());
            return;
        }
        QVERIFY(result);
        QCOMPARE(int(*result), mask);
        QCOMPARE(int(f.project.data().Auswahl.Geraete), mask);
        QVERIFY(f.project.IsProjectModified());
    }

    void selection_dialog_shrinks_with_a_family_unticked() {
        PageFixture f;
        const Kandidatenliste kandidaten{{0, 1, 100, "L--"}, {1, 1, 100, "LD-"}, {2, 1, 100, "KY-"}};
        TAuswahlDlg dlg(f.ctx, kandidaten, f.project.data().Auswahl, false);
        dlg.show();
        QVERIFY(!dlg.panel(11)->isVisible()); // no air/air candidate: no panel
        const int full = dlg.height();
        clickIndicator(dlg.box(10));
        QVERIFY(dlg.height() < full);
        clickIndicator(dlg.box(10));
        QCOMPARE(dlg.height(), full);
    }

    void selection_escape_cancels_only_with_abbruch() {
        PageFixture f;
        const Kandidatenliste kandidaten{{0, 1, 100, "WA-"}};
        for (bool cancelAllowed : {false, true}) {
            TAuswahlDlg dlg(f.ctx, kandidaten, f.project.data().Auswahl, cancelAllowed);
            dlg.show();
            QCOMPARE(dlg.AbbruchBtn->isVisible(), cancelAllowed);
            QTest::keyClick(&dlg, Qt::Key_Escape);
            QCOMPARE(dlg.isVisible(), !cancelAllowed);
            QCOMPARE(dlg.result(), int(QDialog::Rejected));
        }
    }
};

QTEST_MAIN(TestPages)
#include "test_pages.moc"
