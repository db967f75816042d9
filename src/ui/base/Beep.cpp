#include "ui/base/Beep.h"

#include <QApplication>

namespace zek {

namespace {
std::function<void()>& beepFunction() {
    static std::function<void()> fn;
    return fn;
}
} // namespace

void Beep() {
    if (beepFunction())
        beepFunction()();
    else
        QApplication::beep();
}

BeepOverride::BeepOverride(std::function<void()> replacement) : m_previous(std::move(beepFunction())) {
    beepFunction() = std::move(replacement);
}

BeepOverride::~BeepOverride() {
    beepFunction() = std::move(m_previous);
}

} // namespace zek
