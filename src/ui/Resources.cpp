#include "ui/Resources.h"

#include <QtGlobal>

static void initShellQrc() {
    Q_INIT_RESOURCE(shell);
}

namespace zek {

void InitShellResources() {
    initShellQrc();
}

} // namespace zek
