#include "tools/screenshooter/shots.h"

namespace {

void openLesson(TestProgram& t) {
    t.click(ScreenId::Form1, "Image7");
}

// A left press on the kitten, then `ticks` steps of the flight.
void fly(TestProgram& t, int ticks) {
    openLesson(t);
    t.mouseDown(ScreenId::Form6, "Image1", 1);
    t.advance(40 * ticks);
}

}  // namespace

std::vector<Shot> form6Shots() {
    return {
        {"form6_text", ScreenId::Form6, openLesson},
        {"form6_flight_first_tick", ScreenId::Form6, [](TestProgram& t) { fly(t, 1); }},
        {"form6_flight_top_wall", ScreenId::Form6, [](TestProgram& t) { fly(t, 12); }},
        {"form6_flight_right_wall", ScreenId::Form6, [](TestProgram& t) { fly(t, 138); }},
        {"form6_basketball", ScreenId::Form6,
         [](TestProgram& t) {
             fly(t, 30);
             t.click(ScreenId::Form6, "Image2");
             t.advance(40 * 8);
         }},
        {"form6_stopped_with_date", ScreenId::Form6,
         [](TestProgram& t) {
             fly(t, 60);
             t.mouseDown(ScreenId::Form6, "Image1", 2);
         }},
        {"form6_text_while_flying", ScreenId::Form6,
         [](TestProgram& t) {
             fly(t, 100);
             t.click(ScreenId::Form6, "Command2");
         }},
        {"form6_cd_player", ScreenId::Form6,
         [](TestProgram& t) {
             t.media.discInDrive = true;
             fly(t, 20);
             t.click(ScreenId::Form6, "Image4");
         }},
        {"form6_cd_player_text", ScreenId::Form6,
         [](TestProgram& t) {
             t.media.discInDrive = true;
             openLesson(t);
             t.click(ScreenId::Form6, "Image4");
         }},
    };
}
