#pragma once
// Finds the device module beside the program (in the build tree) or in its installed place and
// makes the devices with it. False, with the reason, when there is no module to be had: the
// course then runs in silence.
#include <QString>
#include <QStringList>

#include "media/devices.h"

bool loadDevices(Clock& clock, Devices& made, QString* why = nullptr);

// The same from the first of `places` (paths of the module) that holds a module.
bool loadDevicesFrom(const QStringList& places, Clock& clock, Devices& made,
                     QString* why = nullptr);
