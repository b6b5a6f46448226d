#include "tools/screenshooter/shots.h"

std::vector<Shot> form4Shots() {
    return {
        {"form4_text", ScreenId::Form4, [](TestProgram& t) { t.click(ScreenId::Form1, "Image5"); }},
    };
}
