#pragma once

#include "ui/base/LanguageForm.h"

class QLineEdit;

namespace zek {

class TRadioGroup;

// The name of the installation group, which has no caption on the page.
inline constexpr std::uint32_t kTextAufstellart = 1014002;

// Dimensions, wall material with its k value, and how the cabinet stands.
class TSchaltschrankDlg : public TMDIChild {
    Q_OBJECT
public:
    explicit TSchaltschrankDlg(FormContext& context, QWidget* parent = nullptr);
    void LoadData() override;
    void StoreData() override;
    void TranslateForm() override;

    QLineEdit *BreiteEdit, *HoeheEdit, *TiefeEdit, *WDurchEdit;
    TRadioGroup* Einzel;
    TRadioGroup* Wand;
    TRadioGroup* Material;

private:
    void MaterialClick(int index);
    void WDurchEditChange();
    void setKWertEditable(bool editable);
};

} // namespace zek
