#include "ui/Navigation.h"

namespace zek {

void Navigation::fill(const QStringList& kindTexts, bool hideComponents) {
    m_rows.clear();
    for (int kind = 0; kind < kindTexts.size(); ++kind) {
        const QString& text = kindTexts.at(kind);
        if (text.isEmpty())
            break;
        if (hideComponents && text.startsWith(QLatin1Char('-')))
            continue;
        m_rows.push_back(kind);
    }
    if (m_row >= rowCount())
        m_row = -1;
}

int Navigation::kindOf(int row) const {
    return (row >= 0 && row < rowCount()) ? m_rows[static_cast<std::size_t>(row)] : -1;
}

View Navigation::viewOf(int kind, int lossMode) const {
    if (kind == kKindErgebnis)
        return View::Result;
    // The circuit breakers open the component pages only while the loss comes from
    // them; a list filled with all kinds reaches the result here otherwise.
    if (kind == kKindLeistungsschalter && hidesComponents(lossMode))
        return View::Result;
    return kind < 0 ? View::None : View::Page;
}

bool Navigation::leaves(int row) const {
    const int kind = kindOf(row);
    return kind >= 0 && (m_view != View::Page || kind != m_kind || kind == kKindVerlust);
}

Navigation::Step Navigation::click(int row, int lossMode) {
    const int kind = kindOf(row);
    if (kind < 0)
        return {m_view, m_kind, false};
    const View view = viewOf(kind, lossMode);
    Step step{view, view == View::Page ? kind : -1, false};
    if (view == View::Page)
        step.replace = m_view != View::Page || kind != m_kind || kind == kKindVerlust;
    else
        step.replace = m_view != view;
    m_row = row;
    m_view = step.view;
    m_kind = step.kind;
    return step;
}

int Navigation::nextRow() const {
    return m_row < rowCount() - 1 ? m_row + 1 : -1;
}

int Navigation::previousRow() const {
    return m_row >= 1 ? m_row - 1 : -1;
}

int Navigation::dataRow(int lossMode) const {
    int row = m_row < 0 ? 0 : m_row;
    while (row > 0 && viewOf(kindOf(row), lossMode) != View::Page)
        --row;
    return row;
}

Navigation::Step Navigation::show(View view) {
    const Step step{view, -1, m_view != view};
    m_view = view;
    m_kind = -1;
    return step;
}

void Navigation::release() {
    m_row = -1;
    m_view = View::None;
    m_kind = -1;
}

} // namespace zek
