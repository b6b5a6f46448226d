#include "tools/screenshooter/shots.h"

std::vector<Shot> form11Shots() {
    const auto open = [](TestProgram& t) { t.click(ScreenId::Form1, "Image11"); };
    return {
        {"form11_author", ScreenId::Form11, open},
        {"form11_icon_second_place", ScreenId::Form11,
         [open](TestProgram& t) {
             open(t);
             t.advance(500);
         }},
        {"form11_icon_first_place", ScreenId::Form11,
         [open](TestProgram& t) {
             open(t);
             t.advance(1000);
         }},
        {"form11_caught_flag", ScreenId::Form11,
         [open](TestProgram& t) {
             open(t);
             t.advance(500);
             t.click(ScreenId::Form11, "Image2");
         }},
    };
}
