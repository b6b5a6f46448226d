#include "tools/screenshooter/shots.h"

std::vector<Shot> form10Shots() {
    return {
        {"form10_album", ScreenId::Form10,
         [](TestProgram& t) { t.program().show(ScreenId::Form10); }},
    };
}
