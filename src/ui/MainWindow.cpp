#include "ui/MainWindow.h"

#include "core/Cp1252.h"
#include "io/SettingsFile.h"
#include "ui/AppContext.h"
#include "ui/Interaction.h"
#include "ui/Resources.h"
#include "ui/StartUp.h"
#include "ui/base/LanguageForm.h"
#include "ui/base/TranslateForm.h"
#include "ui/result/DiagrammDlg.h"
#include "ui/result/ErgebnisDlg.h"
#include "ui/result/ResultCommands.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace zek {

void PageArea::setPage(QWidget* page, bool fill) {
    m_page = page;
    m_fill = fill;
    place();
}

void PageArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place();
}

void PageArea::place() {
    if (!m_page)
        return;
    if (m_fill) {
        m_page->setGeometry(rect());
        return;
    }
    // A page keeps its size and sits in the middle of the free area.
    const QSize size = pageSize(m_page);
    m_page->setGeometry(QRect(CentredPosition(this->size(), size), size));
}

QSize PageArea::pageSize(const QWidget* page) {
    const QSize design = page->size().isEmpty() ? page->sizeHint() : page->size();
    return design.expandedTo(page->minimumSizeHint());
}

DataKindList::DataKindList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit rowChosen(row(item), !m_pressed); });
}

void DataKindList::showRows(const QStringList& texts, int highlighted) {
    m_quiet = true;
    QStringList shown;
    for (int i = 0; i < count(); ++i)
        shown << item(i)->text();
    if (shown != texts) {
        clear();
        addItems(texts);
    }
    setCurrentRow(highlighted < count() ? highlighted : -1);
    m_quiet = false;
    m_widthPending = true;
    if (isVisible())
        fitWidth();
}

void DataKindList::showEvent(QShowEvent* event) {
    QListWidget::showEvent(event);
    if (m_widthPending)
        fitWidth();
}

void DataKindList::fitWidth() {
    // As wide as the longest entry of the language shown, never below the design width.
    m_widthPending = false;
    setFixedWidth(std::max(kListWidth, sizeHintForColumn(0) + 2 * frameWidth() + 4));
}

void DataKindList::mousePressEvent(QMouseEvent* event) {
    m_pressed = true;
    QListWidget::mousePressEvent(event);
}

void DataKindList::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    // The row is chosen when the button is released: a page shown during the press
    // would take the release away from the list.
    if (!std::exchange(m_pressed, false))
        return;
    QListWidgetItem* item = itemAt(event->position().toPoint());
    emit rowChosen(item ? row(item) : -1, false);
}

void DataKindList::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QListWidget::selectionChanged(selected, deselected);
    // Keyboard moves select the row they reach; a press waits for its release.
    if (!m_quiet && !m_pressed && !selected.isEmpty())
        emit rowChosen(selected.indexes().constFirst().row(), true);
}

TZEKAppForm::TZEKAppForm(AppContext& app, UserInteraction& ui, ShellServices services, QWidget* parent)
    : QMainWindow(parent), m_app(app), m_ui(ui), m_services(std::move(services)), m_commands(app, ui, *this) {
    setObjectName("ZEKAppForm");
    setProperty(kHelpNumberProperty, kMainHelpNumber);
    setWindowIcon(ShellIcon("zek"));

    buildActions();
    buildMenus();
    buildToolBar();

    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    m_list = new DataKindList(central);
    m_list->setObjectName("ListBoxDatenart");
    m_list->setProperty(kTagProperty, -1);
    m_list->setFixedWidth(kListWidth);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont bold = m_list->font();
    bold.setBold(true);
    m_list->setFont(bold);
    m_list->setVisible(false);
    row->addWidget(m_list);
    m_area = new PageArea(central);
    m_area->setObjectName("PageArea");
    row->addWidget(m_area, 1);
    setCentralWidget(central);

    connect(m_list, &DataKindList::rowChosen, this, [this](int chosen, bool byKeyboard) {
        if (chosen >= 0)
            goToRow(chosen, !byKeyboard);
        else
            renderList(); // a click beside the rows keeps the row of the page shown
    });

    auto* bar = new QStatusBar(this);
    bar->setObjectName("StatusBar");
    m_status = new QLabel(QStringLiteral("Projekt:"), bar);
    m_status->setObjectName("StatusLabel");
    bar->addWidget(m_status, 1);
    setStatusBar(bar);

    // Hidden buttons that carry the arrow glyphs the pages copy onto Weiter and Zurück.
    m_weiterGlyph = new QPushButton(ShellIcon("next"), QString(), this);
    m_weiterGlyph->setObjectName("WeiterBtn");
    m_zurueckGlyph = new QPushButton(ShellIcon("previous"), QString(), this);
    m_zurueckGlyph->setObjectName("ZurueckBtn");
    for (QPushButton* b : {m_weiterGlyph, m_zurueckGlyph}) {
        b->setProperty(kTagProperty, -1);
        b->setEnabled(false);
        b->setVisible(false);
    }

    const int chrome =
        menuBar()->sizeHint().height() + m_toolBar->sizeHint().height() + bar->sizeHint().height();
    resize(kListWidth + 491, chrome + 366);
    FillDataKindList(false);
}

TZEKAppForm::~TZEKAppForm() {
    // Pages refer to the records through the context; let them go while it still lives.
    delete m_current.data();
    delete m_previous.data();
    m_app.language.UnloadLanguage();
}

QString TZEKAppForm::text(std::uint32_t number) const {
    return fromCp1252(m_app.language.GetLangText(number)).replace("\r\n", "\n");
}

QAction* TZEKAppForm::action(const char* name, const QString& caption, int helpNumber,
                             const QKeySequence& shortcut) {
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    if (helpNumber)
        a->setProperty(kHelpNumberProperty, helpNumber);
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    return a;
}

void TZEKAppForm::buildActions() {
    struct Tool {
        QAction** field;
        const char* name;
        int tag;
        const char* hint;
        const char* icon;
    };
    const Tool tools[] = {
        {&m_neuBtn, "NeuBtn", 1, "Neues Projekt erstellen", "new"},
        {&m_openBtn, "OpenBtn", 2, "Öffnen", "open"},
        {&m_saveBtn, "SaveBtn", 3, "Speichern", "save"},
        {&m_datenBtn, "DatenBtn", 4, "Daten eingeben", "data"},
        {&m_ergAnzBtn, "ErgAnzBtn", 5, "Ergebnis anzeigen", "result"},
        {&m_ergDruckBtn, "ErgDruckBtn", 6, "Ergebnis drucken", "print"},
        {&m_faxAnzBtn, "FaxAnzBtn", 7, "Faxanfrage anzeigen", "fax"},
        {&m_faxDruckBtn, "FaxDruckBtn", 8, "Faxanfrage drucken", "printfax"},
        {&m_hilfeBtn, "HilfeBtn", 9, "Hilfe", "help"},
        {&m_exitBtn, "ExitBtn", 10, "Beenden", "exit"},
        {&m_diagrammBtn, "DiagrammBtn", 11, "Diagramm anzeigen", "chart"},
    };
    for (const Tool& t : tools) {
        QAction* a = action(t.name, QString::fromUtf8(t.hint), 0);
        a->setIcon(ShellIcon(t.icon));
        a->setToolTip(QString::fromUtf8(t.hint));
        a->setProperty(kTagProperty, t.tag);
        *t.field = a;
    }
    for (QAction* a :
         {m_saveBtn, m_datenBtn, m_ergAnzBtn, m_ergDruckBtn, m_faxAnzBtn, m_faxDruckBtn, m_diagrammBtn})
        a->setEnabled(false);

    connect(m_neuBtn, &QAction::triggered, this, [this] { m_commands.New(); });
    connect(m_openBtn, &QAction::triggered, this, [this] { m_commands.Open(); });
    connect(m_saveBtn, &QAction::triggered, this, [this] { m_commands.Save(); });
    connect(m_datenBtn, &QAction::triggered, this, [this] { DatenBtnClick(); });
    connect(m_ergAnzBtn, &QAction::triggered, this, [this] { showResult(false); });
    connect(m_ergDruckBtn, &QAction::triggered, this, [this] { printResult(false); });
    connect(m_faxAnzBtn, &QAction::triggered, this, [this] { showResult(true); });
    connect(m_faxDruckBtn, &QAction::triggered, this, [this] { printResult(true); });
    connect(m_diagrammBtn, &QAction::triggered, this, [this] { showDiagram(); });
    connect(m_hilfeBtn, &QAction::triggered, this, [this] { help(3, 0); });
    connect(m_exitBtn, &QAction::triggered, this, &QWidget::close);
}

void TZEKAppForm::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu");
    auto menu = [&](const char* name, const char* caption, int helpNumber) {
        QMenu* m = bar->addMenu(QString::fromUtf8(caption));
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        m->menuAction()->setProperty(kHelpNumberProperty, helpNumber);
        return m;
    };
    auto item = [&](QMenu* m, const char* name, const auto& caption, int helpNumber, auto&& slot,
                    const QKeySequence& shortcut = {}) {
        QAction* a = action(name, QString(caption), helpNumber, shortcut);
        m->addAction(a);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };

    QMenu* datei = menu("MnDatei", "&Datei", 11000);
    item(
        datei, "MnDNeu", "&Neu", 11001, [this] { m_commands.New(); }, QKeySequence(Qt::CTRL | Qt::Key_N));
    item(
        datei, "MnDOeffnen", "&Öffnen...", 11002, [this] { m_commands.Open(); },
        QKeySequence(Qt::CTRL | Qt::Key_O));
    m_mnDSpeichern = item(
        datei, "MnDSpeichern", "&Speichern", 11003, [this] { m_commands.Save(); },
        QKeySequence(Qt::CTRL | Qt::Key_S));
    m_mnDSpeichernUnter =
        item(datei, "MnDSpeichernUnter", "Speichern &unter...", 11004, [this] { m_commands.SaveAs(); });
    item(datei, "MnDLoeschen", "&Löschen", 11005, [this] { m_commands.Delete(); });
    item(datei, "MnDImportieren", "&Importieren...", 11006, [this] { m_commands.Import(); });
    datei->addSeparator();
    item(
        datei, "MnDExit", "&Beenden", 11008, [this] { close(); }, QKeySequence(Qt::ALT | Qt::Key_F4));
    m_mnDSpeichern->setEnabled(false);
    m_mnDSpeichernUnter->setEnabled(false);

    m_mnErgebnis = menu("MnErgebnis", "&Ergebnis", 11020);
    item(m_mnErgebnis, "MnEAnzeigen", "Ergebnis &Anzeigen", 11021, [this] { showResult(false); });
    item(m_mnErgebnis, "MnEDrucken", "Ergebnis &drucken", 11022, [this] { printResult(false); });
    item(m_mnErgebnis, "MnEFaxAnzeigen", "&Fax-Anfrage anzeigen", 11023, [this] { showResult(true); });
    item(m_mnErgebnis, "MnEFaxDrucken", "Fax-A&nfrage drucken", 11024, [this] { printResult(true); });
    item(m_mnErgebnis, kMnEDiagrammObjectName, QString::fromUtf8(kMnEDiagrammDesignText),
         kMnEDiagrammHelpNumber, [this] { showDiagram(); });
    m_mnErgebnis->addSeparator();
    item(m_mnErgebnis, kMnEPdfObjectName, QString::fromUtf8(kMnEPdfDesignText), kMnEPdfHelpNumber,
         [this] { saveResultPdf(); });
    m_mnErgebnis->menuAction()->setEnabled(false);

    auto dialog = [this](const char* which) {
        return [this, which] {
            if (m_services.runDialog)
                m_services.runDialog(QString::fromLatin1(which));
        };
    };
    QMenu* grund = menu("MnGrundeinstellungen", "&Grundeinstellungen", 11040);
    item(grund, "MnGSchaltschrank", "Sch&altschrank", 11041, dialog("cabinet"));
    item(grund, "MnGGleichzeitigkeit", "&Gleichzeitigkeit", 11042, dialog("simultaneity"));
    item(grund, "MnGAdresse", "&Firmenadresse", 11043, dialog("address"));
    item(grund, "MnGOptionen", "&Optionen", 11044, [this] { editOptions(); });
    item(grund, "Druckereinrichten1", "Drucker einrichten", 11045, dialog("printer"));
    grund->addSeparator();
    item(grund, "MnGSpeichern", "&Speichern", 11047, [this] {
        const IoResult r =
            WriteSettings(m_app.settings, settingsWritePath(m_app.programDir()), m_app.language);
        if (!r.ok())
            m_ui.error(fromCp1252(r.message));
    });
    item(grund, "MnGLaden", "&Laden", 11048, [this] {
        // Only ZEK.INI: a missing one gives the read defaults, not those of ZEK.DEF.
        ReadSettings(m_app.settings, settingsIniReadPath(m_app.programDir()));
    });
    item(grund, "MnGZuruecksetzen", "&Zurücksetzen", 11049, [this] { m_app.settings.ResetSettings(); });

    QMenu* produkt = menu("MnProduktinformationen", "&Produktinformationen", 11050);
    item(produkt, "MnPFilterluefter", "&Filterlüfter", 11051, [this] { help(1, 107); });
    item(produkt, "MnPWaermetauscher", "Wärme&tauscher", 11052, [this] { help(1, 108); });
    item(produkt, "MnPWasserwaermetauscher", "&Wasserwärmetauscher", 11053, [this] { help(1, 109); });
    item(produkt, "MnPKuehlgeraete", "&Kühlgeräte", 11054, [this] { help(1, 110); });
    item(produkt, "MnPHeizungen", "&Heizungen", 11055, [this] { help(1, 111); });

    QMenu* hilfe = menu("MnHelp", "&Hilfe", 11060);
    item(
        hilfe, "MnHInhalt", "&Inhalt", 11061, [this] { help(3, 0); }, QKeySequence(Qt::CTRL | Qt::Key_F1));
    item(
        hilfe, "MnHKontexthilfe", "&Kontexthilfe", 11062,
        [this] {
            const int number = helpNumberOfActive();
            if (number == 0)
                help(3, 0);
            else
                help(1, number);
        },
        QKeySequence(Qt::Key_F1));
    item(hilfe, "MnHHilfeAnwenden", "Hilfe &Anwenden", 11063, [this] { help(4, 0); });
    hilfe->addSeparator();
    item(hilfe, "MnHProgramminformationen", "&Programminformationen", 11069, dialog("about"));
}

void TZEKAppForm::buildToolBar() {
    m_toolBar = addToolBar(QStringLiteral("SpeedPanel"));
    m_toolBar->setObjectName("SpeedPanel");
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(22, 22));
    m_toolBar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    auto add = [this](QAction* a) {
        m_toolBar->addAction(a);
        if (QWidget* w = m_toolBar->widgetForAction(a)) {
            w->setObjectName(a->objectName());
            w->setProperty(kTagProperty, a->property(kTagProperty));
        }
    };
    for (QAction* a : {m_neuBtn, m_openBtn, m_saveBtn})
        add(a);
    m_toolBar->addSeparator();
    for (QAction* a : {m_datenBtn, m_ergAnzBtn, m_ergDruckBtn, m_faxAnzBtn, m_faxDruckBtn, m_diagrammBtn})
        add(a);
    m_toolBar->addSeparator();
    add(m_hilfeBtn);
    // The exit button stays at the right end, whatever the width of the window.
    auto* spacer = new QWidget(m_toolBar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_toolBar->addWidget(spacer);
    add(m_exitBtn);
}

void TZEKAppForm::FillDataKindList(bool hideComponents) {
    m_kindTexts.clear();
    // The list ends at the first empty text; 100 kinds is far beyond any table.
    for (std::uint32_t i = 0; i < 100; ++i) {
        m_kindTexts << text(1008000u + i);
        if (m_kindTexts.constLast().isEmpty())
            break;
    }
    m_nav.fill(m_kindTexts, hideComponents);
    renderList();
    setStatusText(projectStatus());
}

QString TZEKAppForm::projectStatus() const {
    if (m_app.projectOpen && m_app.projectFileName.isEmpty())
        return text(1004015);
    return text(1004009) + m_app.projectFileName;
}

void TZEKAppForm::renderList() {
    QStringList rows;
    for (int kind : m_nav.rows())
        rows << m_kindTexts.at(kind);
    m_list->showRows(rows, m_nav.row());
}

void TZEKAppForm::UpdateMainCaption() {
    QString caption = text(120000000);
    if (caption.isEmpty())
        caption = QStringLiteral("ZEK 2.2");
    if (!m_app.devices.title().empty())
        caption += " / " + fromCp1252(m_app.devices.title());
    setWindowTitle(caption);
}

void TZEKAppForm::TranslateAll() {
    TranslateForm(this, kMainHelpNumber, m_app.language, m_app.language.moduleLoaded(),
                  m_app.language.keyNames());
    // Toolbar hints: the language texts while a module is loaded, the stored hints otherwise.
    if (m_app.language.moduleLoaded()) {
        for (QAction* a : m_toolBar->actions()) {
            const int tag = a->property(kTagProperty).toInt();
            if (tag <= 0)
                continue;
            const QString hint = text(120000000u + 10u * static_cast<std::uint32_t>(tag) + 1u);
            if (!hint.isEmpty()) {
                a->setToolTip(hint);
                a->setText(hint);
            }
        }
    }
    UpdateMainCaption();
    m_list->setAccessibleName(text(kTextDatenart).isEmpty() ? QStringLiteral("Datenart")
                                                            : text(kTextDatenart));
    if (TMDIChild* page = currentPage()) {
        page->TranslateForm();
        page->RefreshAccessibleNames();
    }
}

QSize TZEKAppForm::availableArea() const {
    return m_area->size();
}

TMDIChild* TZEKAppForm::currentPage() const {
    return qobject_cast<TMDIChild*>(m_current.data());
}

void TZEKAppForm::selectDataKindRow(int row) {
    goToRow(row, true);
}

int TZEKAppForm::lossMode() const {
    return m_app.project.data().Verlustleistung.Bekannt;
}

void TZEKAppForm::goToRow(int row, bool focusPage) {
    // The loss page and the decision on the circuit-breaker row start from what the page
    // shown has entered.
    if (m_nav.leaves(row))
        storeCurrentPage();
    const Navigation::Step step = m_nav.click(row, lossMode());
    if (isResultLike(step.view))
        presentResult(step);
    else
        presentPage(step, focusPage);
}

void TZEKAppForm::presentPage(const Navigation::Step& step, bool focusPage) {
    renderList();
    if (!step.replace || step.view != View::Page) {
        if (!focusPage)
            m_list->setFocus();
        return;
    }
    setUpdatesEnabled(false);
    m_previous = m_current;
    TMDIChild* page = m_services.createPage ? m_services.createPage(step.kind, m_area) : nullptr;
    if (page) {
        connect(page, &TMDIChild::nextPageRequested, this, &TZEKAppForm::nextPage);
        connect(page, &TMDIChild::previousPageRequested, this, &TZEKAppForm::previousPage);
        // The list follows the mode the loss page shows, also when Abbruch reloads it.
        connect(page, &TMDIChild::lossModeChanged, this,
                [this](int mode) { FillDataKindList(Navigation::hidesComponents(mode)); });
        m_current = page;
    }
    // The page left has stored its fields already.
    if (m_previous && m_previous != m_current)
        releaseLater(m_previous);
    m_previous = nullptr;
    if (m_current)
        showPage(m_current, false);
    updateViewButtons();
    setUpdatesEnabled(true);
    if (!focusPage)
        m_list->setFocus();
    else if (auto* shown = qobject_cast<TMDIChild*>(m_current.data());
             shown && !shown->isAncestorOf(focusWidget()))
        shown->focusFirstField();
}

void TZEKAppForm::showPage(QWidget* page, bool fill) {
    if (!fill && !isMaximized() && !isFullScreen()) {
        // The window takes the size the page needs, a few pixels around it.
        const QSize want = PageArea::pageSize(page) + QSize(4, 4);
        const QSize delta = want - m_area->size();
        if (!delta.isNull())
            resize(size() + delta);
    }
    m_area->setPage(page, fill);
    page->show();
    page->raise();
}

void TZEKAppForm::releaseLater(QWidget* dialog) {
    if (!dialog)
        return;
    // A released result view no longer speaks for the view buttons: its late destruction
    // must not enable the button of the view that replaced it.
    if (auto* ergebnis = qobject_cast<TErgebnisDlg*>(dialog))
        ergebnis->setViewButtons(nullptr, nullptr, false);
    dialog->hide();
    // Released after the pending events: the page may still be inside its own handler.
    dialog->deleteLater();
}

void TZEKAppForm::nextPage() {
    if (const int row = m_nav.nextRow(); row >= 0)
        goToRow(row, true);
}

void TZEKAppForm::previousPage() {
    if (const int row = m_nav.previousRow(); row >= 0)
        goToRow(row, true);
}

void TZEKAppForm::showResult(bool fax) {
    showResultLike(fax ? View::Fax : View::Result);
}

void TZEKAppForm::showDiagram() {
    showResultLike(View::Diagram);
}

void TZEKAppForm::showResultLike(View view) {
    if (!m_app.projectOpen)
        return;
    storeCurrentPage();
    presentResult(m_nav.show(view));
}

QWidget* TZEKAppForm::createReportView(bool fax) {
    std::vector<std::string> lines;
    if (m_services.buildReport)
        if (auto built = m_services.buildReport(fax, false))
            lines = std::move(*built);
    QWidget* view = m_services.createResultView ? m_services.createResultView(lines, fax, m_area) : nullptr;
    if (view)
        view->setWindowTitle(text(fax ? 1004016 : 1004014));
    return view;
}

void TZEKAppForm::presentResult(const Navigation::Step& step) {
    m_datenBtn->setEnabled(true);
    m_list->setVisible(false);
    if (!step.replace && m_current)
        return;
    QWidget* view = nullptr;
    if (step.view != View::Diagram)
        view = createReportView(step.view == View::Fax);
    else if (m_services.createDiagramView)
        view = m_services.createDiagramView(m_area);
    if (auto* ergebnis = qobject_cast<TErgebnisDlg*>(view)) {
        connect(ergebnis, &TErgebnisDlg::dataEntryRequested, this, &TZEKAppForm::DatenBtnClick);
        ergebnis->setViewButtons(m_ergAnzBtn, m_faxAnzBtn, step.view == View::Fax);
    } else if (view) {
        // Esc in any other view goes back to data entry too.
        view->installEventFilter(this);
        for (QWidget* w : view->findChildren<QWidget*>())
            w->installEventFilter(this);
    }
    if (m_current && m_current != view)
        releaseLater(m_current);
    m_current = view;
    if (view) {
        showPage(view, true);
        view->setFocus();
        if (QWidget* child = view->focusProxy() ? view->focusProxy() : view->findChild<QWidget*>())
            child->setFocus();
    }
    updateViewButtons();
}

void TZEKAppForm::printResult(bool fax) {
    if (!m_app.projectOpen)
        return;
    storeCurrentPage();
    if (!fax && m_nav.view() == View::Diagram) {
        if (m_services.printDiagram)
            m_services.printDiagram();
        return;
    }
    if (!m_services.buildReport || !m_services.print)
        return;
    if (auto lines = m_services.buildReport(fax, true))
        m_services.print(*lines, fax);
}

void TZEKAppForm::saveResultPdf() {
    if (!m_app.projectOpen)
        return;
    storeCurrentPage();
    if (m_nav.view() == View::Diagram) {
        if (m_services.saveDiagramPdf)
            m_services.saveDiagramPdf();
        return;
    }
    if (!m_services.buildReport || !m_services.savePdf)
        return;
    // The inquiry when it is shown, the result report otherwise.
    const bool fax = m_nav.view() == View::Fax;
    if (auto lines = m_services.buildReport(fax, true))
        m_services.savePdf(*lines, fax);
}

void TZEKAppForm::DatenBtnClick() {
    if (!m_app.projectOpen)
        return;
    m_list->setVisible(true);
    m_datenBtn->setEnabled(false);
    goToRow(m_nav.dataRow(lossMode()), true);
}

void TZEKAppForm::updateViewButtons() {
    if (!m_app.projectOpen)
        return;
    m_ergAnzBtn->setEnabled(m_nav.view() != View::Result);
    m_faxAnzBtn->setEnabled(m_nav.view() != View::Fax);
    m_diagrammBtn->setEnabled(m_nav.view() != View::Diagram);
}

void TZEKAppForm::editOptions() {
    if (m_services.editOptions)
        m_services.editOptions(false);
    // Compared with the language loaded: "Zurücksetzen" empties the code in the settings.
    const std::string loaded = m_app.language.code();
    if (!loaded.empty() && m_app.languageCode() != loaded)
        switchLanguage();
}

void TZEKAppForm::switchLanguage() {
    if (m_nav.row() > 0) {
        selectDataKindRow(0);
        // The person page replaces a result view too: the window is in data entry again.
        if (m_app.projectOpen) {
            m_list->setVisible(true);
            m_datenBtn->setEnabled(false);
        }
    }
    const std::string previous = m_app.language.code();
    m_app.language.UnloadLanguage();
    if (!LoadLanguageAndDevices(m_app, m_ui, false)) {
        // The files of the new language are missing or damaged: the program goes on in
        // the language it had, with the project as it is.
        m_app.settings.data().Optionen.Sprache = previous;
        m_app.language.UnloadLanguage();
        if (!LoadLanguageAndDevices(m_app, m_ui, true)) {
            endAtOnce();
            return;
        }
    }
    UpdateMainCaption();
    FillDataKindList(Navigation::hidesComponents(lossMode()));
    TranslateAll();
    if (m_services.languageChanged)
        m_services.languageChanged();
}

void TZEKAppForm::endAtOnce() {
    m_endAtOnce = true;
    close();
}

void TZEKAppForm::storeCurrentPage() {
    if (TMDIChild* page = currentPage())
        page->StoreData();
}

void TZEKAppForm::releaseCurrentPage() {
    if (m_current) {
        storeCurrentPage();
        releaseLater(m_current);
    }
    m_current = nullptr;
    m_nav.release();
    renderList();
}

void TZEKAppForm::clearListSelection() {
    m_nav.clearRow();
    renderList();
}

void TZEKAppForm::setStatusText(const QString& statusText) {
    m_status->setText(statusText);
}

void TZEKAppForm::enterDataEntry() {
    m_list->setVisible(true);
    clearListSelection();
    m_datenBtn->setEnabled(false);
    for (QAction* a : {m_ergAnzBtn, m_ergDruckBtn, m_faxAnzBtn, m_faxDruckBtn, m_diagrammBtn, m_saveBtn,
                       m_mnDSpeichern, m_mnDSpeichernUnter})
        a->setEnabled(true);
    m_mnErgebnis->menuAction()->setEnabled(true);
    m_app.projectOpen = true;
}

int TZEKAppForm::helpNumberOfActive() const {
    if (auto* form = qobject_cast<TLanguageForm*>(m_current.data()))
        return form->helpNumber();
    if (resultShown())
        return 12015;
    return kMainHelpNumber;
}

void TZEKAppForm::help(int command, int helpData) {
    if (m_services.help)
        m_services.help(command, helpData);
}

void TZEKAppForm::closeEvent(QCloseEvent* event) {
    if (m_endAtOnce || m_commands.CloseQuery()) {
        event->accept();
        return;
    }
    event->ignore();
}

bool TZEKAppForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && resultShown()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            // Esc in the result view goes back to data entry.
            QTimer::singleShot(0, this, [this] { DatenBtnClick(); });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace zek
