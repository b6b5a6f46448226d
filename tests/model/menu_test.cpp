// The main menu as a child uses it, without a display.
#include <gtest/gtest.h>

#include <QDate>
#include <QFile>

#include "media/media_player.h"
#include "tests/support/test_program.h"

namespace {

const QStringList kClick = {"Form1.MMControl2 Close", "Form1.MMControl2 Open 1.wav",
                            "Form1.MMControl2 Play"};

// The part of every lesson hot spot between its sound and its guide steps.
QStringList opens(const QString& form, const QStringList& beforeText = {}, bool creates = true) {
    QStringList s = {"Form1 MousePointer 99"};
    s += beforeText;
    if (creates) s << "create " + form;
    return s + QStringList{form + ".RichTextBox1 text", "hide Form1", "show " + form,
                           "Form1 MousePointer 0"};
}

struct LessonRow {
    const char* hotSpot;
    ScreenId target;
    QStringList journal;
};

class MenuLessonHotSpot : public ::testing::TestWithParam<LessonRow> {};

TEST_P(MenuLessonHotSpot, RunsItsStepsInOrderAndOpensItsScreenInTextMode) {
    const LessonRow& row = GetParam();
    TestProgram t;
    t.start();
    const int from = t.mark();
    t.click(ScreenId::Form1, row.hotSpot);
    EXPECT_EQ(t.since(from), row.journal);

    Screen& target = t.screen(row.target);
    EXPECT_TRUE(target.visible());
    EXPECT_FALSE(t.screen(ScreenId::Form1).visible());
    EXPECT_TRUE(target["RichTextBox1"].visible());
    EXPECT_FALSE(target["Command2"].enabled());
    EXPECT_TRUE(target["RichTextBox1"].rtfText().startsWith("{\\rtf1\\ansi lesson"));
}

INSTANTIATE_TEST_SUITE_P(
    Menu, MenuLessonHotSpot,
    ::testing::Values(
        LessonRow{"Image3", ScreenId::Form2,
                  kClick + opens("Form2") +
                      QStringList{"guide Stop", "guide MoveTo 640 220", "guide Show",
                                  "guide Speak Наступи левой ногой на книгу."}},
        LessonRow{"Image4", ScreenId::Form3,
                  kClick + opens("Form3") +
                      QStringList{"guide Stop", "guide MoveTo 360 410", "guide Show",
                                  "guide Speak Ударь стражника по шлему!"}},
        LessonRow{
            "Image5", ScreenId::Form4,
            QStringList{"guide Stop", "guide MoveTo 750 250", "guide Show", "guide Play Greet",
                        "guide Play RestPose", "guide Speak Нажми мышкой на экран дисплея."} +
                kClick + opens("Form4")},
        LessonRow{
            "Image6", ScreenId::Form5,
            QStringList{"guide Stop", "guide MoveTo 540 30", "guide Show",
                        "guide Speak Проверь - работает ли микрофон, поставлен ли автомобиль на "
                        "сигнализацию, боится ли ребенок щекотки?"} +
                kClick + opens("Form5")},
        LessonRow{"Image7", ScreenId::Form6,
                  QStringList{"guide Stop", "guide MoveTo 150 420", "guide Show",
                              "guide Speak Наступи на левое ухо котенка."} +
                      kClick + opens("Form6", {"create Form6"}, false)},
        LessonRow{
            "Image8", ScreenId::Form7,
            QStringList{"guide Stop", "guide MoveTo 460 375", "guide Show", "guide Play DoMagic1"} +
                kClick + opens("Form7")},
        LessonRow{"Image9", ScreenId::Form8,
                  QStringList{"guide MoveTo 490 150", "guide Show", "guide Play GestureLeft",
                              "guide Speak Возьми карандаш, если желаешь порисовать."} +
                      kClick + opens("Form8")},
        LessonRow{
            "Image10", ScreenId::Form9,
            QStringList{
                "guide Stop", "guide MoveTo 660 330", "guide Show", "guide Play GestureRight",
                "guide Speak Ступи на палубу парусника и отправляйся в кругосветное путешествие "
                "в мир мультимедиа!"} +
                kClick +
                QStringList{"Form1.MMControl1 Close", "create Form9", "Form9.MMControl1 Close"} +
                opens("Form9", {}, false)}),
    [](const auto& info) { return std::string(info.param.hotSpot); });

TEST(Menu, StartCreatesOnlyTheMenuAndStartsItsMusic) {
    TestProgram t;
    t.start();
    EXPECT_EQ(t.journal, (QStringList{"create Form1", "Form1.MMControl1 Open \\evy\\1.mid",
                                      "Form1.MMControl1 Play", "show Form1"}));
    Screen& menu = t.screen(ScreenId::Form1);
    EXPECT_EQ(menu.clientWidth(), 6240);
    EXPECT_EQ(menu.clientHeight(), 4800);
    for (ScreenId id : kAllScreens) EXPECT_EQ(t.existing(id) != nullptr, id == ScreenId::Form1);
}

TEST(Menu, FramesAlternateEveryThreeSecondsAlsoWhileHidden) {
    TestProgram t;
    t.start();
    Screen& menu = t.screen(ScreenId::Form1);
    auto frameB = [&] { return menu["Image12"].visible() && !menu["Image1"].visible(); };
    t.advance(2999);
    EXPECT_FALSE(frameB());
    t.advance(1);
    EXPECT_TRUE(frameB());
    t.click(ScreenId::Form1, "Image5");  // hides the menu
    t.advance(3000);
    EXPECT_FALSE(frameB());
    EXPECT_TRUE(menu["Image1"].visible());
    t.advance(3000);
    EXPECT_TRUE(frameB());
}

TEST(Menu, WithoutTheMediaFolderTheLessonShowsTheWarningTextAndTheCursorIsReset) {
    TestProgram t(false);
    t.start();
    t.click(ScreenId::Form1, "Image5");
    Screen& lesson = t.screen(ScreenId::Form4);
    EXPECT_TRUE(lesson.visible());
    EXPECT_TRUE(
        lesson["RichTextBox1"].rtfText().startsWith("{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl"));
    EXPECT_TRUE(lesson["RichTextBox1"].rtfText().contains("\\'cf\\'f0\\'ee\\'e3"));
    EXPECT_EQ(t.screen(ScreenId::Form1).mousePointer(), 0);
}

TEST(Menu, LessonTextIsReadAfreshOnEveryVisitAndKeptWhenTheFileGoes) {
    TestProgram t;
    t.start();
    t.writeFile("EVY/1.vrk", "{\\rtf1 first}");
    t.click(ScreenId::Form1, "Image5");
    t.click(ScreenId::Form4, "Command1");
    t.writeFile("evy/1.VRK", "{\\rtf1 second}");  // any letter case
    QFile::remove(t.workingDir() + "/EVY/1.vrk");
    t.click(ScreenId::Form1, "Image5");
    EXPECT_EQ(t.screen(ScreenId::Form4)["RichTextBox1"].rtfText(), "{\\rtf1 second}");
    t.click(ScreenId::Form4, "Command1");
    QFile::remove(t.workingDir() + "/evy/1.VRK");
    t.click(ScreenId::Form1, "Image5");
    EXPECT_EQ(t.screen(ScreenId::Form4)["RichTextBox1"].rtfText(), "{\\rtf1 second}");
}

TEST(Menu, ASilenceClickBeforeAnyLessonCreatesTheirScreensHiddenAndPlaysTheSilenceSound) {
    TestProgram t;
    t.start();
    const int from = t.mark();
    t.click(ScreenId::Form1, "Image13");
    EXPECT_EQ(t.since(from),
              (QStringList{"Form1.MMControl1 Close", "create Form6", "Form6.MMControl3 Close",
                           "create Form9", "Form9.MMControl1 Close",
                           "Form9.MMControl1 Open \\evy\\13.wav", "Form9.MMControl1 Play"}));
    EXPECT_FALSE(t.screen(ScreenId::Form6).visible());
    EXPECT_FALSE(t.screen(ScreenId::Form9).visible());
}

TEST(Menu, AfterSilenceTheClickSoundStillPlaysAndTheMusicStaysOff) {
    TestProgram t;
    t.start();
    t.click(ScreenId::Form1, "Image13");
    const int from = t.mark();
    t.click(ScreenId::Form1, "Image3");
    EXPECT_TRUE(t.since(from).contains("Form1.MMControl2 Play"));
    EXPECT_EQ(t.screen(ScreenId::Form1).player("MMControl1").mode(), MediaPlayer::Mode::NotOpen);
}

TEST(Menu, BackgroundClickStopsTheGuideThenGesturesAndSpeaks) {
    TestProgram t;
    t.start();
    for (const char* background : {"Image1", "Image12"}) {
        const int from = t.mark();
        t.click(ScreenId::Form1, background);
        EXPECT_EQ(t.since(from),
                  (QStringList{"guide Stop", "guide Show", "guide GestureAt 500 200",
                               "guide Play Decline", "guide GestureAt 500 200",
                               "guide Speak Не суетись! Выбери нужную тебе кнопку."}));
    }
}

TEST(Menu, MovingOverAButtonHidesTheGuideButNotOverExitSilenceOrBackground) {
    TestProgram t;
    t.start();
    for (const char* spot : {"Image3", "Image4", "Image5", "Image6", "Image7", "Image8", "Image9",
                             "Image10", "Image11"}) {
        const int from = t.mark();
        t.mouseMove(ScreenId::Form1, spot);
        EXPECT_EQ(t.since(from), QStringList{"guide Hide"}) << spot;
    }
    const int from = t.mark();
    for (const char* other : {"Image2", "Image13", "Image1", "Image12"})
        t.mouseMove(ScreenId::Form1, other);
    EXPECT_TRUE(t.since(from).isEmpty());
}

TEST(Menu, ExitUnloadsTheAlbumStopsTheDiscAndEndsAtOnce) {
    TestProgram t;
    t.start();
    t.screen(ScreenId::Form10);
    const int from = t.mark();
    t.click(ScreenId::Form1, "Image2");
    EXPECT_EQ(t.since(from), (QStringList{"unload Form10", "create Form6", "Form6.MMControl3 Stop",
                                          "Form6.MMControl3 Close", "end"}));
    EXPECT_TRUE(t.program().hasEnded());
    const int after = t.mark();
    t.advance(10000);  // no timer handler runs any more
    t.click(ScreenId::Form1, "Image3");
    EXPECT_TRUE(t.since(after).isEmpty());
}

TEST(Menu, AuthorHotSpotShowsTheAuthorScreenWithItsMusic) {
    TestProgram t;
    t.start();
    const int from = t.mark();
    t.click(ScreenId::Form1, "Image11");
    const QStringList expected = {"guide Stop",
                                  "guide MoveTo 600 350",
                                  "guide Show",
                                  "guide Play Announce",
                                  "guide Speak Пиши, звони, не тормози!",
                                  "guide Play GestureRight",
                                  "guide Play Explain",
                                  "guide Play GestureRight",
                                  "guide Play Congratulate_2",
                                  "guide Play Congratulate_2",
                                  "guide Hide",
                                  "create Form6",
                                  "Form6.MMControl3 Stop",
                                  "Form6.MMControl3 Close",
                                  "create Form9",
                                  "Form9.MMControl1 Close",
                                  "Form1.MMControl2 Close",
                                  "Form1.MMControl2 Open 1.wav",
                                  "Form1.MMControl2 Play",
                                  "hide Form1",
                                  "create Form11",
                                  "show Form11",
                                  "Form1.MMControl1 Close",
                                  "Form1.MMControl1 Open /evy/2.mid",
                                  "Form1.MMControl1 Play"};
    EXPECT_EQ(t.since(from), expected);
}

TEST(Menu, LessonFiveAlwaysStartsWithItsCartoonHidden) {
    TestProgram t;
    t.start();
    t.screen(ScreenId::Form8)["Image3"].show();
    t.click(ScreenId::Form1, "Image9");
    EXPECT_FALSE(t.screen(ScreenId::Form8)["Image3"].visible());
}

TEST(Menu, LessonThreeShowsTodaysDateAndLessonFourStartsItsTimers) {
    TestProgram t;
    t.start();
    t.click(ScreenId::Form1, "Image7");
    Widget& date = t.screen(ScreenId::Form6)["Label1"];
    EXPECT_TRUE(date.visible());
    EXPECT_TRUE(showsDate(date.caption(), t.clock.wallStart.date())) << date.caption();
    t.click(ScreenId::Form6, "Command1");
    t.click(ScreenId::Form1, "Image8");
    EXPECT_TRUE(t.screen(ScreenId::Form7)["Timer1"].enabled());
    EXPECT_TRUE(t.screen(ScreenId::Form7)["Timer2"].enabled());
}

TEST(Menu, AfterLessonsLeavesTheMenuSilentOnReturn) {
    TestProgram t;
    t.start();
    t.click(ScreenId::Form1, "Image10");
    t.click(ScreenId::Form9, "Command1");
    EXPECT_TRUE(t.screen(ScreenId::Form1).visible());
    EXPECT_EQ(t.screen(ScreenId::Form1).player("MMControl1").mode(), MediaPlayer::Mode::NotOpen);
}

TEST(Menu, ClickSoundIsSilentWhenTheWorkingDirectoryLacksItButRootedMusicPlays) {
    TestProgram t;
    QFile::remove(t.workingDir() + "/1.wav");
    t.start();
    EXPECT_EQ(t.screen(ScreenId::Form1).player("MMControl1").mode(), MediaPlayer::Mode::Playing);
    t.click(ScreenId::Form1, "Image3");
    EXPECT_EQ(t.screen(ScreenId::Form1).player("MMControl2").mode(), MediaPlayer::Mode::NotOpen);
    EXPECT_TRUE(t.screen(ScreenId::Form2).visible());
}

}  // namespace
