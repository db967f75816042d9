#pragma once

#include "Common.h"
#include "pdf/PdfModule.h"

#include <QString>

namespace zek::cli {

// A file a command is about to replace: refused, with a message, when it exists and is
// no regular file (a FIFO, a device such as /dev/null) or when it is the input itself,
// under whatever name. kExitOk or kExitInput.
int checkTarget(const Invocation& call, const QString& target, const QString& input);

// What the drawing library made of a target: its message and kExitInput when it failed;
// for the target "-" its bytes go to standard output.
int deliver(Invocation& call, const pdf_module::Outcome& outcome, const QString& target);

} // namespace zek::cli
