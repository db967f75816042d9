#include "ui/DoubtfulValues.h"

#include "core/Cp1252.h"
#include "io/IoTexts.h"

namespace zek {

QString DoubtfulValuesMessage(const QString& fileName, const DoubtfulValues& values,
                              const TextSource& texts) {
    QString text = fromCp1252(ioTextWithFile(texts, kTextDoubtfulValuesHeading, fileName));
    for (int i = 0; i < int(values.size()) && i < kDoubtfulValuesListed; ++i) {
        const DoubtfulValue& v = values[std::size_t(i)];
        text += QStringLiteral("\n[%1] %2=%3 \u2192 %4")
                    .arg(fromCp1252(v.section), fromCp1252(v.key), fromCp1252(v.stored), fromCp1252(v.used));
    }
    if (int(values.size()) > kDoubtfulValuesListed)
        text += QStringLiteral("\n\u2026");
    return text;
}

} // namespace zek
