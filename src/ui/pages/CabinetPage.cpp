#include "ui/pages/CabinetPage.h"

#include "core/ProjectData.h"
#include "ui/FormContext.h"
#include "ui/base/Beep.h"
#include "ui/pages/PageRules.h"
#include "ui/pages/PageWidgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace zek {

TSchaltschrankDlg::TSchaltschrankDlg(FormContext& context, QWidget* parent)
    : TMDIChild(context, 12085, parent) {
    setObjectName(QStringLiteral("SchaltschrankDlg"));
    setWindowTitle(QStringLiteral("Angaben zum Schaltschrank"));
    makePage();

    const DimensionEdits dimensions = MakeDimensionsGroup(this);
    QGroupBox* masse = dimensions.group;
    BreiteEdit = dimensions.breite;
    HoeheEdit = dimensions.hoehe;
    TiefeEdit = dimensions.tiefe;

    Material = new TRadioGroup(this, QStringLiteral("Material"), QStringLiteral("Material"), 30,
                               {QStringLiteral("Stahlblech"), QStringLiteral("Kunststoff"),
                                QStringLiteral("Aluminium"), QStringLiteral("Edelstahl"),
                                QStringLiteral("Anderes")});
    for (int i = 0; i < Material->count(); ++i)
        Material->button(i)->setProperty("tag", 31 + i);

    Einzel = new TRadioGroup(
        this, QStringLiteral("Einzel"), QStringLiteral("Aufstellungsart"), 20,
        {QStringLiteral("Einzelschrank"), QStringLiteral("Randschrank"), QStringLiteral("Mittelschrank")});
    Wand = new TRadioGroup(this, QStringLiteral("Wand"), QString(), -1,
                           {QStringLiteral("Freistehend"), QStringLiteral("Wandanbau")});

    WDurchEdit = new QLineEdit(this);
    WDurchEdit->setObjectName(QStringLiteral("WDurchEdit"));
    WDurchEdit->setProperty("tag", -1);
    SetTypingLimit(WDurchEdit, kKWertMaxLength);
    WDurchEdit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    WDurchEdit->setFixedWidth(60);
    auto* kRow = new QHBoxLayout;
    kRow->addWidget(WDurchEdit);
    kRow->addWidget(MakeLabel(this, QStringLiteral("W/m²K"), -1));
    kRow->addStretch(1);

    // Two columns, so that the page keeps its width in every language.
    auto* left = new QVBoxLayout;
    left->addWidget(masse);
    QLabel* kLabel = MakeLabel(this, QStringLiteral("Wärmedurchgangszahl"), 40);
    kLabel->setBuddy(WDurchEdit);
    left->addWidget(kLabel);
    left->addLayout(kRow);
    left->addWidget(Wand);
    auto* right = new QVBoxLayout;
    right->addWidget(Material);
    right->addWidget(Einzel);
    auto* row = new QHBoxLayout;
    row->addLayout(left, 1);
    row->addLayout(right, 1);
    contentLayout()->addLayout(row, 1);

    connect(Material, &TRadioGroup::clicked, this, &TSchaltschrankDlg::MaterialClick);
    // The check mends what the user types; a k value read from the record is shown whole.
    connect(WDurchEdit, &QLineEdit::textEdited, this, &TSchaltschrankDlg::WDurchEditChange);

    TranslateForm();
    CreateButtonPanel(this, bfWeiter | bfAbbruch | bfHilfe | bfZurueck);
    LoadData();
}

void TSchaltschrankDlg::TranslateForm() {
    TMDIChild::TranslateForm();
    Einzel->setItemTexts({langText(1009010), langText(1009011), langText(1009012)});
    Wand->setItemTexts({langText(1009020), langText(1009021)});
    // The group shows no caption; a screen reader still names it.
    Wand->setAccessibleName(langTextOr(kTextAufstellart, QStringLiteral("Aufstellart")));
}

void TSchaltschrankDlg::setKWertEditable(bool editable) {
    WDurchEdit->setReadOnly(!editable);
    WDurchEdit->setFocusPolicy(editable ? Qt::StrongFocus : Qt::ClickFocus);
    QPalette pal = WDurchEdit->palette();
    pal.setColor(QPalette::Base, palette().color(editable ? QPalette::Base : QPalette::Button));
    WDurchEdit->setPalette(pal);
}

void TSchaltschrankDlg::MaterialClick(int index) {
    if (index == Anderes) {
        // The user's own value starts from what is shown.
        setKWertEditable(true);
        return;
    }
    setKWertEditable(false);
    WDurchEdit->setText(FormatKWert(MaterialKWert(static_cast<u16>(index))));
}

void TSchaltschrankDlg::WDurchEditChange() {
    setKWertEditable(Material->itemIndex() == Anderes);
    const KWertEditState s = CheckKWertText(WDurchEdit->text(), WDurchEdit->cursorPosition());
    for (int i = 0; i < s.beeps; ++i)
        Beep();
    if (s.text != WDurchEdit->text()) {
        WDurchEdit->setText(s.text);
        WDurchEdit->setCursorPosition(s.cursor);
    }
}

void TSchaltschrankDlg::LoadData() {
    const SchaltschrankGroup& s = context().project.data().Schaltschrank;
    ShowNumber(BreiteEdit, s.Breite);
    ShowNumber(HoeheEdit, s.Hoehe);
    ShowNumber(TiefeEdit, s.Tiefe);
    // A material beyond the list (only a hand-edited file holds one) is shown as
    // "Anderes" with its stored k value, which is the value the calculation uses.
    const int material = s.Material <= Anderes ? s.Material : int(Anderes);
    Material->setItemIndex(material);
    ShowWhole(WDurchEdit, FormatKWert(s.Waermedurchgangszahl));
    MaterialClick(material);
    Einzel->setItemIndex(s.Gehaeuseart);
    Wand->setItemIndex(s.Aufstellart);
}

void TSchaltschrankDlg::StoreData() {
    SchaltschrankGroup& s = context().project.data().Schaltschrank;
    s.Breite = EditU16(BreiteEdit);
    s.Hoehe = EditU16(HoeheEdit);
    s.Tiefe = EditU16(TiefeEdit);
    const int material = Material->itemIndex();
    s.Material = static_cast<u16>(material < 0 ? 0 : material);
    s.Waermedurchgangszahl = ParseKWert(WDurchEdit->text());
    // A group left without choice (a stored value beyond its items) keeps the record's value.
    if (Einzel->itemIndex() >= 0)
        s.Gehaeuseart = static_cast<u16>(Einzel->itemIndex());
    if (Wand->itemIndex() >= 0)
        s.Aufstellart = static_cast<u16>(Wand->itemIndex());
}

} // namespace zek
