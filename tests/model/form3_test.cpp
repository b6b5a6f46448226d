// The Before-lessons screen: the knight starts the tour of the design form's objects, each hot spot
// explains its object, Text and Back end the tour.
#include <gtest/gtest.h>

#include "media/media_player.h"
#include "tests/support/test_program.h"

namespace {

const QStringList kTourSpots = {"Image3", "Image4", "Image5",  "Image6", "Image7",
                                "Image8", "Image9", "Image10", "Image11"};

struct Tour : ::testing::Test {
    Tour() {
        t.start();
        t.click(ScreenId::Form1, "Image4");
        QObject::connect(&form(), &Screen::widgetChanged,
                         [this](int slot) { changed << form().widgets()[slot]->name(); });
    }
    Screen& form() { return t.screen(ScreenId::Form3); }
    // The hot spots that take the mouse.
    QStringList enabledSpots() {
        QStringList on;
        for (const QString& spot : kTourSpots)
            if (form().w(spot.toUtf8().constData()).enabled()) on << spot;
        return on;
    }
    TestProgram t;
    QStringList changed;  // widgets in the order the handlers changed them
};

TEST_F(Tour, OpensInTextModeWithEveryHotSpotOff) {
    EXPECT_TRUE(form()["RichTextBox1"].visible());
    EXPECT_FALSE(form()["Command2"].enabled());
    EXPECT_TRUE(form()["Image1"].visible());
    EXPECT_TRUE(enabledSpots().isEmpty());
}

TEST_F(Tour, TheKnightPlaysItsSoundIntroducesTheTourAndSwitchesTheSpotsOnInOrder) {
    const int from = t.mark();
    t.click(ScreenId::Form3, "Image1");
    EXPECT_EQ(
        t.since(from),
        (QStringList{"Form3.MMControl1 Close", "Form3.MMControl1 Open \\evy\\15.wav",
                     "Form3.MMControl1 Play", "guide Stop", "guide Play GestureUp",
                     "guide Speak Вот некоторые объекты Visual Basic. Что бы узнать название "
                     "объекта - наведи на него указатель мыши. Для получения более "
                     "подробной информации - нажми на интересующий тебя объект.",
                     "guide Play GestureRight", "guide Play Explain", "guide Play GestureRight"}));
    EXPECT_EQ(changed, QStringList({"Command2", "RichTextBox1"}) + kTourSpots);
    EXPECT_EQ(enabledSpots(), kTourSpots);
}

TEST_F(Tour, TheKnightDuringTheTourStartsItAgainAndLeavesTheSpotsOn) {
    t.click(ScreenId::Form3, "Image1");
    const int from = t.mark();
    t.click(ScreenId::Form3, "Image1");
    EXPECT_EQ(t.since(from).first(), "Form3.MMControl1 Close");
    EXPECT_TRUE(t.since(from).contains("Form3.MMControl1 Open \\evy\\15.wav"));
    EXPECT_EQ(t.since(from).last(), "guide Play GestureRight");
    EXPECT_EQ(enabledSpots(), kTourSpots);
    EXPECT_FALSE(form()["RichTextBox1"].visible());
}

TEST_F(Tour, EverySpotStopsTheGuideAndExplainsItsObjectChangingNothing) {
    const struct {
        const char* spot;
        const char* explanation;
    } rows[] = {
        {"Image3", "Объект ЭТИКЕТКА служит для содания надписей на форме приложения."},
        {"Image4",
         "Объект ОКНО ОБЩЕГО ДИАЛОГА необходим для вызова одного из окон общего диалога, "
         "например ОТКРЫТИЕ ФАЙЛА, ВЫБОР ЦВЕТА и других."},
        {"Image5", "Объект ТЕКСТОВОЕ ПОЛЕ служит для работы с текстовой информацией."},
        {"Image6",
         "Объект ТАЙМЕР необходим для задания временных промежутков с точностью до одной "
         "миллисекунды."},
        {"Image7",
         "Объект ТАЙМЕР необходим для задания временных промежутков с точностью до одной "
         "миллисекунды."},
        {"Image8", "Объект УПРАВЛЕНИЕ МУЛЬТИМЕДИА позволяет работать с видео и звуком."},
        {"Image9",
         "Объект ЭЛЕКТРОННАЯ КНОПКА служит для создания различных командных кнопок для "
         "управления работой приложения."},
        {"Image10",
         "Объект ЭЛЕКТРОННАЯ КНОПКА служит для создания различных командных кнопок для "
         "управления работой приложения."},
        {"Image11", "Объект ОБРАЗ позволяет выделить на форме некоторую область."},
    };
    t.click(ScreenId::Form3, "Image1");
    changed.clear();
    for (const auto& row : rows) {
        const int from = t.mark();
        t.click(ScreenId::Form3, row.spot);
        EXPECT_EQ(t.since(from),
                  (QStringList{"guide Stop", "guide Speak " + QString::fromUtf8(row.explanation)}))
            << row.spot;
    }
    EXPECT_TRUE(changed.isEmpty());
}

TEST_F(Tour, TextWishesGoodReadingAndSwitchesEverySpotOffInOrder) {
    t.click(ScreenId::Form3, "Image1");
    changed.clear();
    const int from = t.mark();
    t.click(ScreenId::Form3, "Command2");
    EXPECT_EQ(t.since(from), (QStringList{"guide Stop", "guide Speak Читай на здоровье!"}));
    EXPECT_EQ(changed, QStringList({"Command2", "RichTextBox1"}) + kTourSpots);
    EXPECT_TRUE(enabledSpots().isEmpty());
    EXPECT_TRUE(form()["RichTextBox1"].visible());
    EXPECT_FALSE(form()["Command2"].enabled());
}

TEST_F(Tour, BackEndsTheTourReturnsToTheMenuAndLetsTheSoundPlayOn) {
    t.click(ScreenId::Form3, "Image1");
    changed.clear();
    const int from = t.mark();
    t.click(ScreenId::Form3, "Command1");
    EXPECT_EQ(t.since(from), (QStringList{"guide Stop", "guide Hide", "hide Form3", "show Form1"}));
    EXPECT_EQ(changed, QStringList({"Command2", "RichTextBox1"}) + kTourSpots);
    EXPECT_TRUE(enabledSpots().isEmpty());
    EXPECT_EQ(form().player("MMControl1").mode(), MediaPlayer::Mode::Playing);

    t.click(ScreenId::Form1, "Image4");
    EXPECT_TRUE(form()["RichTextBox1"].visible());
    EXPECT_TRUE(enabledSpots().isEmpty());
}

TEST(TourWithoutMedia, TheTourStartsInSilence) {
    TestProgram t(false);
    t.start();
    t.click(ScreenId::Form1, "Image4");
    t.click(ScreenId::Form3, "Image1");
    Screen& form = t.screen(ScreenId::Form3);
    EXPECT_FALSE(form.player("MMControl1").isOpen());
    EXPECT_FALSE(form["RichTextBox1"].visible());
    EXPECT_TRUE(form["Image11"].enabled());
}

}  // namespace
