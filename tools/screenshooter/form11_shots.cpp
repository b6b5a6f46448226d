#include "tools/screenshooter/shots.h"

std::vector<Shot> form11Shots() {
    return {
        {"form11_author", ScreenId::Form11,
         [](TestProgram& t) { t.click(ScreenId::Form1, "Image11"); }},
    };
}
