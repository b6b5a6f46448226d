#pragma once
// Lengths on screens are twips: 1440 to the inch, 15 to the pixel at 96 dpi. Positions are stored
// exactly as set; only the view converts, and Qt scales pixels for high-dpi screens.
#include <cmath>

constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    // Rounds half away from zero so that negative positions mirror positive ones.
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr int pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}
