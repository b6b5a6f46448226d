#include "tools/screenshooter/shots.h"

std::vector<Shot> form6Shots() {
    return {
        {"form6_text", ScreenId::Form6, [](TestProgram& t) { t.click(ScreenId::Form1, "Image7"); }},
    };
}
