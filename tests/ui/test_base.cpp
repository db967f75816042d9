#include "../core/MapTexts.h"
#include "PageFixture.h"
#include "ui/base/DigitFilter.h"
#include "ui/base/LanguageForm.h"
#include "ui/base/TranslateForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

} // namespace

class TestBase : public QObject {
    Q_OBJECT
private slots:
    void digit_filter_removes_what_is_not_a_digit() {
        const struct {
            const char* text;
            int cursor;
            bool allowMinus;
            const char* expected;
            int expectedCursor;
            bool beep;
        } cases[] = {
            {"12a", 3, false, "12", 2, true},                   // letter typed at the end
            {"1x2", 2, false, "12", 1, true},                   // letter typed in the middle
            {"0123456789", 10, false, "0123456789", 10, false}, // every digit passes
            {"-5", 2, true, "-5", 2, false},                    // minus where allowed
            {"-5", 1, false, "5", 0, true},                     // minus elsewhere
            {"5-", 2, true, "5", 1, true},                      // minus not first
            {"1a2b", 4, false, "12", 2, true},                  // pasted text cleaned whole
        };
        for (const auto& c : cases) {
            const FilteredText f = FilterDigitText(c.text, c.cursor, c.allowMinus);
            QVERIFY2(f.text == c.expected && f.cursor == c.expectedCursor && f.beep == c.beep, c.text);
        }
        // In an edit, as typed: the letter is dropped with one beep.
        int beeps = 0;
        BeepOverride quiet([&] { ++beeps; });
        QLineEdit edit;
        AttachDigitFilter(&edit);
        QTest::keyClicks(&edit, "12a");
        QCOMPARE(edit.text(), QString("12"));
        QCOMPARE(beeps, 1);
    }

    void shortcuts_are_parsed_with_the_current_key_names() {
        const std::pair<const char*, QKeySequence> cases[] = {
            {"Strg+S", QKeySequence(Qt::CTRL | Qt::Key_S)},
            {"F9", QKeySequence(Qt::Key_F9)},
            {"Umsch+Entf", QKeySequence(Qt::SHIFT | Qt::Key_Delete)},
            {"BildAb", QKeySequence(Qt::Key_PageDown)},
            {"", QKeySequence()},
            {"Strg+Hallo", QKeySequence()}, // unknown word
        };
        for (const auto& [text, expected] : cases)
            QCOMPARE(ParseShortcut(text, DefaultKeyNames()), expected);
    }

    void translation_uses_help_number_and_tag_only_with_a_module() {
        // Form 12070: caption 120700000, tag 10 -> 120700100, hint + 1.
        const test::MapTexts texts({{120700000u, "Personal data"},
                                    {120700100u, "Company"},
                                    {120700101u, "Your company"},
                                    {120700200u, "Group"}});
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

    void abbruch_and_escape_reload_the_page_and_closing_stores() {
        test::PageFixture f;
        CountingPage page(f.ctx, 15);
        page.show();
        page.edit->setFocus();
        QTest::keyClicks(page.edit, "xyz");
        QTest::mouseClick(page.CancelBtn, Qt::LeftButton);
        QCOMPARE(page.edit->text(), QString("stored"));
        QTest::keyClick(page.edit, Qt::Key_Escape);
        QCOMPARE(page.loads, 3); // create, Abbruch, Escape
        QVERIFY(page.isVisible());
        QCOMPARE(page.stores, 0);
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
