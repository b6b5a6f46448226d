#include "tests/support/quiet_platform.h"

#include <QString>

namespace {

QtMessageHandler previous = nullptr;

void filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    if (previous) previous(type, context, message);
}

}  // namespace

void silenceOffscreenPlatformWarnings() {
    previous = qInstallMessageHandler(filter);
}
