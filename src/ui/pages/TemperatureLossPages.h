#pragma once

#include "core/ProjectData.h"
#include "ui/base/LanguageForm.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace zek {

class TSpinEdit;
class TRadioGroup;

// Permitted inside temperatures, ambient temperatures and the water inlet temperature.
class TTemperaturDlg : public TMDIChild {
    Q_OBJECT
public:
    explicit TTemperaturDlg(FormContext& context, QWidget* parent = nullptr);
    void LoadData() override;
    void StoreData() override;

    // Shows a reversed pair (maximum below minimum) in red.
    void CheckPairs();

    TSpinEdit *MaxSchSpin, *MinSchSpin, *MaxUmgSpin, *MinUmgSpin, *WasserSpin;

protected:
    void FormActivate() override { CheckPairs(); }
};

// How the total power loss is obtained: known, measured, or from the components.
class TVerlustDlg : public TMDIChild {
    Q_OBJECT
public:
    explicit TVerlustDlg(FormContext& context, QWidget* parent = nullptr);
    void LoadData() override;
    void StoreData() override;
    void TranslateForm() override;

    TRadioGroup* Gesamtverlust;
    QLineEdit* WertBekanntEdit;
    QWidget* GemessenPanel;
    QLineEdit *InnenTempEdit, *AussenTempEdit;
    QLabel* FehlerLabel;
    QLabel* GesamtVerlustLeistung;

    // Working values, written to the record when the page is left.
    u16 mode() const { return m_mode; }

protected:
    void FormActivate() override;

private:
    void GesamtverlustClick(int index);
    void EditChange();
    void showMode();

    u16 m_mode = 0;
    u16 m_wertBekannt = 0;
    i32 m_innen = 0;
    i32 m_aussen = 0;
    bool m_loading = false;
};

} // namespace zek
