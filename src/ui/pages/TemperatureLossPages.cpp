#include "ui/pages/TemperatureLossPages.h"

#include "core/Losses.h"
#include "core/ProjectData.h"
#include "ui/FormContext.h"
#include "ui/Interaction.h"
#include "ui/pages/PageRules.h"
#include "ui/pages/PageWidgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace zek {

TTemperaturDlg::TTemperaturDlg(FormContext& context, QWidget* parent) : TMDIChild(context, 12110, parent) {
    setObjectName(QStringLiteral("TemperaturDlg"));
    setWindowTitle(QStringLiteral("Temperaturen"));
    makePage();
    struct Row {
        TSpinEdit** spin;
        const char* name;
        QString label;
        int lower, upper;
    };
    const Row rows[] = {
        {&MaxSchSpin, "MaxSchSpin", QStringLiteral("Maximale Schaltschranktemperatur"), 0, 60},
        {&MinSchSpin, "MinSchSpin", QStringLiteral("Minimale Schaltschranktemperatur"), 0, 60},
        {&MaxUmgSpin, "MaxUmgSpin", QStringLiteral("Maximale Umgebungstemperatur"), 0, 75},
        {&MinUmgSpin, "MinUmgSpin", QStringLiteral("Minimale Umgebungstemperatur"), -50, 60},
        {&WasserSpin, "WasserSpin", QStringLiteral("Wasser-Eintrittstemperatur für\nWasserwärmetauscher"), 0,
         60},
    };
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(8);
    grid->setHorizontalSpacing(10);
    int r = 0;
    for (const Row& row : rows) {
        *row.spin = new TSpinEdit(this, QString::fromLatin1(row.name), row.lower, row.upper);
        auto* label = MakeLabel(this, row.label, 10 + r);
        label->setBuddy(*row.spin);
        grid->addWidget(label, r, 0);
        grid->addWidget(*row.spin, r, 1);
        grid->addWidget(MakeLabel(this, QStringLiteral("°C  [%1 .. %2]").arg(row.lower).arg(row.upper), -1),
                        r, 2);
        ++r;
    }
    grid->setColumnStretch(3, 1);
    contentLayout()->addLayout(grid);
    contentLayout()->addStretch(1);
    for (TSpinEdit* spin : {MaxSchSpin, MinSchSpin, MaxUmgSpin, MinUmgSpin})
        connect(spin, &TSpinEdit::focusChanged, this, &TTemperaturDlg::CheckPairs);

    TranslateForm();
    CreateButtonPanel(this, bfWeiter | bfAbbruch | bfHilfe | bfZurueck);
    LoadData();
    CheckPairs();
}

void TTemperaturDlg::CheckPairs() {
    const auto paint = [](TSpinEdit* spin, bool red) {
        // An empty palette gives the field back the colours of its page.
        QPalette pal;
        if (red)
            pal.setColor(QPalette::Text, Qt::red);
        spin->setPalette(pal);
    };
    const auto value = [](TSpinEdit* spin) {
        return ReadSpinText(spin->text(), spin->minimum(), spin->maximum());
    };
    const bool cabinet = PairReversed(value(MaxSchSpin), value(MinSchSpin));
    const bool ambient = PairReversed(value(MaxUmgSpin), value(MinUmgSpin));
    paint(MaxSchSpin, cabinet);
    paint(MinSchSpin, cabinet);
    paint(MaxUmgSpin, ambient);
    paint(MinUmgSpin, ambient);
}

void TTemperaturDlg::LoadData() {
    const TemperaturGroup& t = context().project.data().Temperatur;
    MaxSchSpin->showValue(t.MaxInnen);
    MinSchSpin->showValue(t.MinInnen);
    MaxUmgSpin->showValue(t.MaxAussen);
    MinUmgSpin->showValue(t.MinAussen);
    WasserSpin->showValue(t.Wasser);
    CheckPairs();
}

void TTemperaturDlg::StoreData() {
    // The stored maxima are never below the minima: a reversed pair is exchanged, and
    // the user is told.
    for (auto [maxSpin, minSpin] : {std::pair{MaxSchSpin, MinSchSpin}, std::pair{MaxUmgSpin, MinUmgSpin}}) {
        const int maximum = maxSpin->readValue();
        const int minimum = minSpin->readValue();
        if (PairReversed(maximum, minimum)) {
            maxSpin->showValue(minimum);
            minSpin->showValue(maximum);
            context().interaction.error(langText(1002001));
        }
    }
    TemperaturGroup& t = context().project.data().Temperatur;
    t.MaxInnen = MaxSchSpin->readValue();
    t.MinInnen = MinSchSpin->readValue();
    t.MaxAussen = MaxUmgSpin->readValue();
    t.MinAussen = MinUmgSpin->readValue();
    t.Wasser = static_cast<u16>(WasserSpin->readValue());
    CheckPairs();
}

TVerlustDlg::TVerlustDlg(FormContext& context, QWidget* parent) : TMDIChild(context, 12120, parent) {
    setObjectName(QStringLiteral("VerlustDlg"));
    setWindowTitle(QStringLiteral("Verlustleistung"));
    makePage();

    Gesamtverlust = new TRadioGroup(
        this, QStringLiteral("Gesamtverlust"), QStringLiteral("Gesamt&verlustleistung"), -1,
        {QStringLiteral("&bekannt"), QStringLiteral("ge&messen"), QStringLiteral("&nicht bekannt")});
    WertBekanntEdit = MakeNumEdit(this, QStringLiteral("WertBekanntEdit"), 4);
    NameAfter(WertBekanntEdit, {Gesamtverlust, Gesamtverlust->button(VerlustBekannt)});
    auto* wertRow = new QWidget(this);
    wertRow->setObjectName(QStringLiteral("WertBekanntRow"));
    auto* wr = new QHBoxLayout(wertRow);
    wr->setContentsMargins(0, 0, 0, 0);
    wr->addWidget(WertBekanntEdit);
    wr->addWidget(MakeLabel(wertRow, QStringLiteral("W"), -1, QStringLiteral("WertBekanntUnit")));
    wr->addStretch(1);

    GemessenPanel = new QWidget(this);
    GemessenPanel->setObjectName(QStringLiteral("GemessenPanel"));
    GemessenPanel->setProperty("tag", -1);
    auto* gp = new QGridLayout(GemessenPanel);
    gp->setContentsMargins(0, 0, 0, 0);
    InnenTempEdit = MakeNumEdit(GemessenPanel, QStringLiteral("InnenTempEdit"), 3, true);
    AussenTempEdit = MakeNumEdit(GemessenPanel, QStringLiteral("AussenTempEdit"), 3, true);
    auto* innenLabel = MakeLabel(GemessenPanel, QStringLiteral("&Innentemperatur"), 10);
    innenLabel->setBuddy(InnenTempEdit);
    auto* aussenLabel = MakeLabel(GemessenPanel, QStringLiteral("&Aussentemperatur"), 11);
    aussenLabel->setBuddy(AussenTempEdit);
    gp->addWidget(innenLabel, 0, 0);
    gp->addWidget(InnenTempEdit, 0, 1);
    gp->addWidget(MakeLabel(GemessenPanel, QStringLiteral("°C"), -1), 0, 2);
    gp->addWidget(aussenLabel, 1, 0);
    gp->addWidget(AussenTempEdit, 1, 1);
    gp->addWidget(MakeLabel(GemessenPanel, QStringLiteral("°C"), -1), 1, 2);
    gp->setColumnStretch(3, 1);

    auto* inputs = new QVBoxLayout;
    inputs->addSpacing(18);
    inputs->addWidget(wertRow);
    inputs->addWidget(GemessenPanel);
    inputs->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(Gesamtverlust);
    top->addSpacing(12);
    top->addLayout(inputs, 1);
    contentLayout()->addLayout(top);

    FehlerLabel = MakeLabel(this, QStringLiteral("Innentemperatur muß größer als Aussentemperatur sein"), 12,
                            QStringLiteral("FehlerLabel"));
    FehlerLabel->setAlignment(Qt::AlignCenter);
    FehlerLabel->setWordWrap(true);
    FehlerLabel->setStyleSheet(QStringLiteral("color: red;"));
    contentLayout()->addWidget(FehlerLabel);

    auto* totalRow = new QHBoxLayout;
    totalRow->addWidget(MakeLabel(this, QStringLiteral("Gesamtverlustleistung : "), 13));
    GesamtVerlustLeistung = MakeLabel(this, QString(), -1, QStringLiteral("GesamtVerlustLeistung"));
    QFont bold = GesamtVerlustLeistung->font();
    bold.setBold(true);
    GesamtVerlustLeistung->setFont(bold);
    totalRow->addWidget(GesamtVerlustLeistung);
    totalRow->addStretch(1);
    contentLayout()->addLayout(totalRow);
    contentLayout()->addStretch(1);

    connect(Gesamtverlust, &TRadioGroup::clicked, this, &TVerlustDlg::GesamtverlustClick);
    for (QLineEdit* e : {WertBekanntEdit, InnenTempEdit, AussenTempEdit})
        connect(e, &QLineEdit::textChanged, this, &TVerlustDlg::EditChange);

    TranslateForm();
    CreateButtonPanel(this, bfWeiter | bfAbbruch | bfHilfe | bfZurueck);
    LoadData();
}

void TVerlustDlg::TranslateForm() {
    TMDIChild::TranslateForm();
    const QString caption = langText(1003006);
    if (!caption.isEmpty())
        Gesamtverlust->setTitle(caption);
    Gesamtverlust->setItemTexts({langText(1003003), langText(1003004), langText(1003005)});
}

void TVerlustDlg::showMode() {
    // A mode beyond the three (only a hand-edited file holds one) shows no choice and
    // no input; it is kept until the user picks a mode.
    Gesamtverlust->setItemIndex(m_mode);
    WertBekanntEdit->parentWidget()->setVisible(m_mode == VerlustBekannt);
    GemessenPanel->setVisible(m_mode == VerlustGemessen);
}

void TVerlustDlg::FormActivate() {
    if (m_mode == VerlustBekannt && WertBekanntEdit->isVisibleTo(this))
        FocusWholeText(WertBekanntEdit);
    else if (m_mode == VerlustGemessen && InnenTempEdit->isVisibleTo(this))
        FocusWholeText(InnenTempEdit);
}

void TVerlustDlg::GesamtverlustClick(int index) {
    m_mode = static_cast<u16>(index);
    showMode();
    emit lossModeChanged(m_mode);
    EditChange();
    FormActivate();
}

void TVerlustDlg::EditChange() {
    if (m_loading)
        return;
    if (m_mode == VerlustBekannt) {
        m_wertBekannt = EditU16(WertBekanntEdit);
    } else if (m_mode == VerlustGemessen) {
        m_innen = EditInt32(InnenTempEdit);
        m_aussen = EditInt32(AussenTempEdit);
    } else if (m_mode == VerlustNichtBekannt) {
        m_wertBekannt = 0;
    }
    const std::int32_t total =
        Gesamtverlustleistung(context().project.data(), m_mode, m_wertBekannt, m_innen, m_aussen);
    GesamtVerlustLeistung->setText(QString::number(total) + QStringLiteral(" W"));
    FehlerLabel->setVisible(m_innen < m_aussen);
}

void TVerlustDlg::LoadData() {
    const VerlustleistungGroup& v = context().project.data().Verlustleistung;
    m_mode = v.Bekannt;
    m_wertBekannt = v.WertBekannt;
    m_innen = v.InnenTemperatur;
    m_aussen = v.AussenTemperatur;
    m_loading = true;
    showMode();
    ShowNumber(WertBekanntEdit, m_wertBekannt);
    ShowNumber(InnenTempEdit, m_innen);
    ShowNumber(AussenTempEdit, m_aussen);
    m_loading = false;
    FehlerLabel->setVisible(m_innen < m_aussen);
    EditChange();
    // Abbruch may bring back another mode: the list of data kinds follows it.
    emit lossModeChanged(m_mode);
}

void TVerlustDlg::StoreData() {
    if (m_innen < m_aussen) {
        context().interaction.error(langText(1003001) + QLatin1Char('\n') + langText(1003002));
        std::swap(m_innen, m_aussen);
        m_loading = true;
        ShowNumber(InnenTempEdit, m_innen);
        ShowNumber(AussenTempEdit, m_aussen);
        m_loading = false;
        EditChange();
    }
    VerlustleistungGroup& v = context().project.data().Verlustleistung;
    v.Bekannt = m_mode;
    v.WertBekannt = m_wertBekannt;
    v.InnenTemperatur = m_innen;
    v.AussenTemperatur = m_aussen;
}

} // namespace zek
