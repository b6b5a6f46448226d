#include "shell/device_loader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

namespace {

QStringList places() {
    const QString dir = QCoreApplication::applicationDirPath();
    const QString name = QString::fromLatin1(kDeviceModuleName);
    return {dir + u'/' + name, dir + QStringLiteral("/" MASTERSKAYA_DEVICE_DIR "/") + name};
}

}  // namespace

bool loadDevices(Clock& clock, Devices& made, QString* why) {
    return loadDevicesFrom(places(), clock, made, why);
}

bool loadDevicesFrom(const QStringList& places, Clock& clock, Devices& made, QString* why) {
    QStringList reasons;
    for (const QString& place : places) {
        if (!QFileInfo::exists(place)) continue;
        // Kept loaded to the end: the devices' code runs until the program has ended.
        QLibrary module(place);
        module.setLoadHints(QLibrary::PreventUnloadHint);
        const auto make = reinterpret_cast<MakeDevices>(module.resolve(kMakeDevicesSymbol));
        if (!make) {
            reasons << module.errorString();
            continue;
        }
        make(clock, made);
        return true;
    }
    if (why)
        *why = reasons.isEmpty() ? QStringLiteral("no %1 in %2")
                                       .arg(QString::fromLatin1(kDeviceModuleName),
                                            places.join(QStringLiteral(", ")))
                                 : reasons.join(QStringLiteral("; "));
    return false;
}
