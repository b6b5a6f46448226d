#include "tools/screenshooter/shots.h"

namespace {

void arrive(TestProgram& t) {
    t.click(ScreenId::Form1, "Image9");
}

void pencils(TestProgram& t) {
    arrive(t);
    t.click(ScreenId::Form8, "Image1");
}

void givenUp(TestProgram& t) {
    pencils(t);
    t.click(ScreenId::Form10, "EndPaint");
}

}  // namespace

std::vector<Shot> form8Shots() {
    return {
        {"form8_text", ScreenId::Form8, arrive},
        {"form8_arrows", ScreenId::Form8, pencils},
        {"form8_cartoon_over_arrows", ScreenId::Form8, givenUp},
        {"form8_cartoon_alone", ScreenId::Form8,
         [](TestProgram& t) {
             givenUp(t);
             t.click(ScreenId::Form8, "Image3");
         }},
    };
}
