#pragma once

class QWidget;

namespace zek {

struct FormContext;
struct ProjectData;
class TMDIChild;

// Number of data pages of the wizard (list indices 0..17); index 18 is the result view.
inline constexpr int kDataPageCount = 18;

// Whether the list index opens a data page for this record: the circuit-breaker page
// (index 7) only while the loss is estimated from the components; the pages behind it
// open whatever the loss mode.
bool IsDataPage(int index, const ProjectData& project);

// Creates, loads and returns the page of a list index, owned by parent; null when the
// index is no data page (the main window then shows the result view).
TMDIChild* CreatePage(int index, FormContext& context, QWidget* parent);

} // namespace zek
