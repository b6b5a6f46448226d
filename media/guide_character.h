#pragma once
// The guide character of the program: its queue on the given clock, its window with the wizard
// and the speech balloon, speaking with the given voice (which outlives it). The window is drawn
// just after start-up, so making the character costs start-up nothing noticeable.
#include <memory>

#include "media/guide.h"

class Clock;
class GuideVoice;

std::unique_ptr<Guide> makeGuideCharacter(Clock& clock, GuideVoice& voice);
