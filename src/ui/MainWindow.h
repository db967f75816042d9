#pragma once

#include "ui/Navigation.h"
#include "ui/ProjectCommands.h"
#include "ui/ShellServices.h"

#include <QListWidget>
#include <QMainWindow>
#include <QPointer>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QToolBar;

namespace zek {

class AppContext;
class TMDIChild;
class UserInteraction;

inline constexpr int kMainHelpNumber = 12000;
// The name of the list of data kinds for a screen reader.
inline constexpr std::uint32_t kTextDatenart = 1014003;
// The design width of the list of data kinds; it grows for longer entries.
inline constexpr int kListWidth = 145;

// The list of data kinds. A row is chosen by a click (when the mouse button is released,
// on the row under it), by a keyboard move or by Enter; focus alone chooses nothing, and
// rows the program highlights choose nothing either.
class DataKindList : public QListWidget {
    Q_OBJECT
public:
    explicit DataKindList(QWidget* parent);
    // The rows and the highlighted row (-1 none), without choosing anything. The list
    // becomes as wide as its longest row, never below kListWidth; a hidden list (the start
    // before a project exists) is measured once it shows, not for every change before.
    void showRows(const QStringList& texts, int highlighted);

signals:
    // byKeyboard: the focus stays in the list for the next move.
    void rowChosen(int row, bool byKeyboard);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    void showEvent(QShowEvent* event) override;

private:
    void fitWidth();

    bool m_pressed = false;
    bool m_quiet = false;
    bool m_widthPending = false;
};

// The area in which pages are shown: a page keeps its own size and is centred, the
// result view fills the whole area.
class PageArea : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void setPage(QWidget* page, bool fill);
    QWidget* page() const { return m_page; }
    // A page keeps its design size, or the size its controls need in the language shown
    // when that is larger.
    static QSize pageSize(const QWidget* page);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();
    QPointer<QWidget> m_page;
    bool m_fill = false;
};

// The main window: toolbar, menus, list of data kinds, the page shown and the status
// line, in one of three states (no project, data entry, result view).
class TZEKAppForm : public QMainWindow, public ProjectHost {
    Q_OBJECT
public:
    TZEKAppForm(AppContext& app, UserInteraction& ui, ShellServices services, QWidget* parent = nullptr);
    ~TZEKAppForm() override;

    // The list of data kinds: texts 1008000 + i up to the first empty one, without the
    // component kinds when hideComponents is set; the status line shows the project file.
    void FillDataKindList(bool hideComponents);
    void UpdateMainCaption();
    // Applies the language texts to the window, its menus and the page shown.
    void TranslateAll();

    // Switches to the page of a row, as a click on it does.
    void selectDataKindRow(int row);
    void nextPage();
    void previousPage();
    void showResult(bool fax);
    void showDiagram();
    // "Ergebnis drucken" prints the diagrams while they are shown; "Als PDF speichern"
    // saves the view shown.
    void printResult(bool fax);
    void saveResultPdf();
    void DatenBtnClick();
    // Options dialog; switches the language at once when another one was chosen.
    void editOptions();
    void switchLanguage();
    // Ends without the close questions (a language or device table that fails to load).
    void endAtOnce();

    ProjectCommands& commands() { return m_commands; }
    QWidget* currentDialog() const { return m_current; }
    TMDIChild* currentPage() const;
    const Navigation& navigation() const { return m_nav; }
    bool resultShown() const { return isResultLike(m_nav.view()); }
    QListWidget* dataKindList() const { return m_list; }
    QSize availableArea() const;

    // ProjectHost
    void storeCurrentPage() override;
    void releaseCurrentPage() override;
    void fillDataKindList(bool hideComponents) override { FillDataKindList(hideComponents); }
    void clearListSelection() override;
    void setStatusText(const QString& text) override;
    void enterDataEntry() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString text(std::uint32_t number) const;
    void buildActions();
    void buildMenus();
    void buildToolBar();
    QAction* action(const char* name, const QString& caption, int helpNumber,
                    const QKeySequence& shortcut = {});
    void setProjectCommandsEnabled();
    void releaseLater(QWidget* dialog);
    // The loss mode the record holds once the page shown has stored its fields.
    int lossMode() const;
    // A move of the wizard to a row; the page it opens takes the focus unless the move
    // was a key in the list, which keeps it for the next move.
    void goToRow(int row, bool focusPage);
    void presentPage(const Navigation::Step& step, bool focusPage);
    void showResultLike(View view);
    void presentResult(const Navigation::Step& step);
    QWidget* createReportView(bool fax);
    void renderList();
    QString projectStatus() const;
    void showPage(QWidget* page, bool fill);
    void updateViewButtons();
    int helpNumberOfActive() const;
    void help(int command, int helpData);

    AppContext& m_app;
    UserInteraction& m_ui;
    ShellServices m_services;
    ProjectCommands m_commands;

    QToolBar* m_toolBar = nullptr;
    DataKindList* m_list = nullptr;
    PageArea* m_area = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_weiterGlyph = nullptr;
    QPushButton* m_zurueckGlyph = nullptr;
    QMenu* m_mnErgebnis = nullptr;

    QAction *m_neuBtn = nullptr, *m_openBtn = nullptr, *m_saveBtn = nullptr, *m_datenBtn = nullptr;
    QAction *m_ergAnzBtn = nullptr, *m_ergDruckBtn = nullptr, *m_faxAnzBtn = nullptr,
            *m_faxDruckBtn = nullptr, *m_diagrammBtn = nullptr;
    QAction *m_hilfeBtn = nullptr, *m_exitBtn = nullptr;
    QAction *m_mnDSpeichern = nullptr, *m_mnDSpeichernUnter = nullptr;

    QPointer<QWidget> m_current;
    QPointer<QWidget> m_previous;
    Navigation m_nav;
    QStringList m_kindTexts;
    bool m_endAtOnce = false;
};

} // namespace zek
