#pragma once

#include <QStringList>
#include <vector>

namespace zek {

// Data kinds: the index into the full list of texts 1008000 + i.
inline constexpr int kKindPerson = 0;
inline constexpr int kKindVerlust = 6;
inline constexpr int kKindLeistungsschalter = 7;
inline constexpr int kKindErgebnis = 18;

// What the main window shows right of the list. The result report, the fax inquiry and the
// diagrams are result-like views: they replace the pages, hide the list and lead back to
// data entry.
enum class View { None, Page, Result, Fax, Diagram };

inline bool isResultLike(View view) {
    return view != View::None && view != View::Page;
}

// The wizard's path through the data kinds: the rows of the list for the loss mode, the
// row highlighted, what is shown, and where each move of the user leads (a click or a
// keyboard move in the list, Weiter and Zurück, Page Down and Page Up, back to data
// entry). It knows no widgets; the main window shows what it decides.
//
// The row highlighted is always the row of the page shown, or, while a result-like
// view is shown, the row from which it was reached.
class Navigation {
public:
    // What the window does after a move.
    struct Step {
        View view = View::None;
        int kind = -1;        // the page's data kind when view is Page
        bool replace = false; // something other than what is shown has to be made
    };

    // The rows for the texts of the data kinds, up to the first empty one. The component
    // kinds (texts beginning with "-") are left out when hideComponents is set. The
    // highlighted row keeps its position while the list still has it.
    void fill(const QStringList& kindTexts, bool hideComponents);
    // Whether the rows hide the component kinds for a loss mode: known (0) and measured
    // (1) hide them, from the components (2) and any other value show them.
    static bool hidesComponents(int lossMode) { return lossMode < 2; }

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    // The data kind of a row; -1 for a row the list does not have.
    int kindOf(int row) const;
    const std::vector<int>& rows() const { return m_rows; }

    int row() const { return m_row; }
    View view() const { return m_view; }
    int kind() const { return m_kind; }

    // A click on a row or a keyboard move onto it. lossMode is the mode the record holds
    // once the page shown has stored its fields: row "- Leistungsschalter" opens its page
    // only for loss from the components, else it shows the result (as the row
    // "Ergebnis" does). A row the list does not have changes nothing.
    Step click(int row, int lossMode);
    // Whether a click on the row leaves what is shown, so that the page shown has to
    // store its fields first. The loss page is always made afresh from the record.
    bool leaves(int row) const;
    // The row Weiter and Page Down lead to, the row Zurück and Page Up lead to; -1 at the
    // ends of the list.
    int nextRow() const;
    int previousRow() const;
    // Back to data entry from a result-like view: the highlighted row, or the first row
    // when none is; a row that would show the result again gives way to the one above.
    int dataRow(int lossMode) const;

    // A result-like view is shown by a command; the highlighted row stays.
    Step show(View view);
    // What is shown is released and no row is highlighted (project commands).
    void release();
    void clearRow() { m_row = -1; }

private:
    View viewOf(int kind, int lossMode) const;

    std::vector<int> m_rows;
    int m_row = -1;
    View m_view = View::None;
    int m_kind = -1;
};

} // namespace zek
