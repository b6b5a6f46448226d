#pragma once
// The guide character of the program: its queue on the given clock, its window with the wizard
// and the speech balloon, and its Russian voice. The voice loads in the background, so making
// the character costs start-up nothing noticeable.
#include <memory>

#include "media/guide.h"

class Clock;

std::unique_ptr<Guide> makeGuideCharacter(Clock& clock);
