// Packs the language text sources into the program's archive.
//
//   zek-langpack ARCHIVE SOURCE_ROOT
//
// SOURCE_ROOT holds one folder per language (deu, eng, fra); every *.txt in it is a UTF-8
// file of lines "NNNNNNNNNtext", with '#' comments and empty lines. The lines of all
// files of a language become one Windows-1252 file "Lang_xxx.txt" with CR LF line ends,
// stored in ARCHIVE under the program's password.
#include "core/Cp1252.h"
#include "i18n/Language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>
#include <map>
#include <string>
#include <zip.h>

namespace {

struct Packed {
    std::string text;
    int lines = 0;
};

bool isNumbered(const QString& line) {
    if (line.size() < 9)
        return false;
    for (int i = 0; i < 9; ++i)
        if (!line[i].isDigit() || line[i].unicode() > '9')
            return false;
    return true;
}

// Returns false on a read error; questionable lines are reported and left out.
bool packLanguage(const QDir& folder, Packed& out) {
    QStringList files = folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    std::map<QString, QString> seen; // number -> file that had it first
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "zek-langpack: %s: %s\n", qPrintable(file.fileName()),
                         qPrintable(file.errorString()));
            return false;
        }
        QString content = QString::fromUtf8(file.readAll());
        // Some editors start a UTF-8 file with a byte-order mark; it is not part of the first text.
        if (content.startsWith(QChar(0xFEFF)))
            content.remove(0, 1);
        const QStringList lines = content.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
        int lineNo = 0;
        for (QString line : lines) {
            ++lineNo;
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            if (!isNumbered(line)) {
                std::fprintf(stderr, "zek-langpack: warning: %s:%d: no 9-digit text number, line left out\n",
                             qPrintable(file.fileName()), lineNo);
                continue;
            }
            const QString number = line.left(9);
            const auto [it, fresh] = seen.emplace(number, name);
            if (!fresh) {
                std::fprintf(stderr, "zek-langpack: warning: %s:%d: text %s already in %s, line left out\n",
                             qPrintable(file.fileName()), lineNo, qPrintable(number), qPrintable(it->second));
                continue;
            }
            const std::string bytes = zek::toCp1252(line);
            if (bytes.find('?') != std::string::npos && !line.contains('?'))
                std::fprintf(stderr, "zek-langpack: warning: %s:%d: characters outside Windows-1252\n",
                             qPrintable(file.fileName()), lineNo);
            out.text += bytes;
            out.text += "\r\n";
            ++out.lines;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: zek-langpack ARCHIVE SOURCE_ROOT\n");
        return 2;
    }
    const QString archivePath = QFile::decodeName(argv[1]);
    const QDir root(QFile::decodeName(argv[2]));

    std::map<std::string, Packed> languages;
    for (const char* part : {"deu", "eng", "fra"}) {
        const QDir folder(root.filePath(QString::fromLatin1(part)));
        Packed packed;
        if (folder.exists() && !packLanguage(folder, packed))
            return 1;
        languages.emplace(part, std::move(packed));
    }

    // Written beside and renamed in one step, so a failed run leaves the old archive.
    const QString temp = archivePath + QStringLiteral(".part");
    QFile::remove(temp);
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(temp).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) {
        std::fprintf(stderr, "zek-langpack: cannot create %s (zip error %d)\n", qPrintable(temp), error);
        return 1;
    }
    for (const auto& [part, packed] : languages) {
        const std::string entry = "Lang_" + part + ".txt";
        zip_source_t* source = zip_source_buffer(archive, packed.text.data(), packed.text.size(), 0);
        const zip_int64_t index =
            source ? zip_file_add(archive, entry.c_str(), source, ZIP_FL_OVERWRITE) : -1;
        if (index < 0 || zip_file_set_encryption(archive, static_cast<zip_uint64_t>(index),
                                                 ZIP_EM_TRAD_PKWARE, zek::Language::kArchivePassword) != 0) {
            std::fprintf(stderr, "zek-langpack: %s: %s\n", entry.c_str(), zip_strerror(archive));
            if (source && index < 0)
                zip_source_free(source);
            zip_discard(archive);
            return 1;
        }
        std::printf("zek-langpack: %s: %d texts\n", entry.c_str(), packed.lines);
    }
    if (zip_close(archive) != 0) {
        std::fprintf(stderr, "zek-langpack: %s: %s\n", qPrintable(temp), zip_strerror(archive));
        zip_discard(archive);
        return 1;
    }
    QFile::remove(archivePath);
    if (!QFile::rename(temp, archivePath)) {
        std::fprintf(stderr, "zek-langpack: cannot replace %s\n", qPrintable(archivePath));
        return 1;
    }
    return 0;
}
