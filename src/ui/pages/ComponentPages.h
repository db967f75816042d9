#pragma once

#include "core/ProjectData.h"
#include "ui/base/LanguageForm.h"

#include <QFrame>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

class QLineEdit;
class QRadioButton;

namespace zek {

class KindListBox;

// A page of counts, one edit per slot of a component group.
class TSlotPage : public TMDIChild {
    Q_OBJECT
public:
    struct Layout {
        int helpNumber;
        const char* objectName;
        QString caption;
        QString heading;                             // above the rows, tag 10; empty for none
        QStringList rowLabels;                       // tags 11, 12, ...
        QString editPrefix;                          // edit i is editPrefix + i
        QString unit;                                // after each edit, tag 30; empty for none
        int columns;                                 // the rows are spread over this many columns
        std::function<u16&(ProjectData&, int)> slot; // slot i (0-based) of the group
    };
    TSlotPage(FormContext& context, Layout layout, QWidget* parent);
    void LoadData() override;
    void StoreData() override;

    std::vector<QLineEdit*> edits;

private:
    Layout m_layout;
};

class TLeistungsschalterDlg : public TSlotPage {
    Q_OBJECT
public:
    explicit TLeistungsschalterDlg(FormContext& context, QWidget* parent = nullptr);
};
class TMotorschutzDlg : public TSlotPage {
    Q_OBJECT
public:
    explicit TMotorschutzDlg(FormContext& context, QWidget* parent = nullptr);
};
class TRelaisDlg : public TSlotPage {
    Q_OBJECT
public:
    explicit TRelaisDlg(FormContext& context, QWidget* parent = nullptr);
};
class TLeistungsschuetzeDlg : public TSlotPage {
    Q_OBJECT
public:
    explicit TLeistungsschuetzeDlg(FormContext& context, QWidget* parent = nullptr);
};
class TLampenDlg : public TSlotPage {
    Q_OBJECT
public:
    explicit TLampenDlg(FormContext& context, QWidget* parent = nullptr);
};
class TSteuerungenDlg : public TSlotPage {
    Q_OBJECT
public:
    explicit TSteuerungenDlg(FormContext& context, QWidget* parent = nullptr);
};

// The three kind buttons of a fuse row; the panel shows a raised bevel while one of
// its buttons has the focus, so the row being edited stands out.
class KindPanel : public QFrame {
    Q_OBJECT
public:
    KindPanel(QWidget* parent, const QString& name, int row);
    // 1..3 checks that button; anything else leaves the buttons as they are.
    void setKind(int kind);
    int kind() const;
    std::array<QRadioButton*, 3> buttons{};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

class TSicherungenDlg : public TMDIChild {
    Q_OBJECT
public:
    explicit TSicherungenDlg(FormContext& context, QWidget* parent = nullptr);
    void LoadData() override;
    void StoreData() override;

    std::array<QLineEdit*, kSicherungenRows> AnzahlEdit{}, StromEdit{};
    std::array<KindPanel*, kSicherungenRows> ArtPanel{};
};

class TTransformatorDlg : public TMDIChild {
    Q_OBJECT
public:
    explicit TTransformatorDlg(FormContext& context, QWidget* parent = nullptr);
    void LoadData() override;
    void StoreData() override;

    std::array<QLineEdit*, kTransformatorenRows> AnzahlEdit{}, LeistungEdit{};
};

class TNetzteileDlg : public TMDIChild {
    Q_OBJECT
public:
    explicit TNetzteileDlg(FormContext& context, QWidget* parent = nullptr);
    void LoadData() override;
    void StoreData() override;
    void TranslateForm() override;

    std::array<QLineEdit*, kNetzteileRows> AnzahlEdit{}, UEdit{}, StromEdit{};
    std::array<KindListBox*, kNetzteileRows> ArtListBox{};
};

class TFrequenzumrichterDlg : public TMDIChild {
    Q_OBJECT
public:
    explicit TFrequenzumrichterDlg(FormContext& context, QWidget* parent = nullptr);
    void LoadData() override;
    void StoreData() override;

    std::array<QLineEdit*, kFrequenzumrichterRows> AnzahlEdit{}, LeistungEdit{}, WirkungsgradEdit{},
        AusnutzungEdit{}, BezeichnungEdit{};
};

class TSonstigeDlg : public TMDIChild {
    Q_OBJECT
public:
    explicit TSonstigeDlg(FormContext& context, QWidget* parent = nullptr);
    void LoadData() override;
    void StoreData() override;

    std::array<QLineEdit*, kSonstigeRows> AnzahlEdit{}, BezeichnungEdit{}, LeistungEdit{};
};

} // namespace zek
