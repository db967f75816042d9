#pragma once

#include "ui/Interaction.h"

#include <functional>

class QFileDialog;
class QWidget;

namespace zek {

class TextSource;

// Help numbers of the open and the save dialog.
inline constexpr int kOpenDialogHelpNumber = 13000;
inline constexpr int kSaveDialogHelpNumber = 13010;

// The question and error boxes and the file dialogs as the user sees them.
class DesktopInteraction : public UserInteraction {
public:
    DesktopInteraction(const TextSource& texts, std::function<void(int)> help);

    // The window the boxes are centred over; may stay null.
    void setParentWidget(QWidget* parent) { m_parent = parent; }

    int question(const QString& text, MsgType type, unsigned buttons, int helpNumber) override;
    void error(const QString& text) override;
    QString openFileName(const QString& title, const QString& directory, const QStringList& filters) override;
    QString saveFileName(const QString& title, const QString& directory, const QStringList& filters,
                         const QString& proposedName) override;

private:
    void prepareFileDialog(QFileDialog& dialog, int helpNumber) const;

    const TextSource& m_texts;
    std::function<void(int)> m_help;
    QWidget* m_parent = nullptr;
};

// "Name|*.A;*.B" (the stored form of a filter) or "Name (*.A *.B)" -> the file dialog's form.
QString fileDialogFilter(const QString& filter);

} // namespace zek
