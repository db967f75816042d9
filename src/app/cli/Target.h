#pragma once

#include "Common.h"

#include <QString>

namespace zek::cli {

// A file a command is about to replace: refused, with a message, when it exists and is
// no regular file (a FIFO, a device such as /dev/null) or when it is the input itself,
// under whatever name. kExitOk or kExitInput.
int checkTarget(const Invocation& call, const QString& target, const QString& input);

} // namespace zek::cli
