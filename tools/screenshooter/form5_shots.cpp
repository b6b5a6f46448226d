#include "tools/screenshooter/shots.h"

std::vector<Shot> form5Shots() {
    return {
        {"form5_text", ScreenId::Form5, [](TestProgram& t) { t.click(ScreenId::Form1, "Image6"); }},
    };
}
