#include "ui/pages/PersonProjectPages.h"

#include "core/ProjectData.h"
#include "ui/FormContext.h"
#include "ui/pages/PageWidgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zek {

namespace {

// Rows of label and edit, the labels in the first column.
QGridLayout* addGrid(TMDIChild* form) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    form->contentLayout()->addLayout(grid);
    form->contentLayout()->addStretch(1);
    return grid;
}

QLineEdit* textRow(TMDIChild* form, QGridLayout* grid, const QString& label, int tag, const QString& name,
                   int maxLength) {
    const int row = grid->rowCount();
    auto* l = MakeLabel(form, label, tag);
    auto* e = MakeTextEdit(form, name, maxLength);
    l->setBuddy(e);
    grid->addWidget(l, row, 0);
    grid->addWidget(e, row, 1);
    return e;
}

} // namespace

TPersonDlg::TPersonDlg(FormContext& context, QWidget* parent) : TMDIChild(context, 12070, parent) {
    setObjectName(QStringLiteral("PersonDlg"));
    setWindowTitle(QStringLiteral("Persönliche Angaben"));
    makePage();
    auto* grid = addGrid(this);
    FirmaEdit = textRow(this, grid, QStringLiteral("Firma"), 10, QStringLiteral("FirmaEdit"), 50);
    AbtEdit = textRow(this, grid, QStringLiteral("Abteilung"), 15, QStringLiteral("AbtEdit"), 50);
    NameEdit = textRow(this, grid, QStringLiteral("Name"), 20, QStringLiteral("NameEdit"), 50);
    StrEdit = textRow(this, grid, QStringLiteral("Straße"), 25, QStringLiteral("StrEdit"), 50);
    OrtEdit = textRow(this, grid, QStringLiteral("Ort"), 30, QStringLiteral("OrtEdit"), 50);
    TranslateForm();
    CreateButtonPanel(this, bfWeiter | bfAbbruch | bfHilfe);
    LoadData();
}

void TPersonDlg::LoadData() {
    const PersonGroup& p = context().project.data().Person;
    ShowText(FirmaEdit, p.Firma.str());
    ShowText(AbtEdit, p.Abteilung.str());
    ShowText(NameEdit, p.Name.str());
    ShowText(StrEdit, p.Str.str());
    ShowText(OrtEdit, p.Ort.str());
}

void TPersonDlg::StoreData() {
    PersonGroup& p = context().project.data().Person;
    p.Firma = EditText(FirmaEdit);
    p.Abteilung = EditText(AbtEdit);
    p.Name = EditText(NameEdit);
    p.Str = EditText(StrEdit);
    p.Ort = EditText(OrtEdit);
}

TProjektDlg::TProjektDlg(FormContext& context, QWidget* parent) : TMDIChild(context, 12075, parent) {
    setObjectName(QStringLiteral("ProjektDlg"));
    setWindowTitle(QStringLiteral("Angabe zu Name und Projekt"));
    makePage();
    auto* grid = addGrid(this);
    FirmaEdit = textRow(this, grid, QStringLiteral("Firma"), 10, QStringLiteral("FirmaEdit"), 50);
    NameEdit = textRow(this, grid, QStringLiteral("Name"), 15, QStringLiteral("NameEdit"), 50);
    ProjektEdit = textRow(this, grid, QStringLiteral("Projekt"), 20, QStringLiteral("ProjektEdit"), 50);
    TranslateForm();
    CreateButtonPanel(this, bfWeiter | bfAbbruch | bfHilfe | bfZurueck);
    LoadData();
}

void TProjektDlg::LoadData() {
    const ProjektGroup& p = context().project.data().Projekt;
    ShowText(FirmaEdit, p.Firma.str());
    ShowText(NameEdit, p.Name.str());
    ShowText(ProjektEdit, p.Projekt.str());
}

void TProjektDlg::StoreData() {
    ProjektGroup& p = context().project.data().Projekt;
    p.Firma = EditText(FirmaEdit);
    p.Name = EditText(NameEdit);
    p.Projekt = EditText(ProjektEdit);
}

TAnschlussDlg::TAnschlussDlg(FormContext& context, QWidget* parent) : TMDIChild(context, 12040, parent) {
    setObjectName(QStringLiteral("AnschlussDlg"));
    setWindowTitle(QStringLiteral("Hauptanschlußwerte"));
    makePage();
    auto* grid = addGrid(this);
    UEdit = MakeNumEdit(this, QStringLiteral("UEdit"), 4);
    IEdit = MakeNumEdit(this, QStringLiteral("IEdit"), 4);
    grid->addWidget(MakeLabel(this, QStringLiteral("Nennanschlußspannung"), 10), 0, 0);
    grid->addWidget(UEdit, 0, 1);
    grid->addWidget(MakeLabel(this, QStringLiteral("V"), -1), 0, 2);
    grid->addWidget(MakeLabel(this, QStringLiteral("Nennstromaufnahme"), 11), 1, 0);
    grid->addWidget(IEdit, 1, 1);
    grid->addWidget(MakeLabel(this, QStringLiteral("A"), -1), 1, 2);
    grid->setColumnStretch(3, 1);
    TranslateForm();
    CreateButtonPanel(this, bfWeiter | bfAbbruch | bfHilfe | bfZurueck);
    LoadData();
}

void TAnschlussDlg::LoadData() {
    const AnschlussGroup& a = context().project.data().Anschluss;
    ShowNumber(UEdit, a.Spannung);
    ShowNumber(IEdit, a.Strom);
}

void TAnschlussDlg::StoreData() {
    AnschlussGroup& a = context().project.data().Anschluss;
    a.Spannung = EditU16(UEdit);
    a.Strom = EditU16(IEdit);
}

TGleichDlg::TGleichDlg(FormContext& context, QWidget* parent) : TMDIChild(context, 12025, parent) {
    setObjectName(QStringLiteral("GleichDlg"));
    setWindowTitle(QStringLiteral("Gleichzeitigkeit"));
    makePage();
    auto* grid = addGrid(this);
    LeistungsTeilSpin = new TSpinEdit(this, QStringLiteral("LeistungsTeilSpin"), 0, 100);
    SteuerungsteilSpin = new TSpinEdit(this, QStringLiteral("SteuerungsteilSpin"), 0, 100);
    grid->addWidget(MakeLabel(this, QStringLiteral("Gleichzeitigkeitsfaktor Leistungsteil"), 10), 0, 0);
    grid->addWidget(LeistungsTeilSpin, 0, 1);
    grid->addWidget(MakeLabel(this, QStringLiteral("%"), -1), 0, 2);
    grid->addWidget(MakeLabel(this, QStringLiteral("Gleichzeitigkeitsfaktor Steuerungsteil"), 11), 1, 0);
    grid->addWidget(SteuerungsteilSpin, 1, 1);
    grid->addWidget(MakeLabel(this, QStringLiteral("%"), -1), 1, 2);
    grid->setColumnStretch(3, 1);
    TranslateForm();
    CreateButtonPanel(this, bfWeiter | bfAbbruch | bfHilfe | bfZurueck);
    LoadData();
}

void TGleichDlg::LoadData() {
    const GleichzeitigkeitGroup& g = context().project.data().Gleichzeitigkeit;
    LeistungsTeilSpin->showValue(g.Leistungsteil);
    SteuerungsteilSpin->showValue(g.Steuerungsteil);
}

void TGleichDlg::StoreData() {
    GleichzeitigkeitGroup& g = context().project.data().Gleichzeitigkeit;
    g.Leistungsteil = static_cast<u16>(LeistungsTeilSpin->readValue());
    g.Steuerungsteil = static_cast<u16>(SteuerungsteilSpin->readValue());
}

} // namespace zek
