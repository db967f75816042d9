#pragma once

#include "ui/base/LanguageForm.h"

class QLineEdit;
class QPushButton;
class QBoxLayout;

namespace zek {

class TRadioGroup;
class TSpinEdit;

// The three buttons of the modal settings dialogs: "OK" (tag 1), "Abbruch" (tag 2),
// "&Hilfe" (tag 3).
struct DialogButtons {
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;
};
DialogButtons AddDialogButtons(TLanguageForm* form, QBoxLayout* layout);

// The cabinet a new project starts with.
class TGrundSchaltschrankDlg : public TMDIChild {
    Q_OBJECT
public:
    explicit TGrundSchaltschrankDlg(FormContext& context, QWidget* parent = nullptr);
    void LoadData() override;
    void StoreData() override;
    void TranslateForm() override;

    QLineEdit *BreiteEdit, *HoeheEdit, *TiefeEdit;
    TRadioGroup *Material, *Aufstell, *Art;
    DialogButtons buttons;
};

// The simultaneity factors a new project starts with.
class TGrundGleichzeitigkeitDlg : public TMDIChild {
    Q_OBJECT
public:
    explicit TGrundGleichzeitigkeitDlg(FormContext& context, QWidget* parent = nullptr);
    void LoadData() override;
    void StoreData() override;

    TSpinEdit *LeistungsTeilSpin, *SteuerungsteilSpin;
    DialogButtons buttons;
};

// The supplier's address that fax inquiries go to.
class TGrundAdressDlg : public TMDIChild {
    Q_OBJECT
public:
    explicit TGrundAdressDlg(FormContext& context, QWidget* parent = nullptr);
    void LoadData() override;
    void StoreData() override;

    QLineEdit *NameEdit, *StrEdit, *OrtEdit, *TelefonEdit, *FaxEdit;
    DialogButtons buttons;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

public:
    void reject() override;
};

// Run the dialogs modally over parent; the settings change only on "OK".
void EditDefaultCabinet(FormContext& context, QWidget* parent);
void EditDefaultSimultaneity(FormContext& context, QWidget* parent);
void EditFirmAddress(FormContext& context, QWidget* parent);

} // namespace zek
