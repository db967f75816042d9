#pragma once

#include "ui/base/LanguageForm.h"

#include <array>

class QLineEdit;
class QSpinBox;

namespace zek {

class TSpinEdit;

// Who makes the calculation; the first page of the wizard.
class TPersonDlg : public TMDIChild {
    Q_OBJECT
public:
    explicit TPersonDlg(FormContext& context, QWidget* parent = nullptr);
    void LoadData() override;
    void StoreData() override;

    QLineEdit *FirmaEdit, *AbtEdit, *NameEdit, *StrEdit, *OrtEdit;
};

// The customer's company, name and project.
class TProjektDlg : public TMDIChild {
    Q_OBJECT
public:
    explicit TProjektDlg(FormContext& context, QWidget* parent = nullptr);
    void LoadData() override;
    void StoreData() override;

    QLineEdit *FirmaEdit, *NameEdit, *ProjektEdit;
};

// Rated voltage and current of the mains connection.
class TAnschlussDlg : public TMDIChild {
    Q_OBJECT
public:
    explicit TAnschlussDlg(FormContext& context, QWidget* parent = nullptr);
    void LoadData() override;
    void StoreData() override;

    QLineEdit *UEdit, *IEdit;
};

// Simultaneity factors of the power part and the control part.
class TGleichDlg : public TMDIChild {
    Q_OBJECT
public:
    explicit TGleichDlg(FormContext& context, QWidget* parent = nullptr);
    void LoadData() override;
    void StoreData() override;

    TSpinEdit *LeistungsTeilSpin, *SteuerungsteilSpin;
};

} // namespace zek
