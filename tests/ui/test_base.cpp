#include "FakeTexts.h"
#include "core/ProjectData.h"
#include "core/SettingsData.h"
#include "i18n/Language.h"
#include "ui/FormContext.h"
#include "ui/ScriptedInteraction.h"
#include "ui/base/Beep.h"
#include "ui/base/DigitFilter.h"
#include "ui/base/LanguageForm.h"
#include "ui/base/TranslateForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

using namespace zek;

namespace {

class CountingPage : public TMDIChild {
public:
    CountingPage(FormContext& ctx, unsigned flags) : TMDIChild(ctx, 12070) {
        makePage();
        edit = new QLineEdit(this);
        edit->setObjectName("Edit");
        contentLayout()->addWidget(edit);
        CreateButtonPanel(this, flags);
        LoadData();
    }
    void LoadData() override {
        ++loads;
        edit->setText("stored");
    }
    void StoreData() override { ++stores; }
    QLineEdit* edit;
    int loads = 0;
    int stores = 0;
};

struct Fixture {
    Settings settings;
    Project project{settings.data()};
    Language language;
    ScriptedInteraction interaction;
    FormContext ctx{project, settings, language, interaction, {}};
};

} // namespace

class TestBase : public QObject {
    Q_OBJECT
private slots:
    void digit_filter_removes_what_is_not_a_digit_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<bool>("allowMinus");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("expectedCursor");
        QTest::addColumn<bool>("beep");
        QTest::newRow("letter typed at the end") << "12a" << 3 << false << "12" << 2 << true;
        QTest::newRow("letter typed in the middle") << "1x2" << 2 << false << "12" << 1 << true;
        QTest::newRow("digits pass") << "120" << 3 << false << "120" << 3 << false;
        QTest::newRow("minus where allowed") << "-5" << 2 << true << "-5" << 2 << false;
        QTest::newRow("minus elsewhere") << "-5" << 1 << false << "5" << 0 << true;
        QTest::newRow("minus not first") << "5-" << 2 << true << "5" << 1 << true;
        QTest::newRow("pasted text cleaned whole") << "1a2b" << 4 << false << "12" << 2 << true;
    }
    void digit_filter_removes_what_is_not_a_digit() {
        QFETCH(QString, text);
        QFETCH(int, cursor);
        QFETCH(bool, allowMinus);
        QFETCH(QString, expected);
        QFETCH(int, expectedCursor);
        QFETCH(bool, beep);
        const FilteredText f = FilterDigitText(text, cursor, allowMinus);
        QCOMPARE(f.text, expected);
        QCOMPARE(f.cursor, expectedCursor);
        QCOMPARE(f.beep, beep);
    }

    void typing_a_letter_into_a_numeric_edit_beeps_once() {
        int beeps = 0;
        BeepOverride quiet([&] { ++beeps; });
        QLineEdit edit;
        AttachDigitFilter(&edit);
        QTest::keyClicks(&edit, "12a");
        QCOMPARE(edit.text(), QString("12"));
        QCOMPARE(edit.cursorPosition(), 2);
        QCOMPARE(beeps, 1);
    }

    void shortcuts_are_parsed_with_the_current_key_names_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QKeySequence>("expected");
        QTest::newRow("control letter") << "Strg+S" << QKeySequence(Qt::CTRL | Qt::Key_S);
        QTest::newRow("function key") << "F9" << QKeySequence(Qt::Key_F9);
        QTest::newRow("named key with shift") << "Umsch+Entf" << QKeySequence(Qt::SHIFT | Qt::Key_Delete);
        QTest::newRow("page down") << "BildAb" << QKeySequence(Qt::Key_PageDown);
        QTest::newRow("nothing") << "" << QKeySequence();
        QTest::newRow("unknown word") << "Strg+Hallo" << QKeySequence();
    }
    void shortcuts_are_parsed_with_the_current_key_names() {
        QFETCH(QString, text);
        QFETCH(QKeySequence, expected);
        QCOMPARE(ParseShortcut(text.toStdString(), DefaultKeyNames()), expected);
    }

    void translation_uses_help_number_and_tag_only_with_a_module() {
        test::MapTexts texts;
        // Form 12070: caption 120700000, tag 10 -> 120700100, hint + 1.
        texts.texts = {{120700000u, "Personal data"},
                       {120700100u, "Company"},
                       {120700101u, "Your company"},
                       {120700200u, "Group"}};
        QWidget form;
        form.setWindowTitle("Pers\u00f6nliche Angaben");
        auto* label = new QLabel("Firma", &form);
        label->setProperty(kTagProperty, 10);
        auto* group = new QGroupBox("Gruppe", &form);
        group->setProperty(kTagProperty, 20);
        auto* untranslated = new QCheckBox("Bleibt", &form);
        untranslated->setProperty(kTagProperty, 30);
        auto* edit = new QLineEdit("Wert", &form);
        edit->setProperty(kTagProperty, -1);

        TranslateForm(&form, 12070, texts, false, DefaultKeyNames());
        QCOMPARE(label->text(), QString("Firma"));
        QCOMPARE(form.font().family(), QString("Arial"));

        TranslateForm(&form, 12070, texts, true, DefaultKeyNames());
        QCOMPARE(form.windowTitle(), QString("Personal data"));
        QCOMPARE(label->text(), QString("Company"));
        QCOMPARE(label->toolTip(), QString("Your company"));
        QCOMPARE(group->title(), QString("Group"));
        QCOMPARE(untranslated->text(), QString("Bleibt")); // no text: design text stays
        QCOMPARE(edit->text(), QString("Wert"));
    }

    void button_panel_follows_the_flags() {
        Fixture f;
        CountingPage first(f.ctx, 7);
        QVERIFY(first.WeiterBtn && first.HelpBtn && first.CancelBtn);
        QVERIFY(!first.ZurueckBtn);
        QCOMPARE(first.WeiterBtn->property(kTagProperty).toInt(), 5);
        QCOMPARE(first.CancelBtn->property(kTagProperty).toInt(), 3);
        CountingPage other(f.ctx, 15);
        QVERIFY(other.ZurueckBtn);
        QCOMPARE(other.ZurueckBtn->property(kTagProperty).toInt(), 4);
        QCOMPARE(other.findChild<QWidget*>("Panel1")->height(), 43);
    }

    void page_keys_and_buttons_move_through_the_wizard() {
        Fixture f;
        CountingPage page(f.ctx, 15);
        page.show();
        QSignalSpy next(&page, &TMDIChild::nextPageRequested);
        QSignalSpy previous(&page, &TMDIChild::previousPageRequested);
        page.edit->setFocus();
        QTest::keyClick(page.edit, Qt::Key_PageDown);
        QTest::keyClick(page.edit, Qt::Key_PageUp);
        QTest::keyClick(page.edit, Qt::Key_A);
        QCOMPARE(next.count(), 1);
        QCOMPARE(previous.count(), 1);
        QTest::mouseClick(page.WeiterBtn, Qt::LeftButton);
        QCOMPARE(next.count(), 2);
    }

    void abbruch_reloads_and_keeps_the_page_open() {
        Fixture f;
        CountingPage page(f.ctx, 15);
        page.show();
        QTest::keyClicks(page.edit, "xyz");
        QTest::mouseClick(page.CancelBtn, Qt::LeftButton);
        QCOMPARE(page.edit->text(), QString("stored"));
        QTest::keyClick(page.edit, Qt::Key_Escape);
        QCOMPARE(page.loads, 3); // create, Abbruch, Escape
        QVERIFY(page.isVisible());
        page.close();
        QCOMPARE(page.stores, 1);
    }

    void centring_rounds_each_half_toward_zero() {
        // (800 - 479) / 2 = 160.5 -> 160; (600 - 335) / 2 = 132.5 -> 132; (400 - 479) / 2 = -39.5 -> -39.
        QCOMPARE(CentredPosition({800, 600}, {479, 335}), QPoint(160, 132));
        QCOMPARE(CentredPosition({400, 300}, {479, 335}), QPoint(-39, -17));
    }
};

QTEST_MAIN(TestBase)
#include "test_base.moc"
