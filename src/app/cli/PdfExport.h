#pragma once

// zek-cli's side of the PDF library: found beside zek-cli and loaded before the
// application object exists, since a PDF or a diagram needs a GUI application from the start.

#include "pdf/PdfModule.h"

#include <QLibrary>
#include <QString>

class QCoreApplication;

namespace zek::cli {

class PdfExport {
public:
    // True when the arguments ask for a PDF ("--pdf FILE" or "--pdf=FILE") or a diagram.
    static bool asked(int argc, char** argv);

    // Loads the library from the folder of the running program; false, with the reason
    // kept for error(), when it is missing or not the library zek-cli was built with.
    bool load(int argc, char** argv);
    bool loaded() const { return m_write != nullptr; }
    // The library's path and why it could not be loaded.
    QString error() const { return m_error; }

    QCoreApplication* makeApplication(int& argc, char** argv) const { return m_makeApplication(argc, argv); }
    pdf_module::Outcome write(const pdf_module::Job& job) const;
    pdf_module::Outcome chart(const pdf_module::ChartJob& job) const;

private:
    QLibrary m_library;
    QString m_error;
    pdf_module::MakeApplicationFn m_makeApplication = nullptr;
    pdf_module::WriteFn m_write = nullptr;
    pdf_module::ChartFn m_chart = nullptr;
};

} // namespace zek::cli
