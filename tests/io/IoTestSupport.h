#pragma once

#include "core/TextSource.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <sys/resource.h>

namespace zek::test {

// Language texts of a test: a few numbers with recognisable wording.
class MapTexts : public TextSource {
public:
    MapTexts(std::map<std::uint32_t, std::string> texts) : m_texts(std::move(texts)) {}
    std::string GetLangText(std::uint32_t number) const override {
        return m_texts.contains(number) ? m_texts.at(number) : std::string();
    }

private:
    std::map<std::uint32_t, std::string> m_texts;
};

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size());
}

// Files may grow to at most `bytes` while the guard lives; a write beyond fails with
// EFBIG instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace zek::test
