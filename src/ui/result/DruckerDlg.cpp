#include "ui/result/DruckerDlg.h"

#include "core/SettingsData.h"
#include "ui/FormContext.h"
#include "ui/base/DigitFilter.h"
#include "ui/base/TranslateForm.h"
#include "ui/result/PrinterSystem.h"
#include "ui/result/ResultCommands.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

namespace zek {

namespace {

// A field that is not a number counts as 0; three digits never exceed the 16 bits.
std::uint16_t randMm(const QString& text) {
    bool ok = false;
    const uint value = text.trimmed().toUInt(&ok);
    return ok ? std::uint16_t(std::min<uint>(value, 65535u)) : 0;
}

} // namespace

DruckerEinrichten::DruckerEinrichten(const SettingsData& settings, PrinterSystem& printers)
    : m_printers(printers), m_blocks{settings.Drucker, settings.Fax} {
    m_printers.setCurrentIndex(m_blocks[0].Index);
}

RandFelder DruckerEinrichten::felder() const {
    const PrinterBlock& b = m_blocks[m_tab];
    return {QString::number(b.ObererRand), QString::number(b.UntererRand), QString::number(b.LinkerRand),
            QString::number(b.RechterRand)};
}

QString DruckerEinrichten::druckerName() const {
    return m_printers.currentPrinterName();
}

void DruckerEinrichten::halteFest(const RandFelder& eingabe) {
    PrinterBlock& b = m_blocks[m_tab];
    b.ObererRand = randMm(eingabe.oben);
    b.UntererRand = randMm(eingabe.unten);
    b.LinkerRand = randMm(eingabe.links);
    b.RechterRand = randMm(eingabe.rechts);
}

void DruckerEinrichten::wechsleTab(int neuerTab, const RandFelder& eingabe) {
    if (neuerTab == m_tab || neuerTab < 0 || neuerTab > 1)
        return;
    m_blocks[m_tab].Index = m_printers.currentIndex();
    halteFest(eingabe);
    m_tab = neuerTab;
    m_printers.setCurrentIndex(m_blocks[m_tab].Index);
}

void DruckerEinrichten::druckerEingerichtet() {
    m_blocks[m_tab].Index = m_printers.currentIndex();
}

void DruckerEinrichten::uebernehmen(const RandFelder& eingabe, Settings& settings) {
    halteFest(eingabe);
    settings.data().Drucker = m_blocks[0];
    settings.data().Fax = m_blocks[1];
}

TDruckerDlg::TDruckerDlg(FormContext& context, PrinterSystem& printers, QWidget* parent)
    : TLanguageForm(context, kDruckerDlgHelpNumber, parent), m_printers(printers),
      m_model(context.settings.data(), printers) {
    setObjectName(QStringLiteral("DruckerDlg"));
    setWindowTitle(QStringLiteral("Drucker einrichten"));
    setModal(true);

    auto tagged = [](QWidget* w, const char* name, int tag) {
        w->setObjectName(QString::fromLatin1(name));
        w->setProperty(kTagProperty, tag);
    };

    auto* outer = new QVBoxLayout(this);
    TabControl = new QTabBar(this);
    tagged(TabControl, "TabControl", -1);
    TabControl->addTab(QStringLiteral("Drucker"));
    TabControl->addTab(QStringLiteral("Fax"));
    outer->addWidget(TabControl);

    auto* raender = new QGroupBox(QStringLiteral("Seitenränder (mm)"), this);
    tagged(raender, "RaenderGroup", 1);
    auto* grid = new QGridLayout(raender);
    struct Feld {
        QLineEdit** edit;
        const char* editName;
        const char* labelName;
        const char* caption;
        int tag;
        int row, column;
    };
    const Feld felder[] = {
        {&ObenEdit, "ObenEdit", "ObenLabel", "Oben", 2, 0, 0},
        {&UntenEdit, "UntenEdit", "UntenLabel", "Unten", 3, 1, 0},
        {&LinksEdit, "LinksEdit", "LinksLabel", "Links", 4, 0, 2},
        {&RechtsEdit, "RechtsEdit", "RechtsLabel", "Rechts", 5, 1, 2},
    };
    for (const Feld& f : felder) {
        auto* label = new QLabel(QString::fromUtf8(f.caption), raender);
        tagged(label, f.labelName, f.tag);
        auto* edit = new QLineEdit(raender);
        tagged(edit, f.editName, -1);
        edit->setMaxLength(3);
        edit->setFixedWidth(48);
        AttachDigitFilter(edit, false);
        label->setBuddy(edit);
        grid->addWidget(label, f.row, f.column);
        grid->addWidget(edit, f.row, f.column + 1);
        *f.edit = edit;
    }
    outer->addWidget(raender);

    auto* druckerZeile = new QHBoxLayout;
    auto* druckerLabel = new QLabel(QStringLiteral("Drucker:"), this);
    tagged(druckerLabel, "DruckerLabel", 6);
    DruckerName = new QLabel(this);
    tagged(DruckerName, "DruckerName", -1);
    DruckerName->setMinimumWidth(200);
    DruckerBtn = new QPushButton(QStringLiteral("Drucker ..."), this);
    tagged(DruckerBtn, "DruckerBtn", 7);
    druckerZeile->addWidget(druckerLabel);
    druckerZeile->addWidget(DruckerName, 1);
    druckerZeile->addWidget(DruckerBtn);
    outer->addLayout(druckerZeile);

    auto* knoepfe = new QHBoxLayout;
    OkBtn = new QPushButton(QStringLiteral("OK"), this);
    tagged(OkBtn, "OkBtn", 8);
    OkBtn->setDefault(true);
    AbbruchBtn = new QPushButton(QStringLiteral("Abbruch"), this);
    tagged(AbbruchBtn, "AbbruchBtn", 9);
    auto* hilfeBtn = new QPushButton(QStringLiteral("&Hilfe"), this);
    tagged(hilfeBtn, "HilfeBtn", 10);
    knoepfe->addStretch(1);
    knoepfe->addWidget(OkBtn);
    knoepfe->addWidget(AbbruchBtn);
    knoepfe->addWidget(hilfeBtn);
    outer->addLayout(knoepfe);

    connect(TabControl, &QTabBar::currentChanged, this, &TDruckerDlg::TabControlChange);
    connect(DruckerBtn, &QPushButton::clicked, this, &TDruckerDlg::DruckerBtnClick);
    connect(OkBtn, &QPushButton::clicked, this, &TDruckerDlg::OkBtnClick);
    connect(AbbruchBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(hilfeBtn, &QPushButton::clicked, this, &TLanguageForm::HilfeBtnClick);

    TranslateForm();
    zeige();
    m_zeigt = true;
}

void TDruckerDlg::TranslateForm() {
    TLanguageForm::TranslateForm();
    TabControl->setTabText(0, langTextOr(kTextTabDrucker, QStringLiteral("Drucker")));
    TabControl->setTabText(1, langTextOr(kTextTabFax, QStringLiteral("Fax")));
}

RandFelder TDruckerDlg::eingabe() const {
    return {ObenEdit->text(), UntenEdit->text(), LinksEdit->text(), RechtsEdit->text()};
}

void TDruckerDlg::zeige() {
    const RandFelder f = m_model.felder();
    ObenEdit->setText(f.oben);
    UntenEdit->setText(f.unten);
    LinksEdit->setText(f.links);
    RechtsEdit->setText(f.rechts);
    const QString name = m_model.druckerName();
    DruckerName->setText(name.isEmpty() ? langTextOr(kTextKeinDrucker, QStringLiteral("(kein Drucker)"))
                                        : name);
}

void TDruckerDlg::TabControlChange(int index) {
    if (!m_zeigt)
        return;
    m_model.wechsleTab(index, eingabe());
    zeige();
}

void TDruckerDlg::DruckerBtnClick() {
    if (m_printers.setupDialog(this))
        m_model.druckerEingerichtet();
    const QString name = m_model.druckerName();
    DruckerName->setText(name.isEmpty() ? langTextOr(kTextKeinDrucker, QStringLiteral("(kein Drucker)"))
                                        : name);
}

void TDruckerDlg::OkBtnClick() {
    m_model.uebernehmen(eingabe(), context().settings);
    accept();
}

} // namespace zek
