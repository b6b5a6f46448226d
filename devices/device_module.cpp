// The entry of the device module: every real device, made on the program's clock.
#include "devices/default_backends.h"
#include "devices/espeak_voice.h"
#include "media/devices.h"

extern "C" Q_DECL_EXPORT void masterskayaMakeDevices(Clock& clock, Devices& made) {
    static_assert(std::is_same_v<decltype(&masterskayaMakeDevices), MakeDevices>);
    made.media = makeDefaultBackendFactory(clock);
    made.voice = std::make_unique<EspeakVoice>();
}
