#include "../core/MapTexts.h"
#include "../report/PdfText.h"
#include "DesktopStart.h"
#include "FormChecks.h"
#include "i18n/Help.h"
#include "ui/DesktopInteraction.h"
#include "ui/MessageForm.h"
#include "ui/QtOwnTexts.h"
#include "ui/base/LanguageForm.h"
#include "ui/pages/OptionsDialogs.h"
#include "ui/pages/PageFactory.h"
#include "ui/pages/PageWidgets.h"
#include "ui/pages/PersonProjectPages.h"
#include "ui/result/DiagrammDlg.h"
#include "ui/result/ErgebnisDlg.h"
#include "ui/result/ResultCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace zek;
using namespace zek::test;

namespace {
// A page with one number field bound to the mains voltage, so that switching, storing
// and reloading can be watched without the real dialogs.
class FakePage : public TMDIChild {
    Q_OBJECT
public:
    FakePage(FormContext& context, int dataKind, QWidget* parent)
        : TMDIChild(context, 20000 + dataKind, parent), kind(dataKind) {
        makePage();
        contentLayout()->addWidget(edit);
        CreateButtonPanel(this, dataKind == 0 ? 7 : 15);
        LoadData();
    }
    void LoadData() override { edit->setText(QString::number(context().project.data().Anschluss.Spannung)); }
    void StoreData() override { context().project.data().Anschluss.Spannung = u16(edit->text().toUInt()); }
    void chooseLossMode(int mode) {
        context().project.data().Verlustleistung.Bekannt = static_cast<u16>(mode);
        emit lossModeChanged(mode);
    }

    const int kind;
    QLineEdit* edit = new QLineEdit(this);
};

// The desktop program with fake pages, reports and printing that count what they are asked.
struct Shell : TestDesktop {
    ShellServices services;
    std::unique_ptr<FormContext> form;
    int resultBuilds = 0, faxBuilds = 0, diagramViews = 0, optionsRuns = 0, printers = 0;
    bool optionsFirstStart = false;
    bool cancelSelection = false;    // the user cancels the selection where allowed
    std::vector<bool> cancelOffered; // per report built: could the selection be cancelled
    std::vector<std::string> printed;

    explicit Shell(const QString& language = QStringLiteral("zkdeu")) : TestDesktop(language) {
        load();
        form = std::make_unique<FormContext>(FormContext{app->project, app->settings, app->language, ui, {}});
        services.createPage = [this](int kind, QWidget* p) -> TMDIChild* {
            return new FakePage(*form, kind, p);
        };
        services.buildReport = [this](bool fax,
                                      bool cancelAllowed) -> std::optional<std::vector<std::string>> {
            ++(fax ? faxBuilds : resultBuilds);
            cancelOffered.push_back(cancelAllowed);
            if (cancelAllowed && cancelSelection)
                return std::nullopt;
            return std::vector<std::string>{"title", fax ? "inquiry" : "report"};
        };
        services.print = [this](const std::vector<std::string>& lines, bool) {
            printed.push_back(lines.back());
        };
        services.createResultView = [this](const std::vector<std::string>& lines, bool, QWidget* p) {
            return CreateErgebnisView(*form, lines, p);
        };
        // The diagrams as the desktop program draws them; their printing is counted.
        services.createDiagramView = [this, create = desktopServices().createDiagramView](QWidget* p) {
            ++diagramViews;
            return create(p);
        };
        services.printDiagram = [this] { printed.push_back("diagram"); };
        services.saveDiagramPdf = [this] { printed.push_back("diagram pdf"); };
        services.editOptions = [this](bool firstStart) {
            ++optionsRuns;
            optionsFirstStart = firstStart;
            app->settings.data().Optionen.Sprache = "zkeng";
        };
        services.help = [](int, int) {};
        services.printerCount = [this] { return printers; };
    }

    ~Shell() { window.reset(); } // before the services and forms its pages use
    bool start() { return TestDesktop::start(services); }
    bool startNew() { return start() && (trigger("NeuBtn"), true); }
    void useRealPages() {
        services.createPage = [this](int kind, QWidget* p) { return CreatePage(kind, *form, p); };
    }
    // A key pressed where the focus is.
    void key(Qt::Key k) const {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window.get(), k);
    }
    // Tab pressed until the focus is back on the list; the names of the fields it passed.
    QStringList tabRound() const {
        QStringList walk;
        do {
            key(Qt::Key_Tab);
            walk << QApplication::focusWidget()->objectName();
        } while (QApplication::focusWidget() != list() && walk.size() < 300);
        return walk;
    }
    TMDIChild* shown() const { return qobject_cast<TMDIChild*>(window->currentDialog()); }
    void click(const char* button) const {
        QTest::mouseClick(zek::test::find<QAbstractButton>(shown(), button), Qt::LeftButton);
    }
    FakePage* page() const { return qobject_cast<FakePage*>(window->currentDialog()); }
    QString status() const { return find<QLabel>("StatusLabel")->text(); }
    // Per action "1" where it can be used, "0" where not.
    QString usable(std::initializer_list<const char*> actions) const {
        QString flags;
        for (const char* name : actions)
            flags += find(name)->isEnabled() ? '1' : '0';
        return flags;
    }
    static void flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

// The text of Qt's own Cancel buttons, as its file and print dialogs show them.
QString qtCancel() {
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}
bool qtTranslated() {
    const QtOwnTexts installed;
    return QFile::exists(installed.file("zkdeu")) && QFile::exists(installed.file("zkfra"));
}

// Opens a question box as the program asks and presses a key where its focus is.
int answerByKey(const TextSource& texts, unsigned buttons, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTimer::singleShot(0, [key, modifiers] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box)
            return;
        // A key that presses nothing closes the box after a while: the answer is wrong, and
        // nothing hangs. Alt and a letter press their button only in the active window.
        QTimer::singleShot(1000, box, &QWidget::close);
        if (QTest::qWaitForWindowActive(box))
            QTest::keyClick(box->focusWidget(), key, modifiers);
    });
    return DesktopInteraction(texts, {}).question("?", MsgType::Warning, buttons, 0);
}

// The caption of a warning, and every button named by its number, for the box tests.
const MapTexts kBoxTexts({{71551, "Warnung"}}, "T");
} // namespace

class ShellTest : public QObject {
    Q_OBJECT
    // A modal window that no test expects would block the run: it is closed and the test fails.
    QTimer m_watchdog;
    QStringList m_unexpectedModals;

private slots:
    void init() {
        m_unexpectedModals.clear();
        m_watchdog.setInterval(200);
        m_watchdog.callOnTimeout(this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                m_unexpectedModals << modal->objectName() + " " + modal->windowTitle();
                modal->close();
            }
        });
        m_watchdog.start();
    }
    void cleanup() {
        m_watchdog.stop();
        m_watchdog.disconnect();
        QVERIFY2(m_unexpectedModals.isEmpty(), qPrintable(m_unexpectedModals.join(", ")));
    }
    void message_box_metrics_follow_the_average_character() {
        // Average character 7 x 16: margins 8*7/4 = 14, 8*16/8 = 16; spacings 10*7/4 = 17.5 -> 18
        // (halves away from zero), 5*16/8 = 10; button spacing 4*7/4 = 7.
        // Each of them shows in the layout below.
        const MessageMetrics m = messageMetrics({7, 16});
        QCOMPARE(MulDiv(-10, 7, 4), -18);

        // Text 200 x 30 with icon and three buttons: icon-text 200+18+32 = 250 x max(30,32) = 32;
        // buttons 3*88 + 2*7 = 278; client (278 + 28) x (32 + 32 + 10 + 32) = 306 x 106;
        // message left 250 - 200 + 14 = 64; buttons from (306-278)/2 = 14 at top 32+16+10 = 58.
        const MessageLayout l = layoutMessage({200, 30}, true, 3, m);
        QCOMPARE(l.client, QSize(306, 106));
        QCOMPARE(l.message, QRect(64, 16, 200, 30));
        QCOMPARE(l.firstButton, QPoint(14, 58));
        // Without icon and buttons the box is the text plus margins: 228 x (30+32+10+32) = 104.
        QCOMPARE(layoutMessage({200, 30}, false, 0, m).client, QSize(228, 104));
    }

    void boxes_choose_default_cancel_and_close_results_copy_and_wrap() {
        QCOMPARE(defaultButtonKind(mbOK | mbCancel), 2); // OK
        QCOMPARE(cancelButtonKind(mbOK | mbCancel), 3);
        QCOMPARE(defaultButtonKind(mbAbort | mbRetry | mbIgnore), 5); // Retry
        QCOMPARE(cancelButtonKind(mbAbort | mbRetry | mbIgnore), 2);  // Esc = OK even when absent
        // Yes is the default of the question boxes; Escape and the close box give their cancel.
        const struct {
            unsigned buttons;
            bool closeBox;
            int result;
        } boxes[] = {{mbYesNoCancel, false, mrCancel}, {mbYesNo, false, mrNo}, {mbYesNo, true, mrCancel}};
        for (const auto& c : boxes) {
            TMessageForm box("Frage?", MsgType::Warning, c.buttons, kBoxTexts, {}, 0);
            box.show();
            QCOMPARE(box.windowTitle(), QString("Warnung"));
            QCOMPARE(box.findChild<QPushButton*>("Yes")->text(), QString("T71555"));
            QVERIFY(box.findChild<QPushButton*>("Yes")->isDefault());
            if (c.closeBox)
                box.close();
            else
                QTest::keyClick(&box, Qt::Key_Escape);
            QCOMPARE(box.result(), c.result);
        }
        // A double click copies the message; a long one wraps within half the screen.
        QString longText;
        for (int i = 0; i < 300; ++i)
            longText += QStringLiteral("Wort%1 ").arg(i);
        TMessageForm box(longText, MsgType::Error, mbOK, kBoxTexts, {}, 0);
        box.show();
        auto* label = box.findChild<QLabel*>("Message");
        QTest::mouseDClick(label, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), longText);
        QVERIFY(label->width() <= QGuiApplication::primaryScreen()->geometry().width() / 2);
        QVERIFY(label->height() > 3 * label->fontMetrics().height());
    }

    void file_dialogs_take_stored_filters_offer_help_and_a_cancel_gives_no_name() {
        const std::pair<const char*, const char*> filters[] = {{"ZEK 2.0|*.Z20", "ZEK 2.0 (*.Z20)"},
                                                               {"ZEK |*.ZEK;*.Z20", "ZEK (*.ZEK *.Z20)"},
                                                               {"PDF (*.pdf)", "PDF (*.pdf)"}};
        for (const auto& [stored, shown] : filters)
            QCOMPARE(fileDialogFilter(stored), QString(shown));
        QCOMPARE(withDefaultExtension("plan", "Z20"), QString("plan.Z20"));
        QCOMPARE(withDefaultExtension("plan.z20", "Z20"), QString("plan.z20"));

        m_watchdog.stop(); // the file dialogs below are expected
        std::vector<int> helped;
        DesktopInteraction ui(kBoxTexts, [&](int n) { helped.push_back(n); });
        auto answer = [] {
            QTimer::singleShot(50, [] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                dialog->findChild<QPushButton*>("HelpBtn")->click();
                dialog->reject();
            });
        };
        answer();
        QCOMPARE(ui.openFileName("Projekt öffnen", QDir::tempPath(), {"ZEK 2.0|*.Z20"}), QString());
        answer();
        QCOMPARE(ui.saveFileName("Projekt speichern", QDir::tempPath(), {"ZEK 2.0|*.Z20"}, "x.Z20"),
                 QString());
        QCOMPARE(helped, (std::vector<int>{kOpenDialogHelpNumber, kSaveDialogHelpNumber}));
    }

    void first_start_asks_for_the_language_before_anything_is_loaded() {
        // Neither ZEK.INI nor ZEK.DEF, a code of no language, or garbage: asked, English chosen.
        for (const QByteArray& ini : {QByteArray(), QByteArray("[Optionen]\r\nSprache=zk/../x\r\n"),
                                      QByteArray("\x00\xff[[[Optionen\r\n=\r\n\x01", 17)}) {
            Shell shell{QString()};
            if (!ini.isEmpty())
                shell.writeFile("ZEK.INI", ini);
            QVERIFY(shell.start());
            QCOMPARE(shell.optionsRuns, 1);
            QVERIFY(shell.optionsFirstStart);
            QCOMPARE(shell.app->languageCode(), std::string("zkeng"));
            QCOMPARE(shell.list()->item(0)->text(), QString("Personal data"));
        }
        // A start with a language in the settings does not ask; printers that are gone fall
        // back to the default.
        Shell german;
        german.writeFile("ZEK.INI",
                         "[Optionen]\r\nSprache=zkdeu\r\n[Drucker]\r\nIndex=5\r\n[Fax]\r\nIndex=1\r\n");
        german.printers = 2; // positions 0 and 1 exist
        QVERIFY(german.start());
        QCOMPARE(german.optionsRuns, 0);
        QCOMPARE(german.ui.errors, QStringList{german.text(1005098)});
        QCOMPARE(german.app->settings.data().Drucker.Index, -1);
        QCOMPARE(german.app->settings.data().Fax.Index, 1);
        // Decimal comma and thousands point whatever the system locale.
        QCOMPARE(QLocale().toString(1234.5, 'f', 1), QString("1.234,5"));
    }

    void missing_data_ends_the_start_with_a_message() {
        // A missing device table; a missing or damaged text archive with no texts anywhere else.
        const std::pair<const char*, QByteArray> broken[] = {
            {"zkdeu.TYP", {}}, {"Xalto.zip", {}}, {"Xalto.zip", "PK\x03\x04 damaged archive"}};
        for (const auto& [file, replacement] : broken) {
            Shell shell;
            QFile::remove(shell.path(file));
            if (!replacement.isEmpty())
                shell.writeFile(file, replacement);
            shell.app->language.setProgramFile(shell.path("no-program"));
            QVERIFY(!shell.start());
            QCOMPARE(shell.ui.errors.size(), 1); // one message, the end
            if (QString(file).endsWith(".TYP"))
                QCOMPARE(shell.ui.errors[0], shell.text(1004033) + "\n" + shell.text(1004036));
        }
    }

    void new_project_walks_the_pages_by_clicks_keys_and_buttons() {
        Shell shell;
        QVERIFY(shell.start());
        QListWidget* list = shell.list();
        QVERIFY(!list->isVisible());
        QCOMPARE(
            shell.usable({"SaveBtn", "DatenBtn", "ErgAnzBtn", "FaxDruckBtn", "DiagrammBtn", "MnDSpeichern"}),
            "000000");
        QVERIFY(!shell.find<QMenu>("MnErgebnis")->menuAction()->isEnabled());

        shell.trigger("NeuBtn");
        QVERIFY(list->isVisible());
        QCOMPARE(list->count(), 19);
        QCOMPARE(list->currentRow(), -1);
        QCOMPARE(shell.usable({"SaveBtn", "DatenBtn", "ErgAnzBtn", "FaxDruckBtn", "DiagrammBtn",
                               "MnDSpeichern", "MnDSpeichernUnter"}),
                 "1011111");
        QCOMPARE(shell.status(), shell.text(1004015));
        // Focus on the list alone opens no page.
        list->activateWindow();
        list->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        QVERIFY(!shell.window->currentDialog());

        shell.clickRow(0);
        QCOMPARE(shell.page()->kind, 0);
        QTest::keyClick(shell.page()->edit, Qt::Key_PageUp);
        QCOMPARE(shell.page()->kind, 0);

        shell.page()->edit->setText("400");
        QPointer<FakePage> first = shell.page();
        shell.click("WeiterBtn");
        QCOMPARE(shell.page()->kind, 1);
        QCOMPARE(shell.app->project.data().Anschluss.Spannung, u16(400)); // stored on leave
        QVERIFY(first);                                                   // released after pending events
        Shell::flush();
        QVERIFY(!first);

        QTest::keyClick(shell.page()->edit, Qt::Key_PageDown);
        QCOMPARE(shell.page()->kind, 2);
        QTest::keyClick(shell.page()->edit, Qt::Key_PageUp);
        QCOMPARE(shell.page()->kind, 1);
        QCOMPARE(list->currentRow(), 1);

        // A click on another row opens it while a page is shown; Weiter goes on from there.
        shell.clickRow(3);
        QCOMPARE(shell.page()->kind, 3);
        shell.click("WeiterBtn");
        QCOMPARE(shell.page()->kind, 4);
        QCOMPARE(list->currentRow(), 4);
        // A click gives the page the focus, Shift+Tab takes it back to the list, where the
        // keys open one page per step and keep the focus; Weiter gives it to the next page.
        shell.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shell.window.get()));
        shell.clickRow(1);
        QVERIFY(shell.page()->edit->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        shell.key(Qt::Key_Down);
        shell.key(Qt::Key_Down);
        QCOMPARE(shell.page()->kind, 3);
        QVERIFY(list->hasFocus());
        shell.click("WeiterBtn");
        QVERIFY(shell.page()->edit->hasFocus());
    }

    void the_list_follows_the_loss_mode_shown_and_data_entry_never_returns_to_the_result() {
        Shell shell;
        shell.useRealPages();
        QVERIFY(shell.startNew());
        QListWidget* list = shell.list();
        const auto chooseMode = [&](int mode) {
            clickIndicator(find<QRadioButton>(shell.shown(), QStringLiteral("Gesamtverlust_%1").arg(mode)));
        };
        shell.clickRow(6);
        chooseMode(VerlustBekannt);
        QCOMPARE(list->count(), 8);
        QCOMPARE(list->currentRow(), 6);
        QCOMPARE(list->item(7)->text(), shell.text(1008018)); // "Ergebnis" is now index 7
        QCOMPARE(shell.status(), shell.text(1004015));        // still "(neu)"
        // Abbruch brings back "nicht bekannt", and the component pages with it.
        shell.click("CancelBtn");
        QCOMPARE(list->count(), 19);
        shell.click("WeiterBtn");
        QCOMPARE(shell.shown()->objectName(), QString("LeistungsschalterDlg"));

        shell.clickRow(6);
        chooseMode(VerlustBekannt);
        shell.click("WeiterBtn");
        QCOMPARE(shell.resultBuilds, 1);
        QVERIFY(shell.window->resultShown());
        QVERIFY(!list->isVisible());
        QCOMPARE(shell.usable({"DatenBtn", "ErgAnzBtn"}), "10");
        shell.trigger("MnEAnzeigen"); // shown already: not built twice
        QCOMPARE(shell.resultBuilds, 1);
        shell.trigger("FaxAnzBtn");
        Shell::flush(); // once the report's view is gone, only the button of the view shown is disabled
        QCOMPARE(shell.faxBuilds, 1);
        QCOMPARE(shell.usable({"ErgAnzBtn", "FaxAnzBtn"}), "10");
        auto* view = qobject_cast<TErgebnisDlg*>(shell.window->currentDialog());
        QVERIFY(view);
        QCOMPARE(view->windowTitle(), shell.text(1004016));

        // Esc goes back to data entry, on the page before "Ergebnis".
        QTest::keyClick(view->ErgebnisMemo, Qt::Key_Escape);
        QVERIFY(list->isVisible());
        QCOMPARE(shell.shown()->objectName(), QString("VerlustDlg"));
        QVERIFY(!shell.find("DatenBtn")->isEnabled());

        // Printing builds afresh, may be cancelled in the selection, and keeps the window as it is.
        shell.cancelSelection = true;
        shell.trigger("ErgDruckBtn");
        shell.cancelSelection = false;
        shell.trigger("FaxDruckBtn");
        QCOMPARE(shell.printed, std::vector<std::string>{"inquiry"});
        QCOMPARE(shell.cancelOffered, (std::vector<bool>{false, false, true, true}));
        QCOMPARE(list->currentRow(), 6);

        // The list a language switch fills still hides the components, so that the way back
        // from the result leads to the loss page.
        shell.trigger("MnGOptionen"); // the fake options dialog chooses English
        QCOMPARE(list->count(), 8);
        shell.clickRow(7);
        QVERIFY(shell.window->resultShown());
        shell.trigger("DatenBtn");
        QCOMPARE(shell.shown()->objectName(), QString("VerlustDlg"));
    }

    void the_diagrams_are_a_view_like_the_result_that_prints_in_its_place() {
        Shell shell;
        std::vector<std::pair<int, int>> helped;
        shell.services.help = [&](int command, int data) { helped.emplace_back(command, data); };
        QVERIFY(shell.startNew());
        shell.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shell.window.get()));
        shell.clickRow(4);
        auto* button = shell.find<QToolButton>("DiagrammBtn");
        QTest::mouseClick(button, Qt::LeftButton);
        auto* view = qobject_cast<TDiagrammDlg*>(shell.window->currentDialog());
        QVERIFY(view);
        QVERIFY(!shell.list()->isVisible());
        QCOMPARE(shell.usable({"DatenBtn", "DiagrammBtn", "ErgAnzBtn"}), "101");
        // What the picture shows, for a screen reader: a new project needs no device.
        QCOMPARE(view->Bild->accessibleName(), shell.text(kTextDiagramm));
        QVERIFY(view->Bild->accessibleDescription().startsWith(shell.text(1012055) + "\n"));
        shell.trigger("MnEDiagramm"); // shown already: drawn once
        QCOMPARE(shell.window->currentDialog(), view);
        QCOMPARE(shell.diagramViews, 1);

        // "Ergebnis drucken" and "Als PDF speichern" take the diagrams while they are shown;
        // the inquiry stays the inquiry. F1 shows their topic.
        shell.trigger("ErgDruckBtn");
        shell.trigger("FaxDruckBtn");
        shell.trigger(kMnEPdfObjectName);
        QCOMPARE(shell.printed, (std::vector<std::string>{"diagram", "inquiry", "diagram pdf"}));
        QCOMPARE(shell.resultBuilds, 0);
        shell.trigger("MnHKontexthilfe");
        QCOMPARE(helped.back(), std::pair(1, kDiagrammDlgHelpNumber));

        // The report replaces them and they the report; Esc on them leads back to the page.
        shell.trigger("ErgAnzBtn");
        Shell::flush();
        QCOMPARE(shell.usable({"DiagrammBtn", "ErgAnzBtn"}), "10");
        QTest::mouseClick(button, Qt::LeftButton);
        Shell::flush();
        QCOMPARE(shell.usable({"DiagrammBtn", "ErgAnzBtn", "FaxAnzBtn"}), "011");
        view = qobject_cast<TDiagrammDlg*>(shell.window->currentDialog());
        QVERIFY(view && view->Bild->hasFocus());
        QTest::keyClick(view->Bild, Qt::Key_Escape);
        QTRY_VERIFY(shell.list()->isVisible());
        QCOMPARE(shell.page()->kind, 4);
        QCOMPARE(shell.usable({"DiagrammBtn", "DatenBtn"}), "10");

        // The desktop program prints them with the result printer's margins: margins that
        // leave no room are refused, the shipped ones give a page under the project's title.
        const ShellServices desktop = shell.desktopServices();
        shell.app->settings.data().Drucker.ObererRand = 150;
        shell.ui.setNextFileName(shell.path("eng.pdf"));
        desktop.saveDiagramPdf();
        QCOMPARE(shell.ui.errors, QStringList{shell.text(1010002)});
        shell.app->settings.data().Drucker.ObererRand = 10;
        shell.ui.setNextFileName(shell.path("d.pdf"));
        desktop.saveDiagramPdf();
        QVERIFY(test::pdfPages(shell.path("d.pdf")).value(0).startsWith(shell.text(1012040)));
        QVERIFY(!QFile::exists(shell.path("eng.pdf")));
    }

    void a_language_switch_keeps_the_project_and_translates_each_form_by_its_own_texts_or_fails_safely() {
        // The window system appends a display name to every title; the titles name the program.
        SetApplicationIdentity(QStringLiteral("2.2"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
        QTemporaryDir noTranslations; // Qt's English then, and not a word about it
        QtOwnTexts(noTranslations.path()).follow("zkdeu");
        QCOMPARE(qtCancel(), QString("Cancel"));
        Shell shell;
        shell.useRealPages();
        QVERIFY(shell.startNew());
        QCOMPARE(shell.find<QMenu>("MnDatei")->title(), QString("&Datei"));
        const QString german = qtTranslated() ? QString("Abbrechen") : QString("Cancel");
        QCOMPARE(qtCancel(), german);
        shell.clickRow(1);
        QTest::keyClicks(find(shell.shown(), "FirmaEdit"), "Schaltbau");
        // English, whose device table is missing: the file is named, no word of an ending.
        QVERIFY(QFile::rename(shell.path("zkeng.TYP"), shell.path("weg")));
        shell.trigger("MnGOptionen"); // the fake options dialog chooses English
        QVERIFY(shell.window->isVisible());
        QCOMPARE(shell.ui.errors.size(), 1);
        QVERIFY(shell.ui.errors[0].endsWith("zkeng.TYP"));
        QCOMPARE(shell.app->language.code() + shell.app->languageCode(), std::string("zkdeuzkdeu"));
        QCOMPARE(shell.list()->item(0)->text(), shell.text(1008000));
        QCOMPARE(shell.app->project.data().Projekt.Firma.str(), std::string("Schaltbau"));
        QCOMPARE(qtCancel(), german); // Qt's texts stay with the language kept

        // "Zurücksetzen" empties the language of the settings; the options dialog offers the
        // language loaded, and Abbruch except at the first start.
        QVERIFY(QFile::rename(shell.path("weg"), shell.path("zkeng.TYP")));
        shell.trigger("MnGZuruecksetzen");
        for (const bool firstStart : {true, false}) {
            QTimer::singleShot(0, [firstStart] {
                auto* dlg = qobject_cast<TGOptionenDlg*>(QApplication::activeModalWidget());
                QVERIFY(dlg);
                QCOMPARE(dlg->buttons.CancelBtn->isEnabled(), !firstStart);
                QCOMPARE(dlg->buttons.HelpBtn->isEnabled(), !firstStart);
                QVERIFY(dlg->SprachenRadioGroup->button(0)->isChecked()); // German, as loaded
                QTest::mouseClick(dlg->buttons.OKBtn, Qt::LeftButton);
            });
            shell.desktopServices().editOptions(firstStart);
            QCOMPARE(shell.app->languageCode(), std::string("zkdeu"));
        }
        shell.trigger("MnGOptionen"); // English, and the project stays
        QCOMPARE(shell.app->project.data().Projekt.Firma.str(), std::string("Schaltbau"));
        // Back on the first page, in English; its controls keep the page's hints, not the toolbar's.
        auto* person = qobject_cast<TPersonDlg*>(shell.shown());
        QVERIFY(person);
        QCOMPARE(person->windowTitle() + person->WeiterBtn->text(), QString("Personal data&Next"));
        for (QWidget* w : person->findChildren<QWidget*>()) {
            const int tag = w->property("tag").toInt();
            const QString toolbarHint =
                tag > 0 ? shell.text(120000001u + 10u * std::uint32_t(tag)) : QString();
            QVERIFY2(toolbarHint.isEmpty() || w->toolTip() != toolbarHint, qPrintable(toolbarHint));
        }
        QCOMPARE(shell.list()->item(0)->text(), QString("Personal data"));
        QVERIFY(shell.window->windowTitle().startsWith(shell.text(120000000)));
        QCOMPARE(shell.find<QMenu>("MnDatei")->title(), QString("&File"));
        QCOMPARE(shell.find("MnDNeu")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
        QCOMPARE(qtCancel(), QString("Cancel"));
        // The modified project is asked for when the program ends, then the settings.
        shell.ui.setNextAnswer(mrNo);
        shell.ui.setNextAnswer(mrNo);
        QVERIFY(shell.window->close());
        QCOMPARE(shell.ui.questions.value(0), shell.text(1004003) + "\n" + shell.text(1004004));
    }

    void
    every_form_in_every_language_has_distinct_accelerators_named_inputs_tab_order_and_room_for_its_texts() {
        for (const QString lang : {"zkdeu", "zkeng", "zkfra"}) {
            Shell shell(lang);
            shell.useRealPages();
            QVERIFY(shell.startNew());
            shell.window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(shell.window.get()));
            QStringList faults;
            QStringList menuTitles;
            for (QAction* menu : shell.window->menuBar()->actions()) {
                menuTitles << menu->text();
                if (menu->menu()) {
                    QStringList items;
                    for (QAction* item : menu->menu()->actions())
                        items << item->text();
                    faults << AcceleratorClashes(menu->menu(), items);
                }
            }
            // The list is as wide as its longest entry, and never below its design width.
            QListWidget* list = shell.list();
            QVERIFY(list->sizeHintForColumn(0) <= list->viewport()->width());
            QVERIFY(list->width() >= kListWidth);
            faults << UnnamedInputs(shell.window.get());
            // The toolbar's buttons are named by their hints in the language shown.
            for (QToolButton* b : shell.find<QToolBar>("SpeedPanel")->findChildren<QToolButton*>())
                if (const auto tag = b->property("tag").toUInt(); tag > 0) {
                    const QString name = QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name);
                    if (name != shell.text(120000001u + 10u * tag))
                        faults << b->objectName() + " is named " + name;
                }
            // Each page inside the main window, whose menu titles take accelerators too; Tab walks
            // its fields before its buttons, from the list once round.
            for (int row = 0; row < kDataPageCount; ++row) {
                shell.clickRow(row);
                faults << AcceleratorClashes(shell.shown(), menuTitles) << UnnamedInputs(shell.shown());
                shell.tabRound();
                const QStringList walk = shell.tabRound();
                QStringList panel = {"WeiterBtn", "HelpBtn", "CancelBtn", "ZurueckBtn", "ListBoxDatenart"};
                if (row == 0)
                    panel.removeOne("ZurueckBtn"); // the first page has no way back
                if (walk.size() <= panel.size() || walk.mid(walk.size() - panel.size()) != panel ||
                    panel.contains(walk.first()))
                    faults << "Tab walks page " + QString::number(row) + " as " + walk.join(" ");
            }
            shell.trigger("DiagrammBtn");
            faults << UnnamedInputs(shell.shown());
            if (shell.shown()->findChild<DiagrammBild*>()->accessibleName() != shell.text(kTextDiagramm))
                faults << "the diagrams have no name";
            shell.trigger("DatenBtn");
            // Every kind of a power supply fits its list, and the chosen one stands out
            // while the focus is elsewhere.
            shell.clickRow(14);
            auto* kinds = find<KindListBox>(shell.shown(), "ArtListBox1");
            for (int i = 0; i < kinds->count(); ++i) {
                const QRect item = kinds->visualItemRect(kinds->item(i));
                QVERIFY2(kinds->viewport()->rect().contains(item), qPrintable(kinds->item(i)->text()));
                QVERIFY(item.width() > kinds->fontMetrics().horizontalAdvance(kinds->item(i)->text()));
            }
            const QRect chosen = kinds->visualItemRect(kinds->item(0)); // a new project's kind 1
            QVERIFY(!kinds->hasFocus());
            QPalette dimmed = kinds->palette(); // as styles that dim the selection of other controls
            dimmed.setColor(QPalette::Inactive, QPalette::Highlight, Qt::lightGray);
            kinds->setPalette(dimmed);
            QCOMPARE(kinds->viewport()->grab().toImage().pixelColor(chosen.left() + 2, chosen.center().y()),
                     kinds->palette().color(QPalette::Active, QPalette::Highlight));
            for (auto& dialog : AllDialogs(*shell.form, shell.app->project.data().Auswahl)) {
                dialog->show();
                faults << AcceleratorClashes(dialog.get()) << UnnamedInputs(dialog.get());
            }
            // No two buttons share a letter, even all nine in one box; the letter alone
            // answers as Alt and the letter do.
            const unsigned everyButton = (1u << kMessageButtonKinds) - 1;
            TMessageForm box("?", MsgType::Warning, everyButton, shell.app->language, {}, 0);
            faults << AcceleratorClashes(&box);
            m_watchdog.stop(); // Alt and a letter press the button after a short animation
            for (int kind = 0; kind < kMessageButtonKinds; ++kind) {
                const QKeySequence letter = box.button(kind)->shortcut();
                if (letter.isEmpty() || modalResultOfKind(kind) == mrNone) // Help shows help
                    continue;
                for (const Qt::KeyboardModifiers alt : {Qt::NoModifier, Qt::AltModifier})
                    if (answerByKey(shell.app->language, everyButton, letter[0].key(), alt) !=
                        modalResultOfKind(kind))
                        faults << box.button(kind)->text() + " is not pressed by its letter" +
                                      (alt ? " with Alt" : "");
            }
            m_watchdog.start();
            // The printer dialog, as the settings menu opens it.
            QTimer::singleShot(0, [&faults] {
                QWidget* printer = QApplication::activeModalWidget();
                faults << AcceleratorClashes(printer) << UnnamedInputs(printer);
                printer->close();
            });
            shell.desktopServices().runDialog("printer");
            QVERIFY2(faults.isEmpty(), qPrintable(lang + ":\n" + faults.join("\n")));
        }
    }

    void save_and_open_round_trip_through_the_commands() {
        Shell shell;
        QVERIFY(shell.startNew());
        shell.app->project.data().Projekt.Name = "Halle 3";
        shell.ui.setNextFileName(shell.path("halle")); // no extension: ".Z20" is added
        shell.trigger("SaveBtn");
        QCOMPARE(shell.app->projectFileName, shell.path("halle.Z20"));
        QVERIFY(!shell.app->project.IsProjectModified());
        QCOMPARE(shell.ui.fileDialogs, QStringList{shell.text(1004013)});
        const QByteArray saved = shell.read("halle.Z20");
        QVERIFY(!saved.isEmpty());

        // A failed save (into a folder whose parent is a file) keeps the change and the old file.
        shell.app->project.data().Projekt.Name = "geändert";
        const QString bad = shell.path("halle.Z20") + "/neu.Z20";
        shell.ui.setNextFileName(bad);
        shell.trigger("MnDSpeichernUnter");
        QCOMPARE(shell.ui.errors.size(), 1);
        QVERIFY(shell.ui.errors[0].contains(bad));
        QVERIFY(shell.app->project.IsProjectModified());
        QCOMPARE(shell.read("halle.Z20"), saved);

        shell.ui.setNextAnswer(mrNo); // do not save the change
        shell.ui.setNextFileName(shell.path("halle.Z20"));
        shell.trigger("OpenBtn");
        QCOMPARE(shell.ui.questions.last(), shell.text(1004003) + "\n" + shell.text(1004004));
        QCOMPARE(shell.app->project.data().Projekt.Name.str(), std::string("Halle 3"));
        QCOMPARE(shell.status(), shell.text(1004009) + shell.path("halle.Z20"));

        // Open on an unchanged project asks nothing; cancelling the dialog leaves a new project.
        shell.ui.setNextFileName(QString());
        shell.trigger("OpenBtn");
        QCOMPARE(shell.app->project.data().Projekt.Name.str(), std::string());
        QVERIFY(shell.app->projectFileName.isEmpty());
        QVERIFY(shell.ui.allAnswersUsed());
    }

    void save_after_import_never_overwrites_the_old_file() {
        Shell shell;
        QVERIFY(shell.start());
        const QByteArray legacy(1220, '\0');
        shell.writeFile("ALT.ZEK", legacy);
        shell.ui.setNextFileName(shell.path("ALT.ZEK"));
        shell.trigger("MnDImportieren");
        QVERIFY(shell.app->projectOpen);
        QCOMPARE(shell.ui.fileDialogs.last(), shell.text(1004017));
        QCOMPARE(shell.status(), shell.text(1004012) + shell.path("ALT.ZEK"));

        shell.ui.setNextFileName(shell.path("ALT.Z20"));
        shell.trigger("SaveBtn");
        QCOMPARE(shell.ui.proposedNames, QStringList{shell.path("ALT.Z20")});
        QCOMPARE(shell.read("ALT.ZEK"), legacy);
        QVERIFY(QFile::exists(shell.path("ALT.Z20")));

        // A failed import over the open project leaves a new project: no page, no row, no
        // file name in the status line.
        shell.clickRow(3);
        shell.writeFile("KURZ.ZEK", "zu kurz");
        shell.ui.setNextFileName(shell.path("KURZ.ZEK"));
        shell.trigger("MnDImportieren");
        QCOMPARE(shell.ui.errors.size(), 1);
        QVERIFY(!shell.window->currentDialog());
        QVERIFY(shell.list()->selectedItems().isEmpty());
        QCOMPARE(shell.status(), shell.text(1004015));
    }

    void a_file_named_at_start_is_opened_imported_or_refused() {
        static const char junk[] = "\x7f"
                                   "ELF\x02\x01\x01\x00 binary junk";
        const struct {
            const char* name;
            QByteArray bytes;
            bool legacy, refused;
            const char* doubtful = nullptr; // the line of the warning after Open
        } cases[] = {
            {"plan.z20", "[Projekt]\r\nName=Halle 7\r\n[Schaltschrank]\r\nBreite=9999\r\n", false, false},
            {"krumm.Z20", "[Schaltschrank]\r\nBreite=-400\r\n", false, false,
             "\n[Schaltschrank] Breite=-400 \u2192 65136"},
            {"ALT.zek", QByteArray(1220, '\0'), true, false},
            {"fremd.Z20", QByteArray(junk, sizeof junk - 1), false, true},
            {"KURZ.ZEK", "zu kurz", true, true}, // too short for a version 1.1 record
        };
        for (const auto& c : cases) {
            Shell shell;
            QVERIFY(shell.start());
            shell.writeFile(c.name, c.bytes);
            if (c.doubtful)
                shell.ui.setNextAnswer(mrOk);
            shell.window->commands().OpenGiven(shell.path(c.name));
            QVERIFY(shell.ui.fileDialogs.isEmpty());
            QVERIFY(shell.ui.allAnswersUsed());
            if (c.doubtful)
                QCOMPARE(shell.ui.questions.last(), shell.text(1013005).replace("%s", shell.path(c.name)) +
                                                        QString::fromUtf8(c.doubtful));
            QCOMPARE(shell.app->projectOpen, !c.refused);
            if (!c.refused) {
                QCOMPARE(shell.app->projectFileName, shell.path(c.name));
                QCOMPARE(shell.window->commands().namedAfterLegacyFile(), c.legacy);
                QVERIFY(shell.ui.errors.isEmpty());
                continue;
            }
            // The file's error, then a new unnamed project that a Save cannot write over the file.
            QCOMPARE(shell.ui.errors.size(), 1);
            QVERIFY(shell.ui.errors[0].contains(shell.path(c.name)));
            if (!c.legacy)
                QCOMPARE(shell.ui.errors[0], shell.text(1004041) + shell.path(c.name));
            QVERIFY(shell.app->projectFileName.isEmpty());
            QVERIFY(shell.app->project.data() == NewProject(shell.app->settings.data()));
        }
    }

    void new_delete_and_close_ask_and_a_cancel_keeps_the_program_running() {
        Shell shell;
        QVERIFY(shell.startNew());
        shell.clickRow(1);
        shell.ui.setNextAnswer(mrNo);
        shell.trigger("MnDNeu"); // asked even on an unchanged project
        QCOMPARE(shell.ui.questions.last(), shell.text(1004005));
        QCOMPARE(shell.page()->kind, 1); // answered No: nothing changed

        shell.writeFile("weg.Z20", "[Person]\r\n");
        for (int i = 0; i < 2; ++i) { // the second time the file is gone
            shell.ui.setNextFileName(shell.path("weg.Z20"));
            shell.trigger("MnDLoeschen");
        }
        QVERIFY(!QFile::exists(shell.path("weg.Z20")));
        QCOMPARE(shell.ui.fileDialogs.last(), shell.text(1004018));
        QCOMPARE(shell.ui.errors.size(), 1);
        QVERIFY(shell.ui.errors[0].startsWith(shell.text(1004040) + shell.path("weg.Z20")));

        shell.app->project.data().Projekt.Firma = "x";
        shell.app->settings.data().Gleichzeitigkeit.Leistungsteil = 70;
        shell.ui.setNextAnswer(mrCancel); // project question
        shell.ui.setNextAnswer(mrYes);    // settings question: written, but the cancel stands
        QVERIFY(!shell.window->close());
        QVERIFY(shell.window->isVisible());
        QCOMPARE(shell.ui.questions.last(), shell.text(1004006) + "\n" + shell.text(1004007));
        QVERIFY(!shell.app->settings.IsSettingsModified());

        shell.ui.setNextAnswer(mrNo); // project question; settings are saved, no second question
        QVERIFY(shell.window->close());
        QVERIFY(shell.ui.allAnswersUsed());
    }

    void help_requests_reach_the_right_file_and_topic() {
        Shell shell;
        std::vector<HelpRequest> shown;
        const AppHelpHandler handler(shell.app->programDir(), shell.app->settings,
                                     [&](const HelpRequest& r) { shown.push_back(r); });
        shell.services.help = [&](int command, int data) {
            handler(command, static_cast<std::uint32_t>(data));
        };
        QVERIFY(shell.start());

        const QString deu = shell.path("zek_deu.hlp");
        const struct {
            const char* action;
            HelpRequest expected;
        } cases[] = {
            {"MnHKontexthilfe", {deu, kHelpContext, 37}}, // main window 12000
            {"HilfeBtn", {deu, kHelpContents, 0}},
            {"MnHHilfeAnwenden", {deu, kHelpOnHelp, 0}},
            {"MnPKuehlgeraete", {deu, kHelpContext, 110}},
        };
        for (const auto& c : cases) {
            shell.trigger(c.action);
            QCOMPARE(shown.back(), c.expected);
        }
    }
};

QTEST_MAIN(ShellTest)
#include "test_shell.moc"
