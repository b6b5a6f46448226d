// Lesson 1 as a child uses it, without a display: the window tour, its frames and explanations.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/support/test_program.h"

namespace {

const QStringList kHotSpots = {"Image3", "Image4", "Image5", "Image6", "Image7"};

// The lesson opened from the menu, with every change of a widget's visibility or enabled state
// written into the journal, so that a handler's widget steps line up with its guide steps.
class Lesson1 : public ::testing::Test {
protected:
    void SetUp() override {
        t.start();
        t.click(ScreenId::Form1, "Image5");
        journalWidgets();
    }

    Screen& lesson() { return t.screen(ScreenId::Form4); }
    void click(const QString& widget) { t.click(ScreenId::Form4, widget); }
    void move(const QString& widget) { t.mouseMove(ScreenId::Form4, widget); }

    // The indexes of the highlight frames that are visible.
    std::vector<int> visibleFrames() {
        std::vector<int> shown;
        for (int i = 0; i < 5; ++i)
            if (lesson().w("Shape1", i).visible()) shown.push_back(i);
        return shown;
    }

    // The screen's two layouts: text mode, or the window tour (whose frames the mouse sets).
    void expectLayout(bool tour) {
        Screen& s = lesson();
        EXPECT_EQ(s["RichTextBox1"].visible(), !tour);
        EXPECT_EQ(s["Command2"].enabled(), tour);
        EXPECT_EQ(s["Image1"].visible(), !tour);
        EXPECT_EQ(s["Label1"].visible(), !tour);
        EXPECT_EQ(s["Image2"].visible(), tour);
        for (const QString& spot : kHotSpots)
            EXPECT_EQ(s.find(spot)->enabled(), tour) << spot.toStdString();
        if (!tour) {
            EXPECT_TRUE(visibleFrames().empty());
        }
    }
    void expectTextMode() { expectLayout(false); }
    void expectTour() { expectLayout(true); }

    TestProgram t;

private:
    void journalWidgets() {
        Screen& s = lesson();
        struct State {
            bool visible, enabled;
        };
        auto last = std::make_shared<std::vector<State>>();
        for (const auto& w : s.widgets()) last->push_back({w->visible(), w->enabled()});
        QObject::connect(&s, &Screen::widgetChanged, [this, &s, last](int slot) {
            const Widget& w = *s.widgets()[slot];
            State& was = (*last)[slot];
            if (w.visible() != was.visible)
                t.journal << w.name() + (w.visible() ? " show" : " hide");
            if (w.enabled() != was.enabled)
                t.journal << w.name() + (w.enabled() ? " enable" : " disable");
            was = {w.visible(), w.enabled()};
        });
    }
};

TEST_F(Lesson1, OpensInTextModeWithTheHotSpotsDisabled) {
    EXPECT_TRUE(lesson().visible());
    expectTextMode();
}

TEST_F(Lesson1, TheComputerAnnouncesTheEnvironmentThenStartsTheTour) {
    const int from = t.mark();
    click("Image1");
    EXPECT_EQ(t.since(from),
              (QStringList{"guide Stop", "guide MoveTo 380 280",
                           "guide Speak Перед тобой волшебная мастерская - среда программирования "
                           "Microsoft Visual Basic. Здесь ты будешь творить чудеса!",
                           "guide Play GestureUp", "guide Play DoMagic1", "guide Play DoMagic2",
                           "guide Play GestureUp", "Command2 enable", "Image2 show", "Image1 hide",
                           "Label1 hide", "RichTextBox1 hide", "Image3 enable", "Image4 enable",
                           "Image5 enable", "Image6 enable", "Image7 enable"}));
    expectTour();
    EXPECT_TRUE(visibleFrames().empty());
}

const QStringList kEndOfTour = {"Command2 disable", "Image2 hide",       "Image1 show",
                                "Label1 show",      "RichTextBox1 show", "Image3 disable",
                                "Image4 disable",   "Image5 disable",    "Image6 disable",
                                "Image7 disable",   "Shape1(3) hide"};

struct EndRow {
    const char* button;
    QStringList journal;
    bool leavesScreen;
};

class Lesson1End : public Lesson1, public ::testing::WithParamInterface<EndRow> {};

TEST_P(Lesson1End, EndsTheTourWithItsStepsInOrder) {
    const EndRow& row = GetParam();
    click("Image1");
    move("Image4");
    const int from = t.mark();
    click(row.button);
    EXPECT_EQ(t.since(from), row.journal);
    expectTextMode();
    EXPECT_EQ(lesson().visible(), !row.leavesScreen);
    EXPECT_EQ(t.screen(ScreenId::Form1).visible(), row.leavesScreen);
}

INSTANTIATE_TEST_SUITE_P(
    Lesson1, Lesson1End,
    ::testing::Values(EndRow{"Command1",
                             QStringList{"guide Stop", "guide Hide"} + kEndOfTour +
                                 QStringList{"hide Form4", "show Form1"},
                             true},
                      EndRow{"Command2",
                             QStringList{
                                 "guide Stop", "guide MoveTo 600 180",
                                 "guide Speak Засучивай рукава и приступай к построению своего "
                                 "первого приложения для WINDOWS !",
                                 "guide Play GestureRight", "guide Play Process",
                                 "guide Play GestureRight"} +
                                 kEndOfTour,
                             false}));

TEST_F(Lesson1, BackFromTheTourGivesTextModeOnTheNextVisitAndAFreshTour) {
    click("Image1");
    move("Image6");
    click("Command1");
    t.click(ScreenId::Form1, "Image5");
    EXPECT_TRUE(lesson().visible());
    expectTextMode();
    click("Image1");
    expectTour();
    EXPECT_TRUE(visibleFrames().empty());
}

struct MovesRow {
    QStringList moves;  // hot spots and other widgets the pointer crosses, in order
    int frame;          // the one frame visible afterwards
};

TEST_F(Lesson1, OneFrameIsVisibleAfterAnySequenceOfMovesTheLastHotSpotsOwn) {
    const MovesRow rows[] = {
        {{"Image3"}, 2},
        {{"Image4"}, 3},
        {{"Image5"}, 0},
        {{"Image6"}, 4},
        {{"Image7"}, 1},
        {{"Image3", "Image4"}, 3},  // toolbox to form window: red to cyan
        {{"Image7", "Image5", "Image5", "Image5"}, 0},
        {{"Image6", "Image3", "Image6"}, 4},
        {{"Image4", "Image7", "Image3", "Image5", "Image6", "Image7"}, 1},
        // Leaving the hot spots for the picture, the buttons or the grey area keeps the frame.
        {{"Image3", "Image2"}, 2},
        {{"Image5", "Command1", "Command2", "Image13", "Form4"}, 0},
        {{"Image6", "Image2", "Form4", "Image2"}, 4},
    };
    click("Image1");
    for (const MovesRow& row : rows) {
        for (const QString& widget : row.moves) {
            move(widget);
            EXPECT_LE(visibleFrames().size(), 1u) << widget.toStdString();
        }
        EXPECT_EQ(visibleFrames(), std::vector<int>{row.frame})
            << row.moves.join(' ').toStdString();
    }
}

TEST_F(Lesson1, EveryMovementOverAHotSpotSetsTheFramesInIndexOrder) {
    click("Image1");
    move("Image5");
    const int from = t.mark();
    move("Image6");
    EXPECT_EQ(t.since(from), (QStringList{"Shape1(0) hide", "Shape1(4) show"}));
}

TEST_F(Lesson1, AHotSpotClickStopsTheGuideThenExplainsItsWindow) {
    const struct {
        const char* spot;
        const char* explanation;
    } rows[] = {
        {"Image3",
         "Это окно инструментов, содержащее набор объектов. Программист, выбирает здесь "
         "необходимые ему объекты и размещает их на форме своего приложения для WINDOWS."},
        {"Image4", "Это окно Form1 - фундамент твоего будущего приложения для WINDOWS."},
        {"Image5", "В окне проекта можно увидеть состав проекта твоего приложения."},
        {"Image6",
         "Это окно свойств объекта. В левой колонке ты можешь выбрать какое-либо свойство "
         "нужного обьекта, а в правой колонке можно задавать значения свойства объекта."},
        {"Image7",
         "Это панель инструментов. На ней размещены набор кнопок и система меню для "
         "управления процессом программирования."},
    };
    click("Image1");
    for (const auto& row : rows) {
        const int from = t.mark();
        click(row.spot);
        EXPECT_EQ(t.since(from),
                  (QStringList{"guide Stop", QStringLiteral("guide Speak ") +
                                                 QString::fromUtf8(row.explanation)}))
            << row.spot;
    }
    expectTour();
}

TEST_F(Lesson1, AClickOnThePictureBesideTheHotSpotsDoesNothing) {
    click("Image1");
    move("Image7");
    const int from = t.mark();
    click("Image2");
    EXPECT_TRUE(t.since(from).isEmpty());
    EXPECT_EQ(visibleFrames(), std::vector<int>{1});
}

TEST_F(Lesson1, TheLabelShowsThePictureSilentlyAndLeavesTheHotSpotsDisabled) {
    const int from = t.mark();
    click("Label1");
    EXPECT_EQ(t.since(from), (QStringList{"Command2 enable", "Image2 show", "Image1 hide",
                                          "Label1 hide", "RichTextBox1 hide"}));
}

TEST_F(Lesson1, TheTourPlaysNoSoundOnlySilenceDoes) {
    const int from = t.mark();
    click("Image1");
    for (const QString& spot : kHotSpots) {
        move(spot);
        click(spot);
    }
    click("Command2");
    for (const QString& line : t.since(from))
        EXPECT_FALSE(line.contains("MMControl")) << line.toStdString();

    const int silence = t.mark();
    click("Image13");
    EXPECT_EQ(t.since(silence),
              (QStringList{"Form1.MMControl1 Close", "create Form6", "Form6.MMControl3 Close",
                           "create Form9", "Form9.MMControl1 Close",
                           "Form9.MMControl1 Open \\evy\\13.wav", "Form9.MMControl1 Play"}));
}

}  // namespace
