#pragma once

#include "core/SettingsData.h"
#include "ui/base/LanguageForm.h"

#include <QString>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;

namespace zek {

class PrinterSystem;
class Settings;

// The four margin fields as typed ("Oben", "Unten", "Links", "Rechts").
struct RandFelder {
    QString oben, unten, links, rechts;
    bool operator==(const RandFelder&) const = default;
};

// The rules of "Drucker einrichten", without a window: two working copies (tab 0 the
// result printer "Drucker", tab 1 the fax printer "Fax"); the fields and the printer name
// always belong to the selected tab, and the system's current printer follows it.
class DruckerEinrichten {
public:
    DruckerEinrichten(const SettingsData& settings, PrinterSystem& printers);

    int tab() const { return m_tab; }
    const PrinterBlock& block(int tab) const { return m_blocks.at(tab); }
    RandFelder felder() const;
    // The current printer's name; empty when there is none.
    QString druckerName() const;

    // The outgoing tab keeps the current printer and the fields as typed; the incoming
    // tab's printer becomes current.
    void wechsleTab(int neuerTab, const RandFelder& eingabe);
    // After the system's printer setup: the current tab takes the printer chosen there.
    void druckerEingerichtet();
    // OK: the current tab takes the fields, then both blocks go into the settings.
    void uebernehmen(const RandFelder& eingabe, Settings& settings);

private:
    void halteFest(const RandFelder& eingabe);

    PrinterSystem& m_printers;
    std::array<PrinterBlock, 2> m_blocks;
    int m_tab = 0;
};

// The dialog itself: a tab bar, four margin fields of at most three digits, the printer
// name, "Drucker ...", OK and Abbruch.
class TDruckerDlg : public TLanguageForm {
    Q_OBJECT
public:
    TDruckerDlg(FormContext& context, PrinterSystem& printers, QWidget* parent = nullptr);

    void TranslateForm() override;

    QTabBar* TabControl = nullptr;
    QLineEdit* ObenEdit = nullptr;
    QLineEdit* UntenEdit = nullptr;
    QLineEdit* LinksEdit = nullptr;
    QLineEdit* RechtsEdit = nullptr;
    QLabel* DruckerName = nullptr;
    QPushButton* DruckerBtn = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* AbbruchBtn = nullptr;

public slots:
    void TabControlChange(int index);
    void DruckerBtnClick();
    void OkBtnClick();

private:
    RandFelder eingabe() const;
    void zeige();

    PrinterSystem& m_printers;
    DruckerEinrichten m_model;
    bool m_zeigt = false;
};

} // namespace zek
