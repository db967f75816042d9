#include "Target.h"

#include "io/FileAccess.h"

namespace zek::cli {

int checkTarget(const Invocation& call, const QString& target, const QString& input) {
    if (isSpecialFile(target)) {
        call.message(call.text(kTextNotRegularTarget).arg(target));
        return kExitInput;
    }
    if (sameFile(target, input)) {
        call.message(call.text(kTextTargetIsInput).arg(target));
        return kExitInput;
    }
    return kExitOk;
}

} // namespace zek::cli
