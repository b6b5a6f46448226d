#include "tools/screenshooter/shots.h"

std::vector<Shot> form3Shots() {
    auto open = [](TestProgram& t) { t.click(ScreenId::Form1, "Image4"); };
    return {
        {"form3_text", ScreenId::Form3, open},
        {"form3_tour", ScreenId::Form3,
         [open](TestProgram& t) {
             open(t);
             t.click(ScreenId::Form3, "Image1");
         }},
    };
}
