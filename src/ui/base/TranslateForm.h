#pragma once

#include <QKeySequence>
#include <array>
#include <string>

class QWidget;

namespace zek {

class TextSource;

// Names of the shortcut keys in menu texts, in this order: Backspace, Tab, Esc, Enter,
// Space, Page Up, Page Down, End, Home, Left, Up, Right, Down, Insert, Delete, Shift+,
// Ctrl+, Alt+ (Windows-1252 bytes).
using KeyNames = std::array<std::string, 18>;

// The German key names the program starts with.
const KeyNames& DefaultKeyNames();

// A menu shortcut written with the key names ("Strg+S", "Umsch+Entf", "F9"); an empty
// sequence when the text names no key.
QKeySequence ParseShortcut(const std::string& text, const KeyNames& keyNames);

// The property names by which forms, controls and menu items carry their numbers.
inline constexpr const char* kTagProperty = "tag";
inline constexpr const char* kHelpNumberProperty = "helpNumber";

// Replaces the design texts of a form by language texts: the caption and hint by the
// form's help number h (10000 h, + 1), every control with a positive "tag" t by
// 10000 h + 10 t (+ 1 for its hint), every menu action with a "helpNumber" m in
// 11000..11999 by 100000000 + 10 m (+ 1 hint, + 2 shortcut). An empty text keeps the
// design text. Only while a language module is loaded; the font becomes Arial always.
void TranslateForm(QWidget* form, int helpNumber, const TextSource& texts, bool moduleLoaded,
                   const KeyNames& keyNames);

} // namespace zek
