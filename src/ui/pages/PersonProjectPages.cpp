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

QLineEdit* textRow(TMDIChild* form, QGridLayout* grid, const QString& label, int tag, const QString& name,
                   int maxLength) {
    auto* e = MakeTextEdit(form, name, maxLength);
    AddFieldRow(grid, MakeLabel(form, label, tag), e);
    return e;
}

} // namespace

TPersonDlg::TPersonDlg(FormContext& context, QWidget* parent) : TMDIChild(context, 12070, parent) {
    setObjectName(QStringLiteral("PersonDlg"));
    setWindowTitle(QStringLiteral("Persönliche Angaben"));
    makePage();
    auto* grid = AddFieldGrid(this);
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
    auto* grid = AddFieldGrid(this);
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

} // namespace zek
