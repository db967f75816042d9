#pragma once

#include "ui/base/LanguageForm.h"

#include <array>

class QLineEdit;

namespace zek {

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

} // namespace zek
