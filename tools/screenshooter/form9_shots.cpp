#include "tools/screenshooter/shots.h"

std::vector<Shot> form9Shots() {
    return {
        {"form9_text", ScreenId::Form9,
         [](TestProgram& t) { t.click(ScreenId::Form1, "Image10"); }},
    };
}
