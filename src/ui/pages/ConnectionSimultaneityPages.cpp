#include "ui/pages/ConnectionSimultaneityPages.h"

#include "core/ProjectData.h"
#include "ui/FormContext.h"
#include "ui/pages/PageWidgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace zek {

TAnschlussDlg::TAnschlussDlg(FormContext& context, QWidget* parent) : TMDIChild(context, 12040, parent) {
    setObjectName(QStringLiteral("AnschlussDlg"));
    setWindowTitle(QStringLiteral("Hauptanschlußwerte"));
    makePage();
    auto* grid = AddFieldGrid(this);
    UEdit = MakeNumEdit(this, QStringLiteral("UEdit"), 4);
    IEdit = MakeNumEdit(this, QStringLiteral("IEdit"), 4);
    AddFieldRow(grid, MakeLabel(this, QStringLiteral("Nennanschlußspannung"), 10), UEdit,
                QStringLiteral("V"));
    AddFieldRow(grid, MakeLabel(this, QStringLiteral("Nennstromaufnahme"), 11), IEdit, QStringLiteral("A"));
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
    const SimultaneitySpins spins = AddSimultaneityRows(this, AddFieldGrid(this));
    LeistungsTeilSpin = spins.leistungsteil;
    SteuerungsteilSpin = spins.steuerungsteil;
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
