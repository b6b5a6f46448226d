#include "tools/screenshooter/shots.h"

namespace {

// The album as the Lesson 5 pencils open it.
void openAlbum(TestProgram& t) {
    t.click(ScreenId::Form1, "Image9");
    t.click(ScreenId::Form8, "Image1");
}

void press(TestProgram& t, int button, int xPixels, int yPixels) {
    t.mouseDown(ScreenId::Form10, "Form10", button, xPixels * 15, yPixels * 15);
}

// A house with a roof, a sun of points and a path: lines from the corner first.
void drawHouse(TestProgram& t) {
    for (auto [x, y] : {std::pair{60, 170}, {60, 100}, {130, 100}, {130, 170}, {60, 170}})
        press(t, 1, x, y);
    press(t, 2, 50, 100);
    for (auto [x, y] : {std::pair{95, 55}, {140, 100}}) press(t, 1, x, y);
    for (int i = 0; i < 12; ++i) press(t, 2, 250 + (i % 4) * 8, 30 + (i / 4) * 8);
}

}  // namespace

std::vector<Shot> form10Shots() {
    return {
        {"form10_album", ScreenId::Form10, openAlbum},
        {"form10_drawing", ScreenId::Form10,
         [](TestProgram& t) {
             openAlbum(t);
             drawHouse(t);
         }},
        {"form10_red_pencil_yellow_paper", ScreenId::Form10,
         [](TestProgram& t) {
             openAlbum(t);
             t.dialogs.colorAnswers = {0x0080FFFF, 0x000000FF};
             t.click(ScreenId::Form10, "ColorPaper");
             t.click(ScreenId::Form10, "Color");
             drawHouse(t);
         }},
    };
}
