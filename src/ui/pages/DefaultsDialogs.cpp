#include "ui/pages/DefaultsDialogs.h"

#include "core/SettingsData.h"
#include "ui/FormContext.h"
#include "ui/pages/PageRules.h"
#include "ui/pages/PageWidgets.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zek {

DialogButtons AddDialogButtons(TLanguageForm* form, QBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    const auto make = [&](const char* name, const QString& text, int tag) {
        auto* b = new QPushButton(text, form);
        b->setObjectName(QString::fromLatin1(name));
        b->setProperty("tag", tag);
        b->setMinimumSize(80, 26);
        row->addWidget(b);
        return b;
    };
    DialogButtons buttons;
    buttons.OKBtn = make("OKBtn", QStringLiteral("OK"), 1);
    buttons.CancelBtn = make("CancelBtn", QStringLiteral("Abbruch"), 2);
    buttons.HelpBtn = make("HelpBtn", QStringLiteral("&Hilfe"), 3);
    buttons.OKBtn->setDefault(true);
    buttons.CancelBtn->setAutoDefault(false);
    buttons.HelpBtn->setAutoDefault(false);
    QObject::connect(buttons.HelpBtn, &QPushButton::clicked, form, &TLanguageForm::HilfeBtnClick);
    layout->addSpacing(8);
    layout->addLayout(row);
    return buttons;
}

namespace {
// A default dimension: a text without a valid integer keeps the previous default.
std::uint16_t dimensionOr(const QLineEdit* edit, std::uint16_t previous) {
    const QString t = edit->text().trimmed();
    bool ok = false;
    const uint v = t.toUInt(&ok);
    return (ok && v <= 65535) ? static_cast<std::uint16_t>(v) : previous;
}
} // namespace

TGrundSchaltschrankDlg::TGrundSchaltschrankDlg(FormContext& context, QWidget* parent)
    : TMDIChild(context, 12035, parent) {
    setObjectName(QStringLiteral("GrundSchaltschrankDlg"));
    setWindowTitle(QStringLiteral("Grundeinstellungen Schaltschrank"));
    const DimensionEdits dimensions = MakeDimensionsGroup(this);
    QGroupBox* masse = dimensions.group;
    BreiteEdit = dimensions.breite;
    HoeheEdit = dimensions.hoehe;
    TiefeEdit = dimensions.tiefe;
    Material = new TRadioGroup(this, QStringLiteral("Material"), QStringLiteral("Material"), 20,
                               {QStringLiteral("Stahlblech"), QStringLiteral("Kunststoff"),
                                QStringLiteral("Aluminium"), QStringLiteral("Edelstahl")});
    Aufstell = new TRadioGroup(
        this, QStringLiteral("Aufstell"), QStringLiteral("Aufstellungsart"), 21,
        {QStringLiteral("Einzelschrank"), QStringLiteral("Randschrank"), QStringLiteral("Mittelschrank")});
    Art = new TRadioGroup(this, QStringLiteral("Art"), QStringLiteral("Art"), 22,
                          {QStringLiteral("Freistehend"), QStringLiteral("Wandanbau")});
    auto* grid = new QGridLayout;
    grid->addWidget(masse, 0, 0);
    grid->addWidget(Material, 0, 1, 2, 1);
    grid->addWidget(Aufstell, 1, 0);
    grid->addWidget(Art, 0, 2, 2, 1);
    contentLayout()->addLayout(grid);
    buttons = AddDialogButtons(this, contentLayout());
    connect(buttons.OKBtn, &QPushButton::clicked, this, [this] {
        StoreData();
        accept();
    });
    connect(buttons.CancelBtn, &QPushButton::clicked, this, &TGrundSchaltschrankDlg::reject);
    TranslateForm();
    LoadData();
    adjustSize();
}

void TGrundSchaltschrankDlg::TranslateForm() {
    TMDIChild::TranslateForm();
    Material->setItemTexts({langText(1009000), langText(1009001), langText(1009002), langText(1009003)});
    Aufstell->setItemTexts({langText(1009010), langText(1009011), langText(1009012)});
    Art->setItemTexts({langText(1009020), langText(1009021)});
}

void TGrundSchaltschrankDlg::LoadData() {
    const DefaultCabinet& c = context().settings.data().Schaltschrank;
    ShowNumber(BreiteEdit, c.Breite);
    ShowNumber(HoeheEdit, c.Hoehe);
    ShowNumber(TiefeEdit, c.Tiefe);
    Material->setItemIndex(c.Material);
    Aufstell->setItemIndex(c.Aufstellung);
    Art->setItemIndex(c.Art);
}

void TGrundSchaltschrankDlg::StoreData() {
    DefaultCabinet& c = context().settings.data().Schaltschrank;
    c.Breite = dimensionOr(BreiteEdit, c.Breite);
    c.Hoehe = dimensionOr(HoeheEdit, c.Hoehe);
    c.Tiefe = dimensionOr(TiefeEdit, c.Tiefe);
    // A group without choice (a stored value beyond its items) keeps the stored value.
    if (Material->itemIndex() >= 0)
        c.Material = static_cast<std::uint16_t>(Material->itemIndex());
    if (Aufstell->itemIndex() >= 0)
        c.Aufstellung = static_cast<std::uint16_t>(Aufstell->itemIndex());
    if (Art->itemIndex() >= 0)
        c.Art = static_cast<std::uint16_t>(Art->itemIndex());
}

TGrundGleichzeitigkeitDlg::TGrundGleichzeitigkeitDlg(FormContext& context, QWidget* parent)
    : TMDIChild(context, 12030, parent) {
    setObjectName(QStringLiteral("GrundGleichzeitigkeitDlg"));
    setWindowTitle(QStringLiteral("Grundeinstellungen Gleichzeitigkeit"));
    const SimultaneitySpins spins = AddSimultaneityRows(this, AddFieldGrid(this));
    LeistungsTeilSpin = spins.leistungsteil;
    SteuerungsteilSpin = spins.steuerungsteil;
    buttons = AddDialogButtons(this, contentLayout());
    connect(buttons.OKBtn, &QPushButton::clicked, this, [this] {
        StoreData();
        accept();
    });
    connect(buttons.CancelBtn, &QPushButton::clicked, this, &TGrundGleichzeitigkeitDlg::reject);
    TranslateForm();
    LoadData();
    adjustSize();
}

void TGrundGleichzeitigkeitDlg::LoadData() {
    const DefaultSimultaneity& g = context().settings.data().Gleichzeitigkeit;
    LeistungsTeilSpin->showValue(g.Leistungsteil);
    SteuerungsteilSpin->showValue(g.Steuerungsteil);
}

void TGrundGleichzeitigkeitDlg::StoreData() {
    DefaultSimultaneity& g = context().settings.data().Gleichzeitigkeit;
    g.Leistungsteil = static_cast<std::uint16_t>(LeistungsTeilSpin->readValue());
    g.Steuerungsteil = static_cast<std::uint16_t>(SteuerungsteilSpin->readValue());
}

TGrundAdressDlg::TGrundAdressDlg(FormContext& context, QWidget* parent) : TMDIChild(context, 12005, parent) {
    setObjectName(QStringLiteral("GrundAdressDlg"));
    setWindowTitle(QStringLiteral("velmar-Adresse für Faxanfragen"));
    auto* grid = new QGridLayout;
    struct Row {
        QLineEdit** edit;
        const char* name;
        QString label;
        int tag;
        int maxLength;
    };
    const Row rows[] = {{&NameEdit, "NameEdit", QStringLiteral("Name"), 10, 50},
                        {&StrEdit, "StrEdit", QStringLiteral("Straße"), 11, 50},
                        {&OrtEdit, "OrtEdit", QStringLiteral("PLZ Ort"), 12, 50},
                        {&TelefonEdit, "TelefonEdit", QStringLiteral("Telefon"), 13, 20},
                        {&FaxEdit, "FaxEdit", QStringLiteral("Fax"), 14, 20}};
    int r = 0;
    for (const Row& row : rows) {
        *row.edit = MakeTextEdit(this, QString::fromLatin1(row.name), row.maxLength);
        (*row.edit)->setMinimumWidth(row.maxLength > 20 ? 300 : 160);
        QLabel* label = MakeLabel(this, row.label, row.tag);
        label->setBuddy(*row.edit);
        grid->addWidget(label, r, 0);
        grid->addWidget(*row.edit, r, 1, Qt::AlignLeft);
        ++r;
    }
    contentLayout()->addLayout(grid);
    buttons = AddDialogButtons(this, contentLayout());
    connect(buttons.OKBtn, &QPushButton::clicked, this, [this] {
        StoreData();
        accept();
    });
    connect(buttons.CancelBtn, &QPushButton::clicked, this, &TGrundAdressDlg::reject);
    TranslateForm();
    LoadData();
    adjustSize();
}

void TGrundAdressDlg::showEvent(QShowEvent* event) {
    LoadData();
    TMDIChild::showEvent(event);
}

void TGrundAdressDlg::closeEvent(QCloseEvent* event) {
    // The close box keeps what was typed, as "OK" does.
    StoreData();
    TMDIChild::closeEvent(event);
}

void TGrundAdressDlg::reject() {
    LoadData();
    TMDIChild::reject();
}

void TGrundAdressDlg::LoadData() {
    const FirmAddress& a = context().settings.data().Firmenadresse;
    ShowText(NameEdit, a.Name.str());
    ShowText(StrEdit, a.Str.str());
    ShowText(OrtEdit, a.Ort.str());
    ShowText(TelefonEdit, a.Telefon.str());
    ShowText(FaxEdit, a.Fax.str());
}

void TGrundAdressDlg::StoreData() {
    FirmAddress& a = context().settings.data().Firmenadresse;
    a.Name = EditText(NameEdit);
    a.Str = EditText(StrEdit);
    a.Ort = EditText(OrtEdit);
    a.Telefon = EditText(TelefonEdit);
    a.Fax = EditText(FaxEdit);
}

void EditDefaultCabinet(FormContext& context, QWidget* parent) {
    TGrundSchaltschrankDlg dlg(context, parent);
    dlg.exec();
}

void EditDefaultSimultaneity(FormContext& context, QWidget* parent) {
    TGrundGleichzeitigkeitDlg dlg(context, parent);
    dlg.exec();
}

void EditFirmAddress(FormContext& context, QWidget* parent) {
    TGrundAdressDlg dlg(context, parent);
    dlg.exec();
}

} // namespace zek
