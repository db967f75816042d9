#pragma once

#include "core/TextSource.h"
#include "i18n/TextTable.h"

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zek {

class LanguageModule;

// The texts of the current language: the text table (numbers from 70000 up) and, when
// one is present beside the program, the language module (numbers below 70000, and the
// switch that lets forms take their captions from the table).
class Language : public TextSource {
public:
    // The module message is a plain box without a title; the desktop shows it, tests record it.
    using ModuleMessageHandler = std::function<void(const QString& message)>;

    static constexpr const char* kArchivePassword = "Kornblatt";
    // A text file this large is not a text table; refuse it rather than fill the memory.
    static constexpr std::size_t kMaxTextBytes = 64u * 1024u * 1024u;
    static constexpr std::uint32_t kFirstTableNumber = 70000;
    static constexpr std::uint32_t kVersionText = 70004;
    static constexpr std::uint32_t kLanguageText = 70006;
    static constexpr std::uint32_t kFirstKeyNameText = 71566;
    static constexpr const char* kRequiredVersion = "0004";

    Language();
    ~Language() override;
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;

    void setModuleMessageHandler(ModuleMessageHandler handler);
    // The program's own file, the last place where the archive is looked for; by default
    // the running executable.
    void setProgramFile(const QString& path);

    // Loads the text table for a code ("zkdeu", "zkeng", "zkfra") from programDir and the
    // language module when one is there. False when no text could be read at all; error
    // then says why, in the language of the code. An empty table is not an error here:
    // the caller checks lineCount() and calls ReportEmptyTable().
    bool LoadLanguage(const QString& programDir, const std::string& code, QString* error = nullptr);
    void UnloadLanguage();

    std::string GetLangText(std::uint32_t number) const override;
    // Texts of the table are views into it; those of the module are kept as by any source.
    std::string_view LangTextView(std::uint32_t number) const override;
    // The table's text, telling a missing number from an empty text.
    std::optional<std::string> findText(std::uint32_t number) const;
    std::vector<std::uint32_t> numbers() const;

    bool tableLoaded() const { return m_table != nullptr; }
    bool moduleLoaded() const;
    std::size_t lineCount() const { return m_table ? m_table->count() : 0; }
    // Backspace, Tab, Esc, Enter, Space, Page Up, Page Down, End, Home, Left, Up, Right,
    // Down, Insert, Delete, Shift+, Ctrl+, Alt+.
    const std::array<std::string, 18>& keyNames() const { return m_keyNames; }
    std::string code() const { return m_code; }
    QString modulePath() const { return m_modulePath; }
    // Where the table was read from: an archive path, the loose file, or the program file.
    QString textOrigin() const { return m_textOrigin; }

    // The start-up answer to an empty table: the module path is cleared and the message
    // with code 1 is shown.
    void ReportEmptyTable();
    void raiseModuleMessage(int code);
    static QString moduleMessage(const QString& modulePath, int code);
    static const std::array<std::string, 18>& defaultKeyNames();
    // "Lang_" + the three-letter part + ".txt".
    static std::string entryName(const std::string& code);

private:
    bool readTable(const QString& programDir, const std::string& code, QString* error);
    void loadModule(const QString& programDir, const std::string& code);
    void dropModule();

    std::unique_ptr<TIntStr> m_table;
    std::unique_ptr<LanguageModule> m_module;
    QString m_modulePath;
    QString m_textOrigin;
    QString m_programFile;
    std::string m_code;
    std::array<std::string, 18> m_keyNames;
    ModuleMessageHandler m_onModuleMessage;
};

} // namespace zek
