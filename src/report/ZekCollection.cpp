#include "ZekCollection.h"

#include "ReportTexts.h"
#include "core/Lines.h"
#include "core/TextSource.h"
#include "devices/DeviceTable.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iterator>
#include <utility>

namespace zek {

namespace {

// The text from `start` on followed by 58 dots, cut at `width` characters.
void fillFrom(std::string& s, std::size_t start, std::size_t width) {
    const std::size_t length = s.size() - start;
    const std::size_t size = std::min(length + 58, width);
    if (length >= size)
        s.resize(start + size);
    else
        s.append(size - length, '.');
}

} // namespace

std::string TZEKCollection::Fill(std::string_view text, std::size_t width) {
    // The text and 58 dots, cut at the width; room for the value and unit that follow.
    std::string s;
    s.reserve(std::min(text.size() + 58, width) + 24);
    s.append(text.substr(0, width));
    fillFrom(s, 0, width);
    return s;
}

std::string TZEKCollection::EZMZ(std::string_view pattern, long long n) {
    std::string s;
    AppendEZMZ(s, pattern, n);
    return s;
}

void TZEKCollection::AppendEZMZ(std::string& s, std::string_view pattern, long long n) {
    if (n == 0)
        return;
    std::size_t from = 0;
    for (;;) {
        const std::size_t open = pattern.find('{', from);
        const std::size_t bar = open == std::string_view::npos ? open : pattern.find('|', open + 1);
        const std::size_t close = bar == std::string_view::npos ? bar : pattern.find('}', bar + 1);
        // An unfinished group is left as it stands rather than guessed at; what a chosen
        // part holds is never read as a group.
        if (close == std::string_view::npos)
            break;
        s.append(pattern.substr(from, open - from));
        s.append(n == 1 ? pattern.substr(open + 1, bar - open - 1)
                        : pattern.substr(bar + 1, close - bar - 1));
        from = close + 1;
    }
    s.append(pattern.substr(from));
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
    if (count == 0)
        return;
    std::string row = componentRow(count);
    AppendEZMZ(row, pattern, count);
    insComponentRow(std::move(row), value, texts);
}

void TZEKCollection::InsWText(long long count, std::string_view label, long long value,
                              const TextSource& texts) {
    if (count == 0)
        return;
    std::string row = componentRow(count);
    row.append(label);
    insComponentRow(std::move(row), value, texts);
}

std::string TZEKCollection::componentRow(long long count) {
    std::string row;
    row.reserve(kRuleWidth + 8);
    row.append(Str4(count)).append(1, ' ');
    return row;
}

void TZEKCollection::insComponentRow(std::string&& row, long long value, const TextSource& texts) {
    row.append(1, ' ');
    fillFrom(row, 0, kLabelWidth);
    row.append(1, ' ').append(Str6(value)).append(texts.LangTextView(txt::EinheitVerlust));
    m_lines.push_back(std::move(row));
}

void TZEKCollection::InsTyp(std::string_view line1, std::string_view line2, int index, long long count,
                            std::string_view suffix, const DeviceTable& devices, const TextSource& texts) {
    auto insNonEmpty = [this](auto&& text) {
        if (!text.empty())
            Ins(std::forward<decltype(text)>(text));
    };
    insNonEmpty(line1);
    insNonEmpty(line2);
    if (!suffix.empty())
        Ins(Zeile(Str(count), suffix));

    if (!devices.isLine(index))
        return;
    Geraetebeschreibung d = devices.BeschreibeGeraet(index, texts);
    insNonEmpty(std::move(d.Marke));
    insNonEmpty(std::move(d.Werte));
    if (d.Variante != texts.LangTextView(txt::VarianteOhneAngabe))
        insNonEmpty(std::move(d.Variante));
    insNonEmpty(std::move(d.Artikel));
    insNonEmpty(std::move(d.Klasse));

    if (!d.istFilterluefter)
        return;
    insNonEmpty(texts.LangTextView(txt::Austrittsfilter));
    // A fan without a following line has no exit filter to describe.
    if (!devices.isLine(index + 1))
        return;
    Geraetebeschreibung filter = devices.BeschreibeGeraet(index + 1, texts);
    for (std::string* line :
         {&filter.Marke, &filter.Werte, &filter.Variante, &filter.Artikel, &filter.Klasse})
        insNonEmpty(std::move(*line));
}

void TZEKCollection::SplitLineBreaks() {
    const auto hasBreak = [](const std::string& line) {
        return findLineBreak(line) != std::string_view::npos;
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
