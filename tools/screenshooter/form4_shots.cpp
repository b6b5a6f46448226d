#include "tools/screenshooter/shots.h"

namespace {

void openLesson(TestProgram& t) {
    t.click(ScreenId::Form1, "Image5");
}

void startTour(TestProgram& t) {
    openLesson(t);
    t.click(ScreenId::Form4, "Image1");
}

// The tour with the pointer last over one hot spot, whose frame then shows.
Shot frameShot(const char* name, const char* hotSpot) {
    return {name, ScreenId::Form4, [hotSpot](TestProgram& t) {
                startTour(t);
                t.mouseMove(ScreenId::Form4, QString::fromUtf8(hotSpot));
            }};
}

}  // namespace

std::vector<Shot> form4Shots() {
    return {
        {"form4_text", ScreenId::Form4, openLesson},
        {"form4_tour", ScreenId::Form4, startTour},
        frameShot("form4_frame_toolbox", "Image3"),
        frameShot("form4_frame_form", "Image4"),
        frameShot("form4_frame_project", "Image5"),
        frameShot("form4_frame_properties", "Image6"),
        frameShot("form4_frame_toolbar", "Image7"),
        {"form4_text_after_tour", ScreenId::Form4,
         [](TestProgram& t) {
             startTour(t);
             t.mouseMove(ScreenId::Form4, QStringLiteral("Image4"));
             t.click(ScreenId::Form4, "Command2");
         }},
    };
}
