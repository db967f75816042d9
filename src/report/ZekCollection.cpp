#include "ZekCollection.h"

#include "ReportTexts.h"
#include "core/TextSource.h"
#include "devices/DeviceTable.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace zek {

std::string TZEKCollection::Fill(std::string_view text, std::size_t width) {
    // The text and 58 dots, cut at the width; room for the value and unit that follow.
    const std::size_t size = std::min(text.size() + 58, width);
    std::string s;
    s.reserve(size + 24);
    s.append(text.substr(0, size));
    s.append(size - std::min(text.size(), size), '.');
    return s;
}

std::string TZEKCollection::EZMZ(std::string_view pattern, long long n) {
    if (n == 0)
        return {};
    std::string s(pattern);
    std::size_t from = 0;
    for (;;) {
        const std::size_t open = s.find('{', from);
        if (open == std::string::npos)
            break;
        const std::size_t bar = s.find('|', open + 1);
        const std::size_t close = bar == std::string::npos ? bar : s.find('}', bar + 1);
        // An unfinished group is left as it stands rather than guessed at.
        if (close == std::string::npos)
            break;
        const std::string part =
            n == 1 ? s.substr(open + 1, bar - open - 1) : s.substr(bar + 1, close - bar - 1);
        s = s.substr(0, open) + part + s.substr(close + 1);
        from = open + part.size();
    }
    return s;
}

std::string TZEKCollection::Str(long long value) {
    return std::to_string(value);
}

static std::string rightAligned(long long value, std::size_t width) {
    std::string s = std::to_string(value);
    if (s.size() < width)
        s.insert(0, width - s.size(), ' ');
    return s;
}

std::string TZEKCollection::Str4(long long value) {
    return rightAligned(value, 4);
}

std::string TZEKCollection::Str6(long long value) {
    return rightAligned(value, 6);
}

std::string TZEKCollection::StrX4(double value) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 4);
    if (res.ec != std::errc())
        return "0.0000";
    return std::string(buf, res.ptr);
}

void TZEKCollection::InsSF6S(std::string_view label, std::size_t width, long long value,
                             std::string_view unit) {
    std::string s = Fill(label, width);
    s += ' ';
    s += Str6(value);
    s += unit;
    m_lines.push_back(std::move(s));
}

void TZEKCollection::InsW(long long count, std::string_view pattern, long long value,
                          const TextSource& texts) {
    if (count != 0)
        InsWText(count, EZMZ(pattern, count), value, texts);
}

void TZEKCollection::InsWText(long long count, std::string_view label, long long value,
                              const TextSource& texts) {
    if (count == 0)
        return;
    std::string row = Str4(count);
    row.reserve(row.size() + label.size() + 2);
    row.append(1, ' ').append(label).append(1, ' ');
    std::string s = Fill(row, kLabelWidth);
    s += ' ';
    s += Str6(value);
    s += texts.GetLangText(txt::EinheitVerlust);
    m_lines.push_back(std::move(s));
}

void TZEKCollection::InsTyp(std::string_view line1, std::string_view line2, int index, long long count,
                            std::string_view suffix, const DeviceTable& devices, const TextSource& texts) {
    auto insNonEmpty = [this](std::string_view text) {
        if (!text.empty())
            Ins(text);
    };
    insNonEmpty(line1);
    insNonEmpty(line2);
    if (!suffix.empty())
        Ins(Str(count) + std::string(suffix));

    if (!devices.isLine(index))
        return;
    const Geraetebeschreibung d = devices.BeschreibeGeraet(index, texts);
    insNonEmpty(d.Marke);
    insNonEmpty(d.Werte);
    if (d.Variante != texts.GetLangText(txt::VarianteOhneAngabe))
        insNonEmpty(d.Variante);
    insNonEmpty(d.Artikel);
    insNonEmpty(d.Klasse);

    if (!d.istFilterluefter)
        return;
    insNonEmpty(texts.GetLangText(txt::Austrittsfilter));
    // A fan without a following line has no exit filter to describe.
    if (!devices.isLine(index + 1))
        return;
    const Geraetebeschreibung filter = devices.BeschreibeGeraet(index + 1, texts);
    for (const std::string* line :
         {&filter.Marke, &filter.Werte, &filter.Variante, &filter.Artikel, &filter.Klasse})
        insNonEmpty(*line);
}

void TZEKCollection::SplitLineBreaks() {
    const auto hasBreak = [](const std::string& line) {
        return std::memchr(line.data(), '\n', line.size()) || std::memchr(line.data(), '\r', line.size());
    };
    const auto firstSplit = std::find_if(m_lines.begin(), m_lines.end(), hasBreak);
    if (firstSplit == m_lines.end())
        return; // the usual report: nothing to split, nothing to copy
    std::vector<std::string> out(std::make_move_iterator(m_lines.begin()),
                                 std::make_move_iterator(firstSplit));
    out.reserve(m_lines.size() + 8);
    for (auto it = firstSplit; it != m_lines.end(); ++it) {
        const std::string& line = *it;
        // Each line is followed by CR LF, so every break inside it, even at its end,
        // starts one more line.
        std::size_t start = 0;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] != '\r' && line[i] != '\n')
                continue;
            out.push_back(line.substr(start, i - start));
            if (line[i] == '\r' && i + 1 < line.size() && line[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
        out.push_back(line.substr(start));
    }
    m_lines = std::move(out);
}

} // namespace zek
