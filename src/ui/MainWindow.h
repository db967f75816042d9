#pragma once

#include "ui/ProjectCommands.h"
#include "ui/ShellServices.h"

#include <QMainWindow>
#include <QPointer>
#include <vector>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QToolBar;

namespace zek {

class AppContext;
class TMDIChild;
class UserInteraction;

// Data kinds of the full list (index of text 1008000 + i).
inline constexpr int kKindVerlust = 6;
inline constexpr int kKindLeistungsschalter = 7;
inline constexpr int kKindErgebnis = 18;
inline constexpr int kMainHelpNumber = 12000;
inline constexpr int kListWidth = 145;

// The area in which pages are shown: a page keeps its own size and is centred, the
// result view fills the whole area.
class PageArea : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void setPage(QWidget* page, bool fill);
    QWidget* page() const { return m_page; }

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

    // Selects a row of the list and switches to its page, as a click does.
    void selectDataKindRow(int row);
    void ListBoxDatenartClick();
    void nextPage();
    void previousPage();
    void showResult(bool fax);
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
    int currentDataKind() const { return m_currentKind; }
    bool faxMode() const { return m_faxMode; }
    bool resultShown() const { return m_resultShown; }
    QListWidget* dataKindList() const { return m_list; }
    // The data kind (index of the full list) of each row of the list.
    const std::vector<int>& rowKinds() const { return m_rowKinds; }
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
    void showPage(QWidget* page, bool fill);
    void updateViewButtons();
    int helpNumberOfActive() const;
    void help(int command, int helpData);

    AppContext& m_app;
    UserInteraction& m_ui;
    ShellServices m_services;
    ProjectCommands m_commands;

    QToolBar* m_toolBar = nullptr;
    QListWidget* m_list = nullptr;
    PageArea* m_area = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_weiterGlyph = nullptr;
    QPushButton* m_zurueckGlyph = nullptr;
    QMenu* m_mnErgebnis = nullptr;

    QAction *m_neuBtn = nullptr, *m_openBtn = nullptr, *m_saveBtn = nullptr, *m_datenBtn = nullptr;
    QAction *m_ergAnzBtn = nullptr, *m_ergDruckBtn = nullptr, *m_faxAnzBtn = nullptr,
            *m_faxDruckBtn = nullptr;
    QAction *m_hilfeBtn = nullptr, *m_exitBtn = nullptr;
    QAction *m_mnDSpeichern = nullptr, *m_mnDSpeichernUnter = nullptr;

    QPointer<QWidget> m_current;
    QPointer<QWidget> m_previous;
    int m_currentKind = -1;
    bool m_resultShown = false;
    bool m_faxMode = false;
    bool m_fillingList = false;
    bool m_endAtOnce = false;
    std::vector<int> m_rowKinds;
};

} // namespace zek
