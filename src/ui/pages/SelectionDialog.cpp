#include "ui/pages/SelectionDialog.h"

#include "ui/FormContext.h"
#include "ui/Interaction.h"
#include "ui/base/TranslateForm.h"
#include "ui/pages/DefaultsDialogs.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace zek {

namespace {

struct BoxDef {
    int tag;
    const char* name;
    const char* caption; // UTF-8
    int indent;          // 0 family box, 1 variant, 2 filter choice of the cooling units
};

// In the order they stand in the dialog, panel by panel.
const BoxDef kFilter[] = {{10, "FilterCBox", "Filterlüfter", 0},
                          {20, "FStdKunstCBox", "Standardausführung Kunststoff", 1},
                          {22, "FStrahlV2ACBox", "Strahlwasserfest Stahlblech / V2A", 1},
                          {23, "FSuperCBox", "superflach HF-geschirmt, schnappbar", 1},
                          {24, "FDachCBox", "Dachlüfter", 1}};
const BoxDef kLuft[] = {{11, "LuftCBox", "Wärmetauscher Luft - Luft", 0},
                        {30, "LAnEinCBox", "zum Schrankanbau oder -einbau", 1},
                        {31, "LAufCBox", "zum Schrankaufbau", 1}};
const BoxDef kWasser[] = {{12, "WasserCBox", "Wasserwärmetauscher", 0},
                          {40, "WAnCBox", "zum Schrankanbau", 1},
                          {41, "WEinbauCBox", "zum Einbau als 19\"-Einschub", 1}};
const BoxDef kGeraete[] = {{13, "GeraeteCBox", "Kühlgeräte", 0},
                           {50, "GAnCBox", "zum Schrankanbau", 1},
                           {51, "GAnEinCBox", "zum Schrankanbau oder -einbau", 1},
                           {55, "GAnEinMitCBox", "mit Filter", 2},
                           {56, "GAnEinOhneCBox", "ohne Filter", 2},
                           {52, "GAufCBox", "zum Schrankaufbau", 1}};
// Searched, but without a place in the filter-fan panel: never shown.
const BoxDef kOutside[] = {{21, "FStrahlKunstCBox", "Strahlwasserfest Kunststoff", 1},
                           {25, "FEinbauCBox", "zum Einbau als 19\"-Einschub", 1}};

} // namespace

TAuswahlDlg::TAuswahlDlg(FormContext& context, const Kandidatenliste& kandidaten, const AuswahlGroup& auswahl,
                         bool cancelAllowed, QWidget* parent)
    : TMDIChild(context, 12010, parent), m_model(kandidaten, auswahl.GeraeteCheck),
      m_cancelAllowed(cancelAllowed) {
    setObjectName(QStringLiteral("AuswahlDlg"));
    setWindowTitle(QStringLiteral("Auswahl Geräteart"));
    if (!cancelAllowed)
        setWindowFlag(Qt::WindowCloseButtonHint, false);

    const auto addBox = [this](QWidget* owner, QVBoxLayout* layout, const BoxDef& def) {
        auto* cb = new QCheckBox(QString::fromUtf8(def.caption), owner);
        cb->setObjectName(QString::fromLatin1(def.name));
        cb->setProperty(kTagProperty, def.tag);
        if (def.indent == 0) {
            QFont bold = cb->font();
            bold.setBold(true);
            cb->setFont(bold);
        }
        auto* row = new QHBoxLayout;
        row->setContentsMargins(def.indent * 22, 0, 0, 0);
        row->addWidget(cb);
        layout->addLayout(row);
        m_boxes[def.tag] = cb;
        const int t = def.tag;
        connect(cb, &QCheckBox::clicked, this, [this, t](bool on) { BoxClick(t, on); });
    };
    const auto addPanel = [&](const char* name, int familyTag, const auto& boxDefs) {
        auto* frame = new QFrame(this);
        frame->setObjectName(QString::fromLatin1(name));
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setProperty(kTagProperty, -1);
        auto* layout = new QVBoxLayout(frame);
        layout->setContentsMargins(8, 4, 8, 4);
        layout->setSpacing(2);
        for (const BoxDef& def : boxDefs)
            addBox(frame, layout, def);
        m_panels[familyTag] = frame;
        contentLayout()->addWidget(frame);
    };
    addPanel("FilterPanel", 10, kFilter);
    addPanel("LuftPanel", 11, kLuft);
    addPanel("WasserPanel", 12, kWasser);
    addPanel("GeraetePanel", 13, kGeraete);
    auto* outside = new QWidget(this);
    outside->setObjectName(QStringLiteral("OutsidePanel"));
    auto* outsideLayout = new QVBoxLayout(outside);
    for (const BoxDef& def : kOutside)
        addBox(outside, outsideLayout, def);
    outside->hide();
    contentLayout()->addStretch(1);

    const DialogButtons b = AddDialogButtons(this, contentLayout());
    OKBtn = b.OKBtn;
    AbbruchBtn = b.CancelBtn;
    AbbruchBtn->setObjectName(QStringLiteral("AbbruchBtn"));
    AbbruchBtn->setVisible(cancelAllowed);
    connect(OKBtn, &QPushButton::clicked, this, &TAuswahlDlg::accept);
    connect(AbbruchBtn, &QPushButton::clicked, this, &TAuswahlDlg::reject);
    // The dialog's height follows the panels shown.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    TranslateForm();
    LoadData();
}

QCheckBox* TAuswahlDlg::box(int t) const {
    const auto it = m_boxes.find(t);
    return it == m_boxes.end() ? nullptr : it->second;
}

QFrame* TAuswahlDlg::panel(int familyTag) const {
    const auto it = m_panels.find(familyTag);
    return it == m_panels.end() ? nullptr : it->second;
}

void TAuswahlDlg::LoadData() {
    for (const auto& [t, cb] : m_boxes) {
        cb->setChecked(m_model.ticked(t));
        cb->setEnabled(t < 20 || m_model.enabled(t));
    }
    UpdateLayout();
}

void TAuswahlDlg::UpdateLayout() {
    for (const auto& [familyTag, frame] : m_panels)
        frame->setVisible(m_model.panelSichtbar(familyTag));
    for (const auto& [t, cb] : m_boxes)
        if (t >= 20)
            cb->setVisible(m_model.visible(t));
    // Settle the layout at once rather than after the pending events: the dialog's size
    // follows the panels immediately.
    for (const auto& [familyTag, frame] : m_panels) {
        frame->layout()->invalidate();
        frame->updateGeometry();
    }
    layout()->invalidate();
    layout()->activate();
}

void TAuswahlDlg::BoxClick(int t, bool on) {
    m_model.setTicked(t, on);
    UpdateLayout();
}

void TAuswahlDlg::reject() {
    // Only the printout and the fax can be abandoned; the screen view must be confirmed.
    if (m_cancelAllowed)
        TMDIChild::reject();
}

void TAuswahlDlg::closeEvent(QCloseEvent* event) {
    if (m_cancelAllowed)
        TMDIChild::closeEvent(event);
    else
        event->ignore();
}

std::optional<std::uint16_t> DialogDeviceSelector::AuswahlZeigen(bool cancelAllowed,
                                                                 const Kandidatenliste& kandidaten,
                                                                 AuswahlGroup& auswahl) {
    TAuswahlDlg dlg(m_context, kandidaten, auswahl, cancelAllowed, m_parent);
    for (std::uint32_t number : dlg.model().meldungen())
        m_context.interaction.error(dlg.langText(number));
    if (beforeExec)
        beforeExec(dlg);
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return dlg.model().bestaetigen(auswahl);
}

} // namespace zek
