#include "ui/pages/OptionsDialogs.h"

#include "core/Cp1252.h"
#include "core/SettingsData.h"
#include "i18n/Language.h"
#include "ui/FormContext.h"
#include "ui/pages/PageRules.h"
#include "ui/pages/PageWidgets.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

namespace zek {

TGOptionenDlg::TGOptionenDlg(FormContext& context, QWidget* parent) : TMDIChild(context, 12150, parent) {
    setObjectName(QStringLiteral("GOptionenDlg"));
    setWindowTitle(QStringLiteral("Grundeinstellung Optionen"));
    SprachenRadioGroup = new TRadioGroup(
        this, QStringLiteral("SprachenRadioGroup"), QStringLiteral("&Sprache"), 4,
        {QStringLiteral("&Deutsch"), QStringLiteral("&English"), QStringLiteral("&Français")});
    DateiPanel = new QGroupBox(QStringLiteral("Standardverzeichnis für &Projektdateien"), this);
    DateiPanel->setObjectName(QStringLiteral("DateiPanel"));
    DateiPanel->setProperty("tag", 5);
    auto* row = new QHBoxLayout(DateiPanel);
    PfadangabeLabel = MakeLabel(DateiPanel, QString(), -1, QStringLiteral("PfadangabeLabel"));
    PfadangabeLabel->setMinimumWidth(280);
    PfadangabeLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    VerzeichniswechselBtn = new QPushButton(QStringLiteral("..."), DateiPanel);
    VerzeichniswechselBtn->setObjectName(QStringLiteral("VerzeichniswechselBtn"));
    VerzeichniswechselBtn->setProperty("tag", -1);
    VerzeichniswechselBtn->setFixedWidth(32);
    VerzeichniswechselBtn->setAutoDefault(false);
    row->addWidget(PfadangabeLabel, 1);
    row->addWidget(VerzeichniswechselBtn);
    contentLayout()->addWidget(SprachenRadioGroup);
    contentLayout()->addWidget(DateiPanel);
    buttons = AddDialogButtons(this, contentLayout());
    connect(buttons.OKBtn, &QPushButton::clicked, this, &TGOptionenDlg::accept);
    connect(buttons.CancelBtn, &QPushButton::clicked, this, &TGOptionenDlg::reject);
    connect(VerzeichniswechselBtn, &QPushButton::clicked, this, &TGOptionenDlg::VerzeichniswechselBtnClick);
    chooseDirectory = [this](const QString& start) { return ChooseDirectory(this->context(), start, this); };
    TranslateForm();
    LoadData();
    adjustSize();
}

void TGOptionenDlg::LoadData() {
    PfadangabeLabel->setText(fromCp1252(context().settings.data().Optionen.Pfadangabe.str()));
}

void TGOptionenDlg::VerzeichniswechselBtnClick() {
    const QString shown = PfadangabeLabel->text();
    const QString start = (!shown.isEmpty() && QDir(shown).exists()) ? shown : QString();
    const QString chosen = chooseDirectory ? chooseDirectory(start) : QString();
    if (!chosen.isEmpty())
        PfadangabeLabel->setText(chosen);
}

bool EditOptions(FormContext& context, QWidget* parent, bool firstStart) {
    Options& options = context.settings.data().Optionen;
    // After "Zurücksetzen" the settings hold no language; the one loaded is the current one.
    const std::string oldCode =
        (options.Sprache.empty() && !firstStart) ? context.language.code() : options.Sprache.str();
    const int oldItem = LanguageItem(oldCode);

    TGOptionenDlg dlg(context, parent);
    // A code that is none of the three (a hand-edited file) preselects German, as the
    // first start does.
    dlg.SprachenRadioGroup->setItemIndex(oldItem < 0 ? 0 : oldItem);
    if (firstStart) {
        dlg.buttons.CancelBtn->setEnabled(false);
        dlg.buttons.HelpBtn->setEnabled(false);
        // Without "Abbruch" the dialog can only be left with "OK".
        dlg.setWindowFlag(Qt::WindowCloseButtonHint, false);
    }
    int item = oldItem;
    bool accepted = dlg.exec() == QDialog::Accepted;
    if (firstStart && !accepted)
        accepted = true; // Escape and the close box cannot leave a language unset
    if (accepted) {
        item = dlg.SprachenRadioGroup->itemIndex();
        options.Pfadangabe = toCp1252(dlg.PfadangabeLabel->text());
    }
    if (item < 0)
        item = 0;
    // An unknown code stays untouched when the dialog is cancelled.
    if (accepted || oldItem >= 0)
        options.Sprache = LanguageCode(item);
    return !firstStart && oldItem != item && accepted;
}

TVerzeichnisDlg::TVerzeichnisDlg(FormContext& context, const QString& start, QWidget* parent)
    : TLanguageForm(context, 12140, parent), m_model(new QFileSystemModel(this)) {
    setObjectName(QStringLiteral("VerzeichnisDlg"));
    setWindowTitle(QStringLiteral("Verzeichnis auswählen"));
    auto* layout = new QVBoxLayout(this);
    PfadLabel = MakeLabel(this, QString(), -1, QStringLiteral("PfadLabel"));
    PfadLabel->setWordWrap(true);
    DirectoryListBox1 = new QTreeView(this);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setProperty("tag", -1);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QDir::rootPath());
    DirectoryListBox1->setModel(m_model);
    for (int c = 1; c < m_model->columnCount(); ++c)
        DirectoryListBox1->hideColumn(c);
    DirectoryListBox1->header()->hide();
    NameAfter(DirectoryListBox1, {this});
    layout->addWidget(PfadLabel);
    layout->addWidget(DirectoryListBox1, 1);
    buttons = AddDialogButtons(this, layout);
    connect(buttons.OKBtn, &QPushButton::clicked, this, &TVerzeichnisDlg::accept);
    connect(buttons.CancelBtn, &QPushButton::clicked, this, &TVerzeichnisDlg::reject);
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { PfadLabel->setText(selectedDirectory()); });

    const QString dir = (!start.isEmpty() && QDir(start).exists()) ? start : QDir::currentPath();
    const QModelIndex index = m_model->index(QDir(dir).absolutePath());
    DirectoryListBox1->setCurrentIndex(index);
    DirectoryListBox1->scrollTo(index);
    DirectoryListBox1->expand(index);
    PfadLabel->setText(selectedDirectory());
    resize(380, 420);
    TranslateForm();
}

QString TVerzeichnisDlg::selectedDirectory() const {
    return QDir::toNativeSeparators(m_model->filePath(DirectoryListBox1->currentIndex()));
}

QString ChooseDirectory(FormContext& context, const QString& start, QWidget* parent) {
    TVerzeichnisDlg dlg(context, start, parent);
    if (dlg.exec() != QDialog::Accepted)
        return {};
    return dlg.selectedDirectory().left(255);
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Programminformationen"));
    auto* layout = new QHBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);
    layout->addWidget(picture);
    auto* text = new QVBoxLayout;
    auto* heading = new QLabel(QStringLiteral("Copyright"), this);
    heading->setObjectName(QStringLiteral("Copyright"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    text->addWidget(heading);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i] = new QLabel(this);
        lines[i]->setObjectName(QStringLiteral("Zeile%1").arg(i + 1));
        text->addWidget(lines[i]);
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TAboutBox::accept);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(ok);
    text->addSpacing(10);
    text->addLayout(buttonRow);
    layout->addLayout(text, 1);
}

void TAboutBox::setLines(const SettingsData& settings) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i]->setText(fromCp1252(settings.Copyright[i].str()));
}

void ShowAbout(const SettingsData& settings, QWidget* parent) {
    TAboutBox box(parent);
    box.setLines(settings);
    box.exec();
}

} // namespace zek
