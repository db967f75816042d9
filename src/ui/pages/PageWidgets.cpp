#include "ui/pages/PageWidgets.h"

#include "core/Cp1252.h"
#include "ui/base/DigitFilter.h"
#include "ui/base/LanguageForm.h"
#include "ui/base/TranslateForm.h"
#include "ui/pages/PageRules.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace zek {

QLabel* MakeLabel(QWidget* parent, const QString& text, int tag, const QString& name) {
    auto* label = new QLabel(text, parent);
    label->setProperty(kTagProperty, tag);
    if (!name.isEmpty())
        label->setObjectName(name);
    return label;
}

namespace {
void fitWidth(QLineEdit* edit, int characters) {
    const QFontMetrics fm(edit->font());
    edit->setFixedWidth(fm.horizontalAdvance(QLatin1Char('0')) * (characters + 1) + 14);
}
} // namespace

QLineEdit* MakeNumEdit(QWidget* parent, const QString& name, int maxLength, bool allowMinus) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setProperty(kTagProperty, -1);
    SetTypingLimit(edit, maxLength);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fitWidth(edit, std::max(maxLength, 3));
    AttachDigitFilter(edit, allowMinus);
    return edit;
}

void FocusWholeText(QLineEdit* edit) {
    edit->setFocus();
    edit->selectAll();
}

DimensionEdits MakeDimensionsGroup(QWidget* form) {
    auto* group = new QGroupBox(QStringLiteral("Abmessungen"), form);
    group->setObjectName(QStringLiteral("AbmessungenGroup"));
    group->setProperty("tag", 10);
    auto* grid = new QGridLayout(group);
    const DimensionEdits d{group, MakeNumEdit(form, QStringLiteral("BreiteEdit"), 4),
                           MakeNumEdit(form, QStringLiteral("HoeheEdit"), 4),
                           MakeNumEdit(form, QStringLiteral("TiefeEdit"), 4)};
    const QString dims[3] = {QStringLiteral("Breite"), QStringLiteral("Höhe"), QStringLiteral("Tiefe")};
    QLineEdit* edits[3] = {d.breite, d.hoehe, d.tiefe};
    for (int i = 0; i < 3; ++i) {
        QLabel* label = MakeLabel(group, dims[i], 11 + i);
        label->setBuddy(edits[i]);
        grid->addWidget(label, i, 0);
        grid->addWidget(edits[i], i, 1);
        grid->addWidget(MakeLabel(group, QStringLiteral("in mm"), 14), i, 2);
    }
    return d;
}

QGridLayout* AddFieldGrid(TMDIChild* form) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    form->contentLayout()->addLayout(grid);
    form->contentLayout()->addStretch(1);
    return grid;
}

void AddFieldRow(QGridLayout* grid, QLabel* label, QWidget* field, const QString& unit) {
    const int row = grid->rowCount();
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    if (unit.isEmpty())
        return;
    grid->addWidget(MakeLabel(label->parentWidget(), unit, -1), row, 2);
    grid->setColumnStretch(3, 1);
}

SimultaneitySpins AddSimultaneityRows(QWidget* form, QGridLayout* grid) {
    const SimultaneitySpins spins{new TSpinEdit(form, QStringLiteral("LeistungsTeilSpin"), 0, 100),
                                  new TSpinEdit(form, QStringLiteral("SteuerungsteilSpin"), 0, 100)};
    AddFieldRow(grid, MakeLabel(form, QStringLiteral("Gleichzeitigkeitsfaktor Leistungsteil"), 10),
                spins.leistungsteil, QStringLiteral("%"));
    AddFieldRow(grid, MakeLabel(form, QStringLiteral("Gleichzeitigkeitsfaktor Steuerungsteil"), 11),
                spins.steuerungsteil, QStringLiteral("%"));
    return spins;
}

QLineEdit* MakeTextEdit(QWidget* parent, const QString& name, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setProperty(kTagProperty, -1);
    edit->setMaxLength(maxLength);
    return edit;
}

namespace {
constexpr const char* kTypingLimitProperty = "typingLimit";

// An edit cuts its text to its maximum length, so the maximum grows to a wider text.
void fitMaxLength(QLineEdit* edit, qsizetype length) {
    const int limit = edit->property(kTypingLimitProperty).toInt();
    edit->setMaxLength(static_cast<int>(std::max<qsizetype>(limit, length)));
}
} // namespace

void SetTypingLimit(QLineEdit* edit, int characters) {
    edit->setProperty(kTypingLimitProperty, characters);
    edit->setMaxLength(characters);
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [edit](const QString& text) { fitMaxLength(edit, text.size()); });
}

void ShowWhole(QLineEdit* edit, const QString& text) {
    fitMaxLength(edit, text.size());
    edit->setText(text);
}

void ShowNumber(QLineEdit* edit, long long value) {
    ShowWhole(edit, QString::number(value));
}

std::uint16_t EditU16(const QLineEdit* edit) {
    return ReadU16(edit->text());
}

std::int32_t EditInt32(const QLineEdit* edit) {
    return ReadInt32(edit->text());
}

void ShowText(QLineEdit* edit, const std::string& cp1252) {
    edit->setText(fromCp1252(cp1252));
}

std::string EditText(const QLineEdit* edit) {
    // The edit's maximum length is the record's, so cutting happens at the same width.
    return toCp1252(edit->text());
}

TSpinEdit::TSpinEdit(QWidget* parent, const QString& name, int lower, int upper) : QSpinBox(parent) {
    setObjectName(name);
    setProperty(kTagProperty, -1);
    setRange(lower, upper);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setMinimumWidth(70);
}

QValidator::State TSpinEdit::validate(QString& input, int&) const {
    const QString t = input.trimmed();
    if (t.isEmpty() || t == QLatin1String("-"))
        return QValidator::Intermediate;
    bool ok = false;
    const int v = t.toInt(&ok);
    if (!ok)
        return QValidator::Invalid;
    return (v >= minimum() && v <= maximum()) ? QValidator::Acceptable : QValidator::Intermediate;
}

void TSpinEdit::fixup(QString& input) const {
    input = QString::number(ReadSpinText(input, minimum(), maximum()));
}

int TSpinEdit::readValue() {
    const int v = ReadSpinText(lineEdit()->text(), minimum(), maximum());
    setValue(v);
    lineEdit()->setText(QString::number(v));
    return v;
}

void TSpinEdit::showValue(int value) {
    setValue(std::clamp(value, minimum(), maximum()));
    lineEdit()->setText(QString::number(this->value()));
}

void TSpinEdit::focusInEvent(QFocusEvent* event) {
    QSpinBox::focusInEvent(event);
    emit focusChanged();
}

void TSpinEdit::focusOutEvent(QFocusEvent* event) {
    QSpinBox::focusOutEvent(event);
    emit focusChanged();
}

namespace {

// The chosen kind keeps the strong highlight of a focused list wherever the focus is.
class ChosenKindDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state |= QStyle::State_Active;
    }
};

} // namespace

KindListBox::KindListBox(QWidget* parent, const QString& name) : QListWidget(parent) {
    setObjectName(name);
    setProperty(kTagProperty, -1);
    setFlow(QListView::LeftToRight);
    setWrapping(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setItemDelegate(new ChosenKindDelegate(this));
}

void KindListBox::setKind(int kind) {
    if (kind >= 1 && kind <= count())
        setCurrentRow(kind - 1, QItemSelectionModel::ClearAndSelect);
    else
        clearSelection();
}

int KindListBox::kind() const {
    const QModelIndexList chosen = selectionModel()->selectedIndexes();
    return chosen.isEmpty() ? 0 : chosen.constFirst().row() + 1;
}

void KindListBox::setItems(const QStringList& texts) {
    const int chosen = kind();
    clear();
    addItems(texts);
    setKind(chosen);
    updateGeometry();
}

QSize KindListBox::sizeHint() const {
    // The items' own sizes, measured in the font the list has now.
    int width = 0;
    int height = 0;
    for (int i = 0; i < count(); ++i) {
        const QSize item = sizeHintForIndex(model()->index(i, 0));
        width += item.width() + 2 * spacing();
        height = std::max(height, item.height());
    }
    return QSize(width, height) + QSize(2 * frameWidth() + 2, 2 * frameWidth() + 2);
}

TRadioGroup::TRadioGroup(QWidget* parent, const QString& name, const QString& caption, int tag,
                         const QStringList& items)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this)) {
    setObjectName(name);
    setProperty(kTagProperty, tag);
    auto* box = new QVBoxLayout(this);
    box->setSpacing(4);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items.at(i), this);
        b->setObjectName(name + QLatin1Char('_') + QString::number(i));
        b->setProperty(kTagProperty, -1);
        m_group->addButton(b, i);
        box->addWidget(b);
        m_buttons.push_back(b);
    }
    box->addStretch(1);
    connect(m_group, &QButtonGroup::idClicked, this, &TRadioGroup::clicked);
}

int TRadioGroup::itemIndex() const {
    return m_group->checkedId();
}

void TRadioGroup::setItemIndex(int index) {
    if (index >= 0 && index < count()) {
        m_buttons[static_cast<std::size_t>(index)]->setChecked(true);
        return;
    }
    m_group->setExclusive(false);
    for (QRadioButton* b : m_buttons)
        b->setChecked(false);
    m_group->setExclusive(true);
}

void TRadioGroup::setItemTexts(const QStringList& texts) {
    for (int i = 0; i < count() && i < texts.size(); ++i)
        if (!texts.at(i).isEmpty())
            m_buttons[static_cast<std::size_t>(i)]->setText(texts.at(i));
}

QRadioButton* TRadioGroup::button(int index) const {
    return (index >= 0 && index < count()) ? m_buttons[static_cast<std::size_t>(index)] : nullptr;
}

} // namespace zek
