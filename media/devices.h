#pragma once
// What the device module makes for the program: the media it plays and the guide's voice. The
// module exports one function of type MakeDevices under the name kMakeDevicesSymbol.
#include <memory>

#include "media/guide_voice.h"
#include "media/media_backend.h"

class Clock;

struct Devices {
    std::unique_ptr<MediaBackendFactory> media;
    std::unique_ptr<GuideVoice> voice;
};

using MakeDevices = void (*)(Clock& clock, Devices& made);
inline constexpr char kMakeDevicesSymbol[] = "masterskayaMakeDevices";
inline constexpr char kDeviceModuleName[] = "masterskaya-devices.so";
