#include "tools/screenshooter/shots.h"

std::vector<Shot> form3Shots() {
    return {
        {"form3_text", ScreenId::Form3, [](TestProgram& t) { t.click(ScreenId::Form1, "Image4"); }},
    };
}
