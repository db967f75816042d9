#pragma once

#include <functional>

namespace zek {

// The warning beep of the input filters. Tests replace it (through BeepOverride) to
// count beeps instead of making noise.
void Beep();

class BeepOverride {
public:
    explicit BeepOverride(std::function<void()> replacement);
    ~BeepOverride();
    BeepOverride(const BeepOverride&) = delete;
    BeepOverride& operator=(const BeepOverride&) = delete;

private:
    std::function<void()> m_previous;
};

} // namespace zek
