#include "tools/screenshooter/shots.h"

std::vector<Shot> form8Shots() {
    return {
        {"form8_text", ScreenId::Form8, [](TestProgram& t) { t.click(ScreenId::Form1, "Image9"); }},
    };
}
