#pragma once
// The guide character's voice as its queue drives it: one sentence at a time, cut at once when
// told. Where the sound goes (and whether there is a sound device at all) is the voice's business.
#include <QString>
#include <QtGlobal>
#include <functional>

class GuideVoice {
public:
    virtual ~GuideVoice() = default;

    // Starts saying `text` and returns at once. When the voice knows how long the speech lasts it
    // calls `lasts` on the event thread with the milliseconds still to be heard.
    virtual void say(const QString& text, std::function<void(qint64 remainingMs)> lasts) = 0;

    // Cuts the speech at once; no `lasts` of it arrives after this.
    virtual void hush() = 0;

    // How far the mouth opens now, 0 .. 1, following the loudness of what is being heard; below 0
    // when the voice has nothing to follow (it could not make the speech).
    virtual float mouth() const = 0;
};
