#include "ui/DesktopInteraction.h"

#include "core/Cp1252.h"
#include "core/TextSource.h"
#include "ui/MessageForm.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace zek {

QString fileDialogFilter(const QString& filter) {
    const qsizetype bar = filter.indexOf('|');
    if (bar < 0)
        return filter;
    const QString name = filter.left(bar).trimmed();
    QString patterns = filter.mid(bar + 1);
    patterns.replace(';', ' ');
    return name + " (" + patterns + ")";
}

namespace {
QString joinFilters(const QStringList& filters) {
    QStringList converted;
    for (const QString& f : filters)
        converted << fileDialogFilter(f);
    return converted.join(";;");
}
} // namespace

DesktopInteraction::DesktopInteraction(const TextSource& texts, std::function<void(int)> help)
    : m_texts(texts), m_help(std::move(help)) {}

int DesktopInteraction::question(const QString& text, MsgType type, unsigned buttons, int helpNumber) {
    return MessageDlg(text, type, buttons, helpNumber, m_texts, m_help, m_parent);
}

void DesktopInteraction::error(const QString& text) {
    QMessageBox box(QMessageBox::Critical, fromCp1252(m_texts.GetLangText(71552)), text, QMessageBox::Ok,
                    m_parent);
    box.setObjectName("ErrorBox");
    const QString ok = fromCp1252(m_texts.GetLangText(71557));
    if (!ok.isEmpty())
        box.button(QMessageBox::Ok)->setText(ok);
    box.exec();
}

// The file dialogs are Qt's own, so that they carry a Hilfe button on every desktop.
void DesktopInteraction::prepareFileDialog(QFileDialog& dialog, int helpNumber) const {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    if (!buttons || !m_help)
        return;
    QString caption = fromCp1252(m_texts.GetLangText(71559));
    QPushButton* help = buttons->addButton(caption.isEmpty() ? QStringLiteral("&Hilfe") : caption,
                                           QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("HelpBtn"));
    QObject::connect(help, &QPushButton::clicked, &dialog, [this, helpNumber] { m_help(helpNumber); });
}

QString DesktopInteraction::openFileName(const QString& title, const QString& directory,
                                         const QStringList& filters) {
    QFileDialog dialog(m_parent, title, directory, joinFilters(filters));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepareFileDialog(dialog, kOpenDialogHelpNumber);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString DesktopInteraction::saveFileName(const QString& title, const QString& directory,
                                         const QStringList& filters, const QString& proposedName) {
    QFileDialog dialog(m_parent, title, directory, joinFilters(filters));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    prepareFileDialog(dialog, kSaveDialogHelpNumber);
    // The extension of the first filter is added before the dialog asks about
    // overwriting, so "plan" is checked as "plan.Z20".
    const QString first = filters.isEmpty() ? QString() : fileDialogFilter(filters.first());
    const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    if (const QRegularExpressionMatch m = pattern.match(first); m.hasMatch())
        dialog.setDefaultSuffix(m.captured(1));
    if (!proposedName.isEmpty())
        dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace zek
