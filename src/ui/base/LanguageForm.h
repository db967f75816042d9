#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <initializer_list>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace zek {

struct FormContext;

// Every form whose texts come from the language table: the pages shown in the main
// window and the dialogs. A form is identified by its help number, which selects its
// caption (10000 h), the texts of its controls (10000 h + 10 tag) and its help topic.
class TLanguageForm : public QDialog {
    Q_OBJECT
public:
    TLanguageForm(FormContext& context, int helpNumber, QWidget* parent = nullptr);

    int helpNumber() const { return m_helpNumber; }
    FormContext& context() const { return m_context; }

    // Applies the language texts to the form; forms with lists or radio items from
    // language texts call this first and then refill those items.
    virtual void TranslateForm();

    // Language text as shown on screen.
    QString langText(std::uint32_t number) const;
    // A language text, or the design text when the table has none.
    QString langTextOr(std::uint32_t number, const QString& designText) const;

    // Gives the inputs named by NameAfter their names in the language shown.
    void RefreshAccessibleNames();

public slots:
    void HilfeBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    FormContext& m_context;
    int m_helpNumber;
};

// Names an input for a screen reader after the texts of other controls of its form (a
// column head, a row label, a group and its choice, or the form's caption) and, from 1 on,
// its row number ("Strom, Zeile 3"). The name is renewed whenever the form is shown, so it
// follows the form's language.
void NameAfter(QWidget* input, std::initializer_list<const QWidget*> parts, int row = 0);

// The word before a row number in such names.
inline constexpr std::uint32_t kTextZeile = 1014001;

// Flags of the button panel.
enum ButtonFlag : unsigned { bfWeiter = 1, bfAbbruch = 2, bfHilfe = 4, bfZurueck = 8 };

// Page Up and Page Down as the wizard knows them (Windows virtual key codes).
inline constexpr int kVkPrior = 33;
inline constexpr int kVkNext = 34;

// Top-left position that centres a size in an available area, each half rounded
// toward zero.
QPoint CentredPosition(const QSize& available, const QSize& form);

// Every dialog shown inside the main window and the modal settings dialogs. Pages
// load the project record into their controls when created (LoadData) and write the
// controls back when left (StoreData); the main window decides when a page is left.
class TMDIChild : public TLanguageForm {
    Q_OBJECT
public:
    TMDIChild(FormContext& context, int helpNumber, QWidget* parent = nullptr);

    virtual void LoadData() = 0;
    virtual void StoreData() = 0;

    // Page Up: previous page, Page Down: next page; returns whether the key was used.
    virtual bool HandleKey(int key);

    // The button panel; absent buttons stay null.
    QWidget* Panel1 = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;
    QPushButton* ZurueckBtn = nullptr;
    QPushButton* WeiterBtn = nullptr;

    // Layout that holds the page's own controls, above the button panel.
    QVBoxLayout* contentLayout() const { return m_content; }

    // True for the pages shown in the main window (no window of their own).
    bool isPage() const { return m_page; }

    // The first control of the tab order takes the focus.
    void focusFirstField();

signals:
    void nextPageRequested();
    void previousPageRequested();
    // The loss page's mode changed; the main window rebuilds its list of data kinds.
    void lossModeChanged(int mode);

public slots:
    void WeiterClick();
    void ZurueckClick();
    void AbbruchClick();
    void HelpClick();

protected:
    // Called whenever the form becomes active, after it is centred.
    virtual void FormActivate() {}
    // Turns the form into a page of the main window: no frame, no window of its own.
    void makePage();
    // A page that one view fills whole: no caption line above it, no margins around it.
    void makeViewPage();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

public:
    void reject() override;

private:
    void installKeyPreview();

    QVBoxLayout* m_content = nullptr;
    QLabel* m_heading = nullptr;
    bool m_page = false;

    friend void CreateButtonPanel(TMDIChild* form, unsigned flags);
};

// Builds the button panel at the bottom of a page: Weiter, Hilfe, Abbruch, Zurück as
// requested by the flags (1, 4, 2, 8), with their language texts and Tags 5, 2, 3, 4.
void CreateButtonPanel(TMDIChild* form, unsigned flags);

} // namespace zek
