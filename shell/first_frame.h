#pragma once
// Runs `then` once, as soon as the first window of the program has been painted (or after a
// second at the latest, where nothing is ever painted).
#include <functional>

void afterFirstFrame(std::function<void()> then);
