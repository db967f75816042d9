#pragma once

class QWidget;

namespace zek {

struct FormContext;
class TMDIChild;

// Number of data pages of the wizard (list indices 0..17); index 18 is the result view.
inline constexpr int kDataPageCount = 18;

// Creates, loads and returns the page of a data kind 0..17, owned by parent; null for
// any other number. Which kind a row of the list opens is the navigation's decision.
TMDIChild* CreatePage(int index, FormContext& context, QWidget* parent);

} // namespace zek
