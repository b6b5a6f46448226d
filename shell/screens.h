#pragma once
// The definitions of the program's eleven screens, one source file each.
#include "shell/program.h"

const ScreenDefinition& form1();   // main menu (shell/form1.cpp)
const ScreenDefinition& form2();   // Introduction (lessons/form2.cpp)
const ScreenDefinition& form3();   // Before lessons (lessons/form3.cpp)
const ScreenDefinition& form4();   // Lesson 1 (lessons/form4.cpp)
const ScreenDefinition& form5();   // Lesson 2 (lessons/form5.cpp)
const ScreenDefinition& form6();   // Lesson 3 (lessons/form6.cpp)
const ScreenDefinition& form7();   // Lesson 4 (lessons/form7.cpp)
const ScreenDefinition& form8();   // Lesson 5 (lessons/form8.cpp)
const ScreenDefinition& form9();   // After lessons (player/form9.cpp)
const ScreenDefinition& form10();  // drawing album (album/form10.cpp)
const ScreenDefinition& form11();  // author screen (shell/form11.cpp)

// All eleven, indexed by ScreenId.
const ScreenCatalog& screenCatalog();
