#pragma once

#include "report/Diagramm.h"
#include "report/chart/DiagrammTexte.h"
#include "ui/base/LanguageForm.h"

#include <QWidget>

class QScrollArea;

namespace zek {

// "Dia&gramm" in the "&Ergebnis" menu: help number, and its caption and hint in the language
// table (100000000 + 10 h, + 1). The toolbar button beside it has Tag 11.
inline constexpr int kMnEDiagrammHelpNumber = 11026;
inline constexpr const char* kMnEDiagrammObjectName = "MnEDiagramm";
inline constexpr const char* kMnEDiagrammDesignText = "Dia&gramm";

// Help number of the diagram view; its caption (text 120160000 with a language module).
inline constexpr int kDiagrammDlgHelpNumber = 12016;
// The view's caption and the drawing's name for a screen reader.
inline constexpr std::uint32_t kTextDiagramm = 1012058;

// Both diagrams, drawn by the painter of the printed page into whatever room the view
// gives; below a readable size the view scrolls instead of squeezing them.
class DiagrammBild : public QWidget {
    Q_OBJECT
public:
    DiagrammBild(Diagramme diagramme, DiagrammTexte texte, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    const Diagramme& diagramme() const { return m_diagramme; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Diagramme m_diagramme;
    DiagrammTexte m_texte;
};

// The diagram view inside the main window: the reserve of the selected devices over the
// ambient and the bare cabinet's inside temperature, without a caption line above them
// (the window has one). It edits nothing.
class TDiagrammDlg : public TMDIChild {
    Q_OBJECT
public:
    TDiagrammDlg(FormContext& context, Diagramme diagramme, QWidget* parent = nullptr);

    void LoadData() override {}
    void StoreData() override {}
    // Page Up and Page Down scroll the drawing instead of turning pages.
    bool HandleKey(int) override { return false; }

    QScrollArea* Flaeche = nullptr;
    DiagrammBild* Bild = nullptr;
};

} // namespace zek
