#include "tools/screenshooter/shots.h"

std::vector<Shot> form7Shots() {
    const auto arrive = [](TestProgram& t) { t.click(ScreenId::Form1, "Image8"); };
    return {
        {"form7_text", ScreenId::Form7, arrive},
        {"form7_clock", ScreenId::Form7,
         [arrive](TestProgram& t) {
             arrive(t);
             t.advance(1000);
         }},
        {"form7_large_picture", ScreenId::Form7,
         [arrive](TestProgram& t) {
             arrive(t);
             t.advance(1000);
             t.click(ScreenId::Form7, "Image1");
         }},
    };
}
