#include "ui/pages/ComponentPages.h"

#include "ui/FormContext.h"
#include "ui/base/TranslateForm.h"
#include "ui/pages/PageWidgets.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace zek {

namespace {

QString n(const QString& prefix, int i) {
    return prefix + QString::number(i);
}

QGridLayout* rowGrid(TMDIChild* form) {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(6);
    form->contentLayout()->addLayout(grid);
    form->contentLayout()->addStretch(1);
    return grid;
}

QLabel* head(QWidget* parent, const QString& text, int tag) {
    auto* l = MakeLabel(parent, text, tag);
    l->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    return l;
}

// The inputs of a table row are named by their column heads and the row number.
template <std::size_t N>
void nameRow(const std::array<QWidget*, N>& inputs, const std::array<QLabel*, N>& heads, int row) {
    for (std::size_t c = 0; c < N; ++c)
        NameAfter(inputs[c], {heads[c]}, row);
}

} // namespace

TSlotPage::TSlotPage(FormContext& context, Layout layout, QWidget* parent)
    : TMDIChild(context, layout.helpNumber, parent), m_layout(std::move(layout)) {
    setObjectName(QString::fromLatin1(m_layout.objectName));
    setWindowTitle(m_layout.caption);
    makePage();
    QLabel* heading = m_layout.heading.isEmpty() ? nullptr : MakeLabel(this, m_layout.heading, 10);
    if (heading)
        contentLayout()->addWidget(heading);
    auto* grid = rowGrid(this);
    grid->setVerticalSpacing(6);
    const int count = static_cast<int>(m_layout.rowLabels.size());
    const int perColumn = (count + m_layout.columns - 1) / m_layout.columns;
    for (int i = 0; i < count; ++i) {
        const int row = i % perColumn;
        const int col = (i / perColumn) * 4;
        auto* edit = MakeNumEdit(this, n(m_layout.editPrefix, i + 1), 4);
        auto* label = MakeLabel(this, m_layout.rowLabels.at(i), 11 + i);
        label->setBuddy(edit);
        // "63A" alone says little: the heading goes before it.
        if (heading)
            NameAfter(edit, {heading, label});
        if (m_layout.columns > 1)
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, row, col);
        grid->addWidget(edit, row, col + 1);
        if (!m_layout.unit.isEmpty())
            grid->addWidget(MakeLabel(this, m_layout.unit, 30), row, col + 2);
        edits.push_back(edit);
    }
    for (int c = 0; c < m_layout.columns; ++c)
        grid->setColumnMinimumWidth(c * 4 + 3, 30);
    grid->setColumnStretch(m_layout.columns * 4 - 1, 1);
    TranslateForm();
    CreateButtonPanel(this, bfWeiter | bfAbbruch | bfHilfe | bfZurueck);
    LoadData();
}

void TSlotPage::LoadData() {
    ProjectData& p = context().project.data();
    for (int i = 0; i < static_cast<int>(edits.size()); ++i)
        ShowNumber(edits[static_cast<std::size_t>(i)], m_layout.slot(p, i));
}

void TSlotPage::StoreData() {
    ProjectData& p = context().project.data();
    for (int i = 0; i < static_cast<int>(edits.size()); ++i)
        m_layout.slot(p, i) = EditU16(edits[static_cast<std::size_t>(i)]);
}

namespace {
template <std::size_t N>
std::function<u16&(ProjectData&, int)> slotOf(std::array<u16, N> ProjectData::*group) {
    return [group](ProjectData& p, int i) -> u16& { return (p.*group).at(static_cast<std::size_t>(i)); };
}
} // namespace

TLeistungsschalterDlg::TLeistungsschalterDlg(FormContext& context, QWidget* parent)
    : TSlotPage(context,
                {12055,
                 "LeistungsschalterDlg",
                 QStringLiteral("Leistungsschalter"),
                 QStringLiteral("Anzahl Leistungsschalter"),
                 {"63A", "125A", "160A", "250A", "400A", "630A", "1000A", "1250A", "1600A", "2000A", "2500A",
                  "3150A", "4000A"},
                 QStringLiteral("Leistungsschalter"),
                 QStringLiteral("Stück"),
                 2,
                 slotOf(&ProjectData::Leistungsschalter)},
                parent) {}

TMotorschutzDlg::TMotorschutzDlg(FormContext& context, QWidget* parent)
    : TSlotPage(context,
                {12060,
                 "MotorschutzDlg",
                 QStringLiteral("Motorschutzschalter"),
                 QString(),
                 {QStringLiteral("Anzahl Motorschutzschalter bis 24A"),
                  QStringLiteral("Anzahl Motorschutzschalter bis 80A")},
                 QStringLiteral("MotorschutzEdit"),
                 QString(),
                 1,
                 slotOf(&ProjectData::Motorschutz)},
                parent) {}

TRelaisDlg::TRelaisDlg(FormContext& context, QWidget* parent)
    : TSlotPage(context,
                {12080,
                 "RelaisDlg",
                 QStringLiteral("Relais"),
                 QString(),
                 {QStringLiteral("Anzahl Wechselspannungs-Hilfsschütze, Relais, Zeitrelais"),
                  QStringLiteral("Anzahl Gleichspannungs-Hilfsschütze, Relais, Zeitrelais"),
                  QStringLiteral("Anzahl Wechselspannungs-Koppelrelais"),
                  QStringLiteral("Anzahl Gleichspannungs-Koppelrelais")},
                 QStringLiteral("RelaisEdit"),
                 QString(),
                 1,
                 slotOf(&ProjectData::Relais)},
                parent) {}

TLeistungsschuetzeDlg::TLeistungsschuetzeDlg(FormContext& context, QWidget* parent)
    : TSlotPage(context,
                {12090,
                 "LeistungsschuetzeDlg",
                 QStringLiteral("Leistungsschuetze"),
                 QStringLiteral("Anzahl der Schütze mit"),
                 {"4 KW", "7,5 KW", "11KW", "15 KW", "22 KW", "30 KW", "37 KW", "55 KW", "90 KW", "130 KW",
                  "200 KW", "375 KW"},
                 QStringLiteral("LeistungsschuetzeEdit"),
                 QStringLiteral("Stück"),
                 2,
                 slotOf(&ProjectData::Leistungsschuetze)},
                parent) {}

TLampenDlg::TLampenDlg(FormContext& context, QWidget* parent)
    : TSlotPage(context,
                {12050,
                 "LampenDlg",
                 QStringLiteral("Lampen"),
                 QString(),
                 {QStringLiteral("Anzahl Meldeleuchten mit 1,2 Watt"),
                  QStringLiteral("Anzahl Meldeleuchten mit 2,0 Watt"),
                  QStringLiteral("Anzahl Meldeleuchten mit 5,0 Watt"),
                  QStringLiteral("Anzahl Meldeleuchten mit Transformator")},
                 QStringLiteral("LampenEdit"),
                 QString(),
                 1,
                 slotOf(&ProjectData::Lampen)},
                parent) {}

TSteuerungenDlg::TSteuerungenDlg(FormContext& context, QWidget* parent)
    : TSlotPage(
          context,
          {12105,
           "SteuerungenDlg",
           QStringLiteral("Steuerungen"),
           QString(),
           {QStringLiteral("SPS-Ausgänge mit 0,5 Ampere"), QStringLiteral("SPS-Ausgänge mit 1,0 Ampere"),
            QStringLiteral("SPS-Ausgänge mit 2,0 Ampere"), QStringLiteral("SPS-Ausgänge mit 5,0 Ampere")},
           QStringLiteral("SteuerungenEdit"),
           QString(),
           1,
           slotOf(&ProjectData::Steuerungen)},
          parent) {}

KindPanel::KindPanel(QWidget* parent, const QString& name, int row) : QFrame(parent) {
    setObjectName(name);
    setProperty(kTagProperty, -1);
    setFrameShape(QFrame::NoFrame);
    auto* box = new QHBoxLayout(this);
    box->setContentsMargins(4, 1, 4, 1);
    box->setSpacing(8);
    for (int k = 0; k < 3; ++k) {
        auto* b = new QRadioButton(this);
        b->setObjectName(QStringLiteral("ArtRadio%1_%2").arg(row).arg(k + 1));
        b->setProperty(kTagProperty, -1);
        b->installEventFilter(this);
        box->addWidget(b);
        buttons[static_cast<std::size_t>(k)] = b;
    }
    // In a fresh page the first kind of every row is chosen.
    buttons[0]->setChecked(true);
}

void KindPanel::setKind(int kind) {
    if (kind >= 1 && kind <= 3)
        buttons[static_cast<std::size_t>(kind - 1)]->setChecked(true);
}

int KindPanel::kind() const {
    for (int k = 0; k < 3; ++k)
        if (buttons[static_cast<std::size_t>(k)]->isChecked())
            return k + 1;
    return 1;
}

bool KindPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Raised);
    } else if (event->type() == QEvent::FocusOut) {
        setFrameShape(QFrame::NoFrame);
    }
    return QFrame::eventFilter(watched, event);
}

TSicherungenDlg::TSicherungenDlg(FormContext& context, QWidget* parent) : TMDIChild(context, 12095, parent) {
    setObjectName(QStringLiteral("SicherungenDlg"));
    setWindowTitle(QStringLiteral("Sicherungen"));
    makePage();
    auto* row = new QHBoxLayout;
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    grid->setHorizontalSpacing(6);
    QLabel* anzahlHead = head(this, QStringLiteral("Anzahl 1-polig"), 10);
    QLabel* stromHead = head(this, QStringLiteral("Nennstrom"), 11);
    grid->addWidget(anzahlHead, 0, 0, 1, 2);
    grid->addWidget(stromHead, 0, 2, 1, 2);
    auto* artHead = head(this, QStringLiteral("Sicherungsart"), 12);
    artHead->setAlignment(Qt::AlignCenter);
    grid->addWidget(artHead, 0, 4);
    auto* numbers = MakeLabel(this, QStringLiteral("1      2      3"), -1);
    numbers->setAlignment(Qt::AlignCenter);
    grid->addWidget(numbers, 1, 4);
    for (int i = 0; i < kSicherungenRows; ++i) {
        const auto k = static_cast<std::size_t>(i);
        AnzahlEdit[k] = MakeNumEdit(this, n(QStringLiteral("AnzahlEdit"), i + 1), 3);
        StromEdit[k] = MakeNumEdit(this, n(QStringLiteral("StromEdit"), i + 1), 4);
        ArtPanel[k] = new KindPanel(this, n(QStringLiteral("ArtPanel"), i + 1), i + 1);
        NameAfter(AnzahlEdit[k], {anzahlHead}, i + 1);
        NameAfter(StromEdit[k], {stromHead}, i + 1);
        grid->addWidget(AnzahlEdit[k], i + 2, 0);
        grid->addWidget(MakeLabel(this, QStringLiteral("Stück"), 13), i + 2, 1);
        grid->addWidget(StromEdit[k], i + 2, 2);
        grid->addWidget(MakeLabel(this, QStringLiteral("A"), -1), i + 2, 3);
        grid->addWidget(ArtPanel[k], i + 2, 4, Qt::AlignCenter);
    }
    row->addLayout(grid);
    row->addSpacing(14);
    auto* legend = new QGridLayout;
    legend->setVerticalSpacing(2);
    const QString kinds[3] = {QStringLiteral("1 = Sicherungsautomat"), QStringLiteral("2 = Schraubsicherung"),
                              QStringLiteral("3 = NH-Sicherung")};
    const QString limits[3] = {QStringLiteral("max. 50 A"), QStringLiteral("max. 200 A"),
                               QStringLiteral("max. 1250 A")};
    for (int k = 0; k < 3; ++k) {
        QLabel* kind = MakeLabel(this, kinds[k], 14 + k);
        for (int i = 0; i < kSicherungenRows; ++i)
            NameAfter(ArtPanel[static_cast<std::size_t>(i)]->buttons[static_cast<std::size_t>(k)], {kind},
                      i + 1);
        legend->addWidget(kind, k * 2, 0);
        legend->addWidget(MakeLabel(this, QStringLiteral("      ") + limits[k], -1), k * 2 + 1, 0);
        legend->setRowMinimumHeight(k * 2 + 1, 24);
    }
    legend->setRowStretch(6, 1);
    row->addLayout(legend);
    row->addStretch(1);
    contentLayout()->addLayout(row);
    contentLayout()->addStretch(1);
    TranslateForm();
    CreateButtonPanel(this, bfWeiter | bfAbbruch | bfHilfe | bfZurueck);
    LoadData();
}

void TSicherungenDlg::LoadData() {
    const auto& rows = context().project.data().Sicherungen;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        ShowNumber(AnzahlEdit[k], rows[k].Anzahl);
        ShowNumber(StromEdit[k], rows[k].Strom);
        ArtPanel[k]->setKind(rows[k].Art);
    }
}

void TSicherungenDlg::StoreData() {
    auto& rows = context().project.data().Sicherungen;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        rows[k].Anzahl = EditU16(AnzahlEdit[k]);
        rows[k].Strom = EditU16(StromEdit[k]);
        rows[k].Art = static_cast<u16>(ArtPanel[k]->kind());
    }
}

TTransformatorDlg::TTransformatorDlg(FormContext& context, QWidget* parent)
    : TMDIChild(context, 12115, parent) {
    setObjectName(QStringLiteral("TransformatorDlg"));
    setWindowTitle(QStringLiteral("Transformatoren"));
    makePage();
    QLabel* anzahlHead = MakeLabel(this, QStringLiteral("Anzahl der Transformatoren"), 10);
    contentLayout()->addWidget(anzahlHead);
    auto* grid = rowGrid(this);
    grid->setVerticalSpacing(6);
    constexpr int perColumn = kTransformatorenRows / 2;
    for (int i = 0; i < kTransformatorenRows; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int r = i % perColumn;
        const int c = (i / perColumn) * 5;
        AnzahlEdit[k] = MakeNumEdit(this, n(QStringLiteral("AnzahlEdit"), i + 1), 3);
        LeistungEdit[k] = MakeNumEdit(this, n(QStringLiteral("LeistungEdit"), i + 1), 4);
        QLabel* watt = MakeLabel(this, QStringLiteral("Watt"), 12);
        NameAfter(AnzahlEdit[k], {anzahlHead}, i + 1);
        NameAfter(LeistungEdit[k], {watt}, i + 1);
        grid->addWidget(AnzahlEdit[k], r, c);
        grid->addWidget(MakeLabel(this, QStringLiteral("Stück mit"), 11), r, c + 1);
        grid->addWidget(LeistungEdit[k], r, c + 2);
        grid->addWidget(watt, r, c + 3);
    }
    grid->setColumnMinimumWidth(4, 30);
    grid->setColumnStretch(9, 1);
    TranslateForm();
    CreateButtonPanel(this, bfWeiter | bfAbbruch | bfHilfe | bfZurueck);
    LoadData();
}

void TTransformatorDlg::LoadData() {
    const auto& rows = context().project.data().Transformatoren;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        ShowNumber(AnzahlEdit[k], rows[k].Anzahl);
        ShowNumber(LeistungEdit[k], rows[k].Leistung);
    }
}

void TTransformatorDlg::StoreData() {
    auto& rows = context().project.data().Transformatoren;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        rows[k].Anzahl = EditU16(AnzahlEdit[k]);
        rows[k].Leistung = EditU16(LeistungEdit[k]);
    }
}

TNetzteileDlg::TNetzteileDlg(FormContext& context, QWidget* parent) : TMDIChild(context, 12065, parent) {
    setObjectName(QStringLiteral("NetzteileDlg"));
    setWindowTitle(QStringLiteral("Netzteile"));
    makePage();
    auto* grid = rowGrid(this);
    const std::array<QLabel*, 4> heads = {
        head(this, QStringLiteral("Anzahl Ausgänge"), 10), head(this, QStringLiteral("Spannung"), 11),
        head(this, QStringLiteral("Strom"), 12), head(this, QStringLiteral("Netzteilbauart"), 13)};
    for (int c = 0; c < 4; ++c)
        grid->addWidget(heads[static_cast<std::size_t>(c)], 0, c * 2, 1, c < 3 ? 2 : 1);
    for (int i = 0; i < kNetzteileRows; ++i) {
        const auto k = static_cast<std::size_t>(i);
        AnzahlEdit[k] = MakeNumEdit(this, n(QStringLiteral("AnzahlEdit"), i + 1), 3);
        UEdit[k] = MakeNumEdit(this, n(QStringLiteral("UEdit"), i + 1), 3);
        StromEdit[k] = MakeNumEdit(this, n(QStringLiteral("StromEdit"), i + 1), 3);
        ArtListBox[k] = new KindListBox(this, n(QStringLiteral("ArtListBox"), i + 1));
        ArtListBox[k]->setItems(
            {QStringLiteral("ungeregelt"), QStringLiteral("längsgeregelt"), QStringLiteral("getaktet")});
        nameRow({AnzahlEdit[k], UEdit[k], StromEdit[k], ArtListBox[k]}, heads, i + 1);
        grid->addWidget(AnzahlEdit[k], i + 1, 0);
        grid->addWidget(MakeLabel(this, QStringLiteral("Ausgänge"), 14), i + 1, 1);
        grid->addWidget(UEdit[k], i + 1, 2);
        grid->addWidget(MakeLabel(this, QStringLiteral("Volt"), 15), i + 1, 3);
        grid->addWidget(StromEdit[k], i + 1, 4);
        grid->addWidget(MakeLabel(this, QStringLiteral("A"), -1), i + 1, 5);
        grid->addWidget(ArtListBox[k], i + 1, 6);
    }
    grid->setColumnStretch(6, 1);
    TranslateForm();
    CreateButtonPanel(this, bfWeiter | bfAbbruch | bfHilfe | bfZurueck);
    LoadData();
}

void TNetzteileDlg::TranslateForm() {
    TMDIChild::TranslateForm();
    const QStringList kinds = {langText(1011001), langText(1011002), langText(1011003)};
    if (kinds.at(0).isEmpty())
        return;
    for (KindListBox* list : ArtListBox)
        if (list)
            list->setItems(kinds);
}

void TNetzteileDlg::LoadData() {
    const auto& rows = context().project.data().Netzteile;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        ShowNumber(AnzahlEdit[k], rows[k].Anzahl);
        ShowNumber(UEdit[k], rows[k].Spannung);
        ShowNumber(StromEdit[k], rows[k].Strom);
        ArtListBox[k]->setKind(rows[k].Typ);
    }
}

void TNetzteileDlg::StoreData() {
    auto& rows = context().project.data().Netzteile;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        rows[k].Anzahl = EditU16(AnzahlEdit[k]);
        rows[k].Spannung = EditU16(UEdit[k]);
        rows[k].Strom = EditU16(StromEdit[k]);
        rows[k].Typ = static_cast<u16>(ArtListBox[k]->kind());
    }
}

TFrequenzumrichterDlg::TFrequenzumrichterDlg(FormContext& context, QWidget* parent)
    : TMDIChild(context, 12020, parent) {
    setObjectName(QStringLiteral("FrequenzumrichterDlg"));
    setWindowTitle(QStringLiteral("Frequenzumrichter und Thyristorregler"));
    makePage();
    resize(478, 335);
    auto* grid = rowGrid(this);
    grid->setVerticalSpacing(4);
    const std::array<QLabel*, 5> heads = {
        head(this, QStringLiteral("Anzahl"), 10), head(this, QStringLiteral("Leistung"), 11),
        head(this, QStringLiteral("Wirkungs-\ngrad"), 12), head(this, QStringLiteral("Aus-\nnutzung"), 13),
        head(this, QStringLiteral("Bezeichnung"), 14)};
    for (int c = 0; c < 5; ++c)
        grid->addWidget(heads[static_cast<std::size_t>(c)], 0, c * 2, 1, c < 4 ? 2 : 1);
    for (int i = 0; i < kFrequenzumrichterRows; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int r = i + 1;
        AnzahlEdit[k] = MakeNumEdit(this, n(QStringLiteral("AnzahlEdit"), i + 1), 3);
        LeistungEdit[k] = MakeNumEdit(this, n(QStringLiteral("LeistungEdit"), i + 1), 4);
        WirkungsgradEdit[k] = MakeNumEdit(this, n(QStringLiteral("WirkungsgradEdit"), i + 1), 2);
        AusnutzungEdit[k] = MakeNumEdit(this, n(QStringLiteral("AusnutzungEdit"), i + 1), 2);
        BezeichnungEdit[k] = MakeTextEdit(this, n(QStringLiteral("BezeichnungEdit"), i + 1), 20);
        nameRow({AnzahlEdit[k], LeistungEdit[k], WirkungsgradEdit[k], AusnutzungEdit[k], BezeichnungEdit[k]},
                heads, r);
        grid->addWidget(AnzahlEdit[k], r, 0);
        grid->addWidget(MakeLabel(this, QStringLiteral("Stück"), 15), r, 1);
        grid->addWidget(LeistungEdit[k], r, 2);
        grid->addWidget(MakeLabel(this, QStringLiteral("KW"), 16), r, 3);
        grid->addWidget(WirkungsgradEdit[k], r, 4);
        grid->addWidget(MakeLabel(this, QStringLiteral("%"), -1), r, 5);
        grid->addWidget(AusnutzungEdit[k], r, 6);
        grid->addWidget(MakeLabel(this, QStringLiteral("%"), -1), r, 7);
        grid->addWidget(BezeichnungEdit[k], r, 8);
    }
    grid->setColumnStretch(8, 1);
    TranslateForm();
    CreateButtonPanel(this, bfWeiter | bfAbbruch | bfHilfe | bfZurueck);
    LoadData();
}

void TFrequenzumrichterDlg::LoadData() {
    const auto& rows = context().project.data().Frequenzumrichter;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        ShowNumber(AnzahlEdit[k], rows[k].Anzahl);
        ShowNumber(LeistungEdit[k], rows[k].Leistung);
        ShowNumber(WirkungsgradEdit[k], rows[k].Wirkungsgrad);
        ShowNumber(AusnutzungEdit[k], rows[k].Ausnutzung);
        ShowText(BezeichnungEdit[k], rows[k].Bezeichnung.str());
    }
}

void TFrequenzumrichterDlg::StoreData() {
    auto& rows = context().project.data().Frequenzumrichter;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        rows[k].Anzahl = EditU16(AnzahlEdit[k]);
        rows[k].Leistung = EditU16(LeistungEdit[k]);
        rows[k].Wirkungsgrad = EditU16(WirkungsgradEdit[k]);
        rows[k].Ausnutzung = EditU16(AusnutzungEdit[k]);
        rows[k].Bezeichnung = EditText(BezeichnungEdit[k]);
    }
}

TSonstigeDlg::TSonstigeDlg(FormContext& context, QWidget* parent) : TMDIChild(context, 12100, parent) {
    setObjectName(QStringLiteral("SonstigeDlg"));
    setWindowTitle(QStringLiteral("Sonstige Wärmequellen"));
    makePage();
    auto* grid = rowGrid(this);
    const std::array<QLabel*, 3> heads = {head(this, QStringLiteral("Anzahl"), 10),
                                          head(this, QStringLiteral("Bezeichnung"), 11),
                                          head(this, QStringLiteral("Leistung / Stück"), 12)};
    grid->addWidget(heads[0], 0, 0);
    grid->addWidget(heads[1], 0, 1);
    grid->addWidget(heads[2], 0, 3, 1, 2);
    for (int i = 0; i < kSonstigeRows; ++i) {
        const auto k = static_cast<std::size_t>(i);
        AnzahlEdit[k] = MakeNumEdit(this, n(QStringLiteral("AnzahlEdit"), i + 1), 3);
        BezeichnungEdit[k] = MakeTextEdit(this, n(QStringLiteral("BezeichnungEdit"), i + 1), 20);
        LeistungEdit[k] = MakeNumEdit(this, n(QStringLiteral("LeistungEdit"), i + 1), 4);
        nameRow({AnzahlEdit[k], BezeichnungEdit[k], LeistungEdit[k]}, heads, i + 1);
        grid->addWidget(AnzahlEdit[k], i + 1, 0);
        grid->addWidget(BezeichnungEdit[k], i + 1, 1);
        grid->addWidget(MakeLabel(this, QStringLiteral("mit je"), 13), i + 1, 2);
        grid->addWidget(LeistungEdit[k], i + 1, 3);
        grid->addWidget(MakeLabel(this, QStringLiteral("Watt"), 14), i + 1, 4);
    }
    grid->setColumnStretch(1, 1);
    TranslateForm();
    CreateButtonPanel(this, bfWeiter | bfAbbruch | bfHilfe | bfZurueck);
    LoadData();
}

void TSonstigeDlg::LoadData() {
    const auto& rows = context().project.data().Sonstige;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        ShowNumber(AnzahlEdit[k], rows[k].Anzahl);
        ShowText(BezeichnungEdit[k], rows[k].Bezeichnung.str());
        ShowNumber(LeistungEdit[k], rows[k].Leistung);
    }
}

void TSonstigeDlg::StoreData() {
    auto& rows = context().project.data().Sonstige;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        rows[k].Anzahl = EditU16(AnzahlEdit[k]);
        rows[k].Bezeichnung = EditText(BezeichnungEdit[k]);
        rows[k].Leistung = EditU16(LeistungEdit[k]);
    }
}

} // namespace zek
