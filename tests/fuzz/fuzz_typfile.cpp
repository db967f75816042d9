#include "core/TextSource.h"
#include "devices/DeviceTable.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

class EmptyTexts : public zek::TextSource {
public:
    std::string GetLangText(std::uint32_t) const override { return {}; }
};

} // namespace

// Reads any bytes as a device table file, then runs every service on what was read.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zek::DeviceTable table;
    table.LiesTypText(std::string_view(reinterpret_cast<const char*>(data), size));
    const EmptyTexts texts;
    for (std::int32_t i = -1; i <= table.lineCount() && i < 64; ++i)
        (void)table.BeschreibeGeraet(i, texts);
    for (const char* code : {"HI-", "L--", "TS-", "WA-", "KSM", "KD-"})
        (void)table.SucheGeraet(500, 35, 40, code);
    for (int n = 0; n <= 101; ++n)
        (void)table.Kennlinienwert(n, 37, 33);
    return 0;
}
