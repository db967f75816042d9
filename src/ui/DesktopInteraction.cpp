#include "ui/DesktopInteraction.h"

#include "core/Cp1252.h"
#include "core/TextSource.h"
#include "ui/MessageForm.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

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

QString DesktopInteraction::openFileName(const QString& title, const QString& directory,
                                         const QStringList& filters) {
    return QFileDialog::getOpenFileName(m_parent, title, directory, joinFilters(filters));
}

QString DesktopInteraction::saveFileName(const QString& title, const QString& directory,
                                         const QStringList& filters, const QString& proposedName) {
    QString start = directory;
    if (!proposedName.isEmpty())
        start = directory.isEmpty() ? proposedName : QDir(directory).filePath(proposedName);
    return QFileDialog::getSaveFileName(m_parent, title, start, joinFilters(filters));
}

} // namespace zek
