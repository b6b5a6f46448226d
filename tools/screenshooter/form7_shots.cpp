#include "tools/screenshooter/shots.h"

std::vector<Shot> form7Shots() {
    return {
        {"form7_text", ScreenId::Form7, [](TestProgram& t) { t.click(ScreenId::Form1, "Image8"); }},
    };
}
