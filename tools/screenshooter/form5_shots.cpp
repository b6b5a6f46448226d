#include "tools/screenshooter/shots.h"

namespace {

void open(TestProgram& t) {
    t.click(ScreenId::Form1, "Image6");
}

// The mouse passes over the car: the picture is uncovered.
void uncover(TestProgram& t) {
    open(t);
    t.mouseMove(ScreenId::Form5, "Picture1");
}

void bounce(TestProgram& t, int ticks) {
    uncover(t);
    t.click(ScreenId::Form5, "Image3");
    t.advance(100 * ticks);
}

void drive(TestProgram& t) {
    t.mouseDown(ScreenId::Form5, "Picture1", 1);
}

}  // namespace

std::vector<Shot> form5Shots() {
    return {
        {"form5_text", ScreenId::Form5, open},
        {"form5_picture", ScreenId::Form5, uncover},
        {"form5_ball_high", ScreenId::Form5, [](TestProgram& t) { bounce(t, 5); }},
        {"form5_ball_floor", ScreenId::Form5, [](TestProgram& t) { bounce(t, 27); }},
        {"form5_ball_pushed", ScreenId::Form5,
         [](TestProgram& t) {
             bounce(t, 16);
             for (int i = 0; i < 8; ++i) t.click(ScreenId::Form5, "Image5");
         }},
        {"form5_car_left", ScreenId::Form5,
         [](TestProgram& t) {
             uncover(t);
             drive(t);
         }},
        {"form5_car_left_text", ScreenId::Form5,
         [](TestProgram& t) {
             bounce(t, 12);
             drive(t);
             t.click(ScreenId::Form5, "Command2");
         }},
        {"form5_car_back", ScreenId::Form5,
         [](TestProgram& t) {
             uncover(t);
             drive(t);
             drive(t);
         }},
    };
}
