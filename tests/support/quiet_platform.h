#pragma once
// The offscreen platform warns about every raise() and size hint it cannot honour; those
// warnings say nothing about the program, so they are dropped.
#include <QtGlobal>

void silenceOffscreenPlatformWarnings();
