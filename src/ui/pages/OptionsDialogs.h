#pragma once

#include "ui/base/LanguageForm.h"
#include "ui/pages/DefaultsDialogs.h"

#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QTreeView;
class QFileSystemModel;

namespace zek {

struct SettingsData;
class TRadioGroup;

// Language and default directory of project files.
class TGOptionenDlg : public TMDIChild {
    Q_OBJECT
public:
    explicit TGOptionenDlg(FormContext& context, QWidget* parent = nullptr);
    void LoadData() override;
    // The caller reads the dialog after it closes.
    void StoreData() override {}

    TRadioGroup* SprachenRadioGroup;
    QGroupBox* DateiPanel;
    QLabel* PfadangabeLabel;
    QPushButton* VerzeichniswechselBtn;
    DialogButtons buttons;

    // Runs the directory chooser; replaceable so that tests need no second window.
    std::function<QString(const QString& start)> chooseDirectory;

    void VerzeichniswechselBtnClick();
};

// Runs the options dialog and stores its result in the settings. Returns true when a
// language was loaded before and another one was chosen: the main window then switches
// the language at once. At the first start (no language yet) only "OK" is offered.
bool EditOptions(FormContext& context, QWidget* parent, bool firstStart);

// The directory chooser: a directory tree that opens at the start directory if it
// exists, else at the current directory.
class TVerzeichnisDlg : public TLanguageForm {
    Q_OBJECT
public:
    TVerzeichnisDlg(FormContext& context, const QString& start, QWidget* parent = nullptr);
    QString selectedDirectory() const;

    QLabel* PfadLabel;
    QTreeView* DirectoryListBox1;
    DialogButtons buttons;

private:
    QFileSystemModel* m_model;
};

// The directory chosen (at most 255 characters), or empty when cancelled.
QString ChooseDirectory(FormContext& context, const QString& start, QWidget* parent);

// "Programminformationen": the heading and the five lines of the settings.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    void setLines(const SettingsData& settings);
    std::array<QLabel*, 5> lines{};
};

void ShowAbout(const SettingsData& settings, QWidget* parent);

} // namespace zek
