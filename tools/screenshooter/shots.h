#pragma once
// The states of every screen worth a picture for review. Each screen has its own list in
// formN_shots.cpp; a shot starts from a fresh program at the menu and is driven like a test.
#include <functional>
#include <vector>

#include "tests/support/test_program.h"

struct Shot {
    const char* name;  // file name without .png
    ScreenId screen;   // whose window is photographed
    std::function<void(TestProgram&)> drive;
};

std::vector<Shot> form1Shots();
std::vector<Shot> form2Shots();
std::vector<Shot> form3Shots();
std::vector<Shot> form4Shots();
std::vector<Shot> form5Shots();
std::vector<Shot> form6Shots();
std::vector<Shot> form7Shots();
std::vector<Shot> form8Shots();
std::vector<Shot> form9Shots();
std::vector<Shot> form10Shots();
std::vector<Shot> form11Shots();
