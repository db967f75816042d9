#include "Cp1252.h"

#include <array>

namespace zek {
namespace {

// 0x80..0x9F; 0 marks the five unassigned positions, which map to U+FFFD.
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t toUnicode(unsigned char c) {
    if (c >= 0x80 && c <= 0x9F) {
        const char16_t u = kHigh[c - 0x80];
        return u ? u : char16_t(0xFFFD);
    }
    return char16_t(c);
}

char toByte(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] != 0 && kHigh[i] == u)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

QString fromCp1252(std::string_view bytes) {
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* to = out.data();
    for (char c : bytes)
        *to++ = QChar(toUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string toCp1252(QStringView text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out.push_back('?');
            ++i;
            continue;
        }
        out.push_back(toByte(ch.unicode()));
    }
    return out;
}

std::string utf8ToCp1252(std::string_view utf8) {
    return toCp1252(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

std::string cp1252ToUtf8(std::string_view bytes) {
    // Every character of the code page lies in the Basic Multilingual Plane: one to three bytes.
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    std::size_t ascii = 0; // the start of a run of plain ASCII, which is copied as it stands
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80)
            continue;
        const char16_t u = toUnicode(static_cast<unsigned char>(bytes[i]));
        out.append(bytes.substr(ascii, i - ascii));
        ascii = i + 1;
        if (u < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (u >> 6)));
            out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (u >> 12)));
            out.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        }
    }
    out.append(bytes.substr(ascii));
    return out;
}

} // namespace zek
