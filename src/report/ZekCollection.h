#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zek {

class DeviceTable;
class TextSource;
struct ReportContext;

// One report line put together from its parts (texts, numbers, units) in one allocation.
template <class... Parts> std::string Zeile(const Parts&... parts) {
    const std::string_view views[] = {std::string_view(parts)...};
    std::size_t size = 0;
    for (const std::string_view v : views)
        size += v.size();
    std::string line;
    line.reserve(size);
    for (const std::string_view v : views)
        line.append(v);
    return line;
}

// The fixed-pitch lines of the result report and the fax inquiry, as Windows-1252 bytes.
// Every label stops at column 56 so that a value always starts in column 58.
class TZEKCollection {
public:
    static constexpr std::size_t kRuleWidth = 79;
    static constexpr std::size_t kLabelWidth = 56;

    const std::vector<std::string>& lines() const { return m_lines; }
    std::vector<std::string>& lines() { return m_lines; }
    std::size_t size() const { return m_lines.size(); }
    const std::string& operator[](std::size_t i) const { return m_lines[i]; }

    void Ins(std::string_view text) { m_lines.emplace_back(text); }
    void Ins(const char* text) { m_lines.emplace_back(text); }
    void Ins(std::string&& text) { m_lines.push_back(std::move(text)); }
    void Strich() { m_lines.emplace_back(kRuleWidth, '-'); }
    // The rule under the value column (columns 58-69) before a sum.
    void Summenstrich() { m_lines.push_back(std::string(57, ' ') + std::string(12, '-')); }

    static std::string Fill(std::string_view text, std::size_t width);
    // Resolves every "{singular|plural}" group by n; n = 0 gives an empty text.
    static std::string EZMZ(std::string_view pattern, long long n);
    static void AppendEZMZ(std::string& out, std::string_view pattern, long long n);
    static std::string Str(long long value);
    static std::string Str4(long long value);
    static std::string Str6(long long value);
    // Fixed notation with four decimals and a decimal point, whatever the locale.
    static std::string StrX4(double value);

    void InsSF6S(std::string_view label, std::size_t width, long long value, std::string_view unit);
    // One component row: count, label, dot leaders to column 56, loss in columns 58-63.
    void InsW(long long count, std::string_view pattern, long long value, const TextSource& texts);
    // The same with a label whose singular or plural is already chosen.
    void InsWText(long long count, std::string_view label, long long value, const TextSource& texts);
    // A device block: headings, the count line and the device's description; a filter
    // fan is followed by its exit filter, the next line of the device table.
    void InsTyp(std::string_view line1, std::string_view line2, int index, long long count,
                std::string_view suffix, const DeviceTable& devices, const TextSource& texts);

    // The result report and the fax inquiry, appended to this list. `abbruch`: on entry
    // whether the selection may be cancelled (printing); on return true only when it was
    // cancelled, and the caller then drops the lines.
    void ErstelleErgebnis(const ReportContext& ctx, bool& abbruch);
    void ErstelleAnfrage(const ReportContext& ctx, bool& abbruch);

    // Joins every line with CR LF and reads the text back as lines, so that texts holding
    // line breaks become several lines while every other line keeps its place.
    void SplitLineBreaks();

private:
    // The count of a component row and its blank; the row's label follows.
    static std::string componentRow(long long count);
    // Dot leaders, the loss and its unit after the label of a component row.
    void insComponentRow(std::string&& row, long long value, const TextSource& texts);

    std::vector<std::string> m_lines;
};

} // namespace zek
