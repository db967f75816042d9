#pragma once

#include "report/Selection.h"
#include "ui/base/LanguageForm.h"

#include <map>
#include <memory>

class QCheckBox;
class QFrame;
class QPushButton;

namespace zek {

// "Auswahl Geräteart": which device families and variants the report or the inquiry
// lists. A view of AuswahlModell; only families with a candidate are shown.
class TAuswahlDlg : public TMDIChild {
    Q_OBJECT
public:
    TAuswahlDlg(FormContext& context, const Kandidatenliste& kandidaten, const AuswahlGroup& auswahl,
                bool cancelAllowed, QWidget* parent = nullptr);

    // Boxes by tag (10..56); the four family panels by family tag (10..13).
    QCheckBox* box(int tag) const;
    QFrame* panel(int familyTag) const;
    const AuswahlModell& model() const { return m_model; }

    QPushButton* OKBtn;
    QPushButton* AbbruchBtn;

    // Shows or hides the boxes by their ticks; hidden boxes take no room.
    void UpdateLayout();

    void LoadData() override;
    void StoreData() override {}

public:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BoxClick(int tag, bool on);

    AuswahlModell m_model;
    bool m_cancelAllowed;
    std::map<int, QCheckBox*> m_boxes;
    std::map<int, QFrame*> m_panels;
};

// The desktop answer to the report's question for the devices to list: the dialog,
// modal over parent, after the messages about unrecognised codes.
class DialogDeviceSelector : public DeviceSelector {
public:
    DialogDeviceSelector(FormContext& context, QWidget* parent) : m_context(context), m_parent(parent) {}
    std::optional<std::uint16_t> AuswahlZeigen(bool cancelAllowed, const Kandidatenliste& kandidaten,
                                               AuswahlGroup& auswahl) override;

    // Called with the dialog just before it runs (tests answer it from here).
    std::function<void(TAuswahlDlg&)> beforeExec;

private:
    FormContext& m_context;
    QWidget* m_parent;
};

} // namespace zek
