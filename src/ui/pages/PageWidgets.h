#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace zek {

class TMDIChild;
class TSpinEdit;

// A label with the Tag of its language text.
QLabel* MakeLabel(QWidget* parent, const QString& text, int tag, const QString& name = {});

// A numeric edit: at most maxLength characters typed, digits only (and a leading minus
// where allowed), wide enough for its digits.
QLineEdit* MakeNumEdit(QWidget* parent, const QString& name, int maxLength, bool allowMinus = false);

// Moves the focus into an edit with its whole text selected, as the tab key does, so that
// the value the user types replaces the one shown instead of joining it ("0500").
void FocusWholeText(QLineEdit* edit);

// The "Abmessungen" box of the cabinet page and the default-cabinet dialog: width,
// height and depth in mm, four digits each. The edits belong to `form`.
struct DimensionEdits {
    QGroupBox* group;
    QLineEdit* breite;
    QLineEdit* hoehe;
    QLineEdit* tiefe;
};
DimensionEdits MakeDimensionsGroup(QWidget* form);

// Rows of label, field and unit below the form's other controls, the labels in the first
// column.
QGridLayout* AddFieldGrid(TMDIChild* form);
// One row of such a grid. The label is the field's buddy, so it names the field for a
// screen reader and its accelerator reaches the field.
void AddFieldRow(QGridLayout* grid, QLabel* label, QWidget* field, const QString& unit = {});

// The power-part and control-part factors, 0..100 %, of the simultaneity page and of the
// default-simultaneity dialog.
struct SimultaneitySpins {
    TSpinEdit* leistungsteil;
    TSpinEdit* steuerungsteil;
};
SimultaneitySpins AddSimultaneityRows(QWidget* form, QGridLayout* grid);

// A free-text edit of maxLength characters.
QLineEdit* MakeTextEdit(QWidget* parent, const QString& name, int maxLength);

// How many characters the user may type into an edit. A value read from a file may be
// wider: it is shown whole, and the edit takes no further character until the user has
// made it shorter, so a value nobody edits is stored exactly as it was read.
void SetTypingLimit(QLineEdit* edit, int characters);
void ShowWhole(QLineEdit* edit, const QString& text);

// Record values into edits and back.
void ShowNumber(QLineEdit* edit, long long value);
std::uint16_t EditU16(const QLineEdit* edit);
std::int32_t EditInt32(const QLineEdit* edit);
void ShowText(QLineEdit* edit, const std::string& cp1252);
std::string EditText(const QLineEdit* edit);

// A spin field whose bounds apply when it is left or read: while typing any integer is
// accepted, so "80" in a field up to 75 stays visible until it is corrected to 75.
class TSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    TSpinEdit(QWidget* parent, const QString& name, int lower, int upper);

    // The value by the reading rule of the spin fields; the text is corrected to it.
    int readValue();
    // Shows a record value, held within the bounds.
    void showValue(int value);

signals:
    void focusChanged();

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// The kind list of a power-supply row: its items side by side, each as wide as its text
// in the language shown. The chosen kind is highlighted, also while the focus is
// elsewhere, so every row can be read at a glance; no item chosen = kind 0. The focus
// alone chooses nothing.
class KindListBox : public QListWidget {
    Q_OBJECT
public:
    KindListBox(QWidget* parent, const QString& name);
    // 1..n chooses that item; anything else chooses none.
    void setKind(int kind);
    // Position of the chosen item + 1, or 0 when none is chosen.
    int kind() const;
    // Refills the item texts and keeps the kind chosen.
    void setItems(const QStringList& texts);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
};

// A group of radio buttons whose checked button is an item index (-1 = none), as the
// radio groups of the pages; its items may be refilled from language texts.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(QWidget* parent, const QString& name, const QString& caption, int tag,
                const QStringList& items);
    int itemIndex() const;
    // An index outside the items leaves no button checked.
    void setItemIndex(int index);
    // Refills the captions of the items from language texts (empty texts keep theirs).
    void setItemTexts(const QStringList& texts);
    QRadioButton* button(int index) const;
    int count() const { return static_cast<int>(m_buttons.size()); }

signals:
    void clicked(int index);

private:
    std::vector<QRadioButton*> m_buttons;
    QButtonGroup* m_group;
};

} // namespace zek
