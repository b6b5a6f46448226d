#include "tools/screenshooter/shots.h"

std::vector<Shot> form2Shots() {
    return {
        {"form2_text", ScreenId::Form2, [](TestProgram& t) { t.click(ScreenId::Form1, "Image3"); }},
    };
}
