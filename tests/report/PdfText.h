#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

namespace zek::test {

// What poppler's tools read from a PDF, as a viewer finds it.

inline QString pdfTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A field of pdfinfo ("Pages", "Title", "Page size").
inline QString pdfInfo(const QString& pdf, const QString& key) {
    const QRegularExpression re("^" + key + ":\\s*(.*)$", QRegularExpression::MultilineOption);
    return re.match(pdfTool("pdfinfo", {pdf})).captured(1).trimmed();
}

// The text of each page, with the columns rebuilt from the glyph positions.
inline QStringList pdfPages(const QString& pdf) {
    QStringList pages = pdfTool("pdftotext", {"-layout", pdf, "-"}).split(QLatin1Char('\f'));
    pages.removeLast(); // every page ends with a form feed
    return pages;
}

struct PdfWord {
    int page;
    QString text;
    double x, y, right; // glyph box in points from the page's top left corner
};

inline std::vector<PdfWord> pdfWords(const QString& pdf) {
    std::vector<PdfWord> result;
    int page = -1;
    const QRegularExpression re(
        "<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\"[^>]*>([^<]*)</word>");
    for (auto it = re.globalMatch(pdfTool("pdftotext", {"-bbox", pdf, "-"})); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith("<page"))
            ++page;
        else
            result.push_back({page, m.captured(4), m.captured(1).toDouble(), m.captured(2).toDouble(),
                              m.captured(3).toDouble()});
    }
    return result;
}

inline constexpr double kPtPerUnit = 72.0 / 254.0; // points per 0.1 mm

} // namespace zek::test
