#pragma once

#include "ui/base/LanguageForm.h"

class QLineEdit;

namespace zek {

class TSpinEdit;

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
