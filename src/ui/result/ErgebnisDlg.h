#pragma once

#include "ui/base/LanguageForm.h"

#include <QPointer>
#include <string>
#include <vector>

class QAction;
class QPlainTextEdit;

namespace zek {

// The read-only view of a result report or fax inquiry inside the main window: one
// fixed-pitch text box that fills it, with both scroll bars and no wrapping, so the
// columns of the report stay aligned as printed.
class TErgebnisDlg : public TMDIChild {
    Q_OBJECT
public:
    explicit TErgebnisDlg(FormContext& context, QWidget* parent = nullptr);
    ~TErgebnisDlg() override;

    // Shows the lines from the second one on; the first (the report's title, or the
    // inquiry's sender) is printed but not shown. The text box is hidden while filling.
    void ZeigeZeilen(const std::vector<std::string>& lines);

    // The toolbar buttons that open the two views: while this view is active the one
    // that opens it is disabled, afterwards both are enabled again.
    void setViewButtons(QAction* ergebnisAnzeigen, QAction* faxAnzeigen, bool faxMode);

    // The view edits nothing: there is nothing to load or store.
    void LoadData() override {}
    void StoreData() override {}
    // Page Up and Page Down scroll the text instead of turning pages.
    bool HandleKey(int) override { return false; }

    QPlainTextEdit* ErgebnisMemo = nullptr;

signals:
    // Esc: back to data entry.
    void dataEntryRequested();

protected:
    void FormActivate() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormDeactivate();

    QPointer<QAction> m_ergAnzBtn;
    QPointer<QAction> m_faxAnzBtn;
    bool m_faxMode = false;
};

// The fixed-pitch face the view and the printout use ("Courier New", or the metric
// equivalent the system maps that name to).
QFont ErgebnisSchrift(int pixelHeight);

} // namespace zek
