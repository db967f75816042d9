// The help file's anchor scan on arbitrary bytes: it must end, and every name it reports
// must occur in the document as written.
#include "i18n/Help.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString html = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const QString& name : zek::HelpAnchors(html))
        if (name.isEmpty() || !html.contains(name))
            std::abort();
    if (size >= 4) {
        const std::uint32_t value = std::uint32_t(data[0]) | std::uint32_t(data[1]) << 8 |
                                    std::uint32_t(data[2]) << 16 | std::uint32_t(data[3]) << 24;
        const zek::HelpRequest r =
            zek::MapHelpRequest("/p", std::string(html.toStdString()), int(data[0] % 5), value);
        if (!r.file.startsWith("/p/zek_"))
            std::abort();
    }
    return 0;
}
