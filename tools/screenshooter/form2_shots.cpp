#include "tools/screenshooter/shots.h"

std::vector<Shot> form2Shots() {
    auto open = [](TestProgram& t) { t.click(ScreenId::Form1, "Image3"); };
    return {
        {"form2_text", ScreenId::Form2, open},
        {"form2_drive", ScreenId::Form2,
         [open](TestProgram& t) {
             open(t);
             t.click(ScreenId::Form2, "Image3");
         }},
        {"form2_after_truck", ScreenId::Form2,
         [open](TestProgram& t) {
             open(t);
             t.click(ScreenId::Form2, "Image2");
             t.click(ScreenId::Form2, "Image1");
         }},
    };
}
