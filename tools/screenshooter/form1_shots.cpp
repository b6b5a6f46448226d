#include "tools/screenshooter/shots.h"

std::vector<Shot> form1Shots() {
    return {
        {"form1_menu", ScreenId::Form1, [](TestProgram&) {}},
        {"form1_menu_frame_b", ScreenId::Form1, [](TestProgram& t) { t.advance(3000); }},
    };
}
