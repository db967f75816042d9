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

int deliver(Invocation& call, const pdf_module::Outcome& outcome, const QString& target) {
    if (!outcome.ok) {
        call.message(outcome.error);
        return kExitInput;
    }
    if (target == QLatin1String("-"))
        call.write(std::string_view(outcome.bytes.constData(), std::size_t(outcome.bytes.size())));
    return kExitOk;
}

} // namespace zek::cli
