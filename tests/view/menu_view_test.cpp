// The menu and the lesson windows as Qt shows them: what a click reaches, sizes and tooltips.
#include <gtest/gtest.h>

#include <QLayout>
#include <QPushButton>
#include <QTest>

#include "shell/twips.h"
#include "tests/view/view_support.h"

namespace {

TEST(MenuView, AClickAtTheCentreOfEveryHotSpotReachesThatHotSpot) {
    ViewedProgram v;
    v.t.start();
    for (const auto& w : v.t.screen(ScreenId::Form1).widgets()) {
        if (w->kind() != WidgetKind::HotSpot && w->name() != "Image13") continue;
        const Bounds& b = w->bounds();
        EXPECT_EQ(v.nameOf(ScreenId::Form1,
                           v.hit(ScreenId::Form1, centreOf(b.left, b.top, b.width, b.height))),
                  w->name());
    }
    EXPECT_EQ(v.nameOf(ScreenId::Form1, v.hit(ScreenId::Form1, {40, 40})), "Image1");
}

TEST(MenuView, ClickingUrok1OpensLessonOneAndBackReturns) {
    ViewedProgram v;
    v.t.start();
    v.click(ScreenId::Form1, centreOf(4920, 1440, 855, 375));
    ASSERT_TRUE(v.window(ScreenId::Form4).isVisible());
    EXPECT_FALSE(v.window(ScreenId::Form1).isVisible());
    EXPECT_EQ(v.window(ScreenId::Form4).windowTitle(), "     Урок 1");
    v.click(ScreenId::Form4, centreOf(8160, 5400, 1095, 375));
    EXPECT_TRUE(v.window(ScreenId::Form1).isVisible());
    EXPECT_FALSE(v.window(ScreenId::Form4).isVisible());
}

TEST(MenuView, WindowsHaveTheirClientSizesAndCaptions) {
    ViewedProgram v;
    v.t.start();
    const struct {
        ScreenId id;
        QSize size;
        const char* caption;
    } rows[] = {{ScreenId::Form1, {416, 320}, "Form1"},
                {ScreenId::Form2, {634, 395}, "     Введение"},
                {ScreenId::Form3, {634, 397}, "     До уроков"},
                {ScreenId::Form4, {634, 397}, "     Урок 1"},
                {ScreenId::Form5, {634, 395}, "     Урок 2"},
                {ScreenId::Form6, {634, 397}, "     Урок 3"},
                {ScreenId::Form7, {634, 395}, "     Урок 4"},
                {ScreenId::Form8, {634, 395}, "     Урок 5"},
                {ScreenId::Form9, {634, 395}, "     После уроков"},
                {ScreenId::Form11, {336, 210}, " Velmaro"}};
    for (const auto& row : rows) {
        EXPECT_EQ(v.window(row.id).clientArea()->size(), row.size) << row.caption;
        EXPECT_EQ(v.window(row.id).windowTitle(), QString::fromUtf8(row.caption));
    }
}

// A window of fixed size is offered no maximise or resize by the window manager.
TEST(MenuView, OnlyTheAlbumCanBeResized) {
    ViewedProgram v;
    v.t.start();
    for (ScreenId id : {ScreenId::Form1, ScreenId::Form4, ScreenId::Form9, ScreenId::Form11}) {
        ScreenWindow& window = v.window(id);
        window.layout()->activate();  // as showing it does
        EXPECT_EQ(window.minimumSize(), window.maximumSize()) << nameOf(id);
        EXPECT_EQ(window.maximumSize(), window.clientArea()->size()) << nameOf(id);
    }
    v.t.click(ScreenId::Form1, "Image9");
    v.t.click(ScreenId::Form8, "Image1");
    ScreenWindow& album = v.window(ScreenId::Form10);
    ASSERT_TRUE(album.isVisible());
    EXPECT_NE(album.minimumSize(), album.maximumSize());
}

// Some window managers offer a minimise button on every window; only the album stays minimised.
TEST(MenuView, OnlyTheAlbumStaysMinimised) {
    ViewedProgram v;
    v.t.start();
    v.t.click(ScreenId::Form1, "Image9");
    v.t.click(ScreenId::Form8, "Image1");
    for (ScreenId id : {ScreenId::Form8, ScreenId::Form10}) {
        v.window(id).setWindowState(Qt::WindowMinimized);
        QTest::qWait(20);
    }
    EXPECT_FALSE(v.window(ScreenId::Form8).windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(v.window(ScreenId::Form8).isVisible());
    EXPECT_TRUE(v.window(ScreenId::Form10).windowState() & Qt::WindowMinimized);
}

TEST(MenuView, TooltipsKeepTheirBlanks) {
    ViewedProgram v;
    v.t.start();
    EXPECT_EQ(v.window(ScreenId::Form1).viewOf("Image13")->toolTip(), " Тишина ");
    ScreenWindow& lesson = v.window(ScreenId::Form2);
    EXPECT_EQ(lesson.viewOf("Command1")->toolTip(), " Возврат в меню ");
    EXPECT_EQ(lesson.viewOf("Command2")->toolTip(), " Показать текст учебника ");
    EXPECT_FALSE(lesson.viewOf("Command2")->isEnabled());
    EXPECT_EQ(static_cast<QPushButton*>(lesson.viewOf("Command1"))->text(), "Назад");
}

// A screen of the test's own: overlapping widgets, one disabled, one hidden, a button listed last.
constexpr WidgetSpec kStack[] = {
    {.name = "Front", .kind = WidgetKind::HotSpot, .bounds = {0, 0, 1500, 1500}, .enabled = false},
    {.name = "Hidden", .kind = WidgetKind::HotSpot, .bounds = {0, 0, 1500, 1500}, .visible = false},
    {.name = "Middle", .kind = WidgetKind::HotSpot, .bounds = {0, 0, 3000, 3000}},
    {.name = "Back", .kind = WidgetKind::HotSpot, .bounds = {0, 0, 6000, 6000}},
    {.name = "Button",
     .kind = WidgetKind::CommandButton,
     .bounds = {2250, 2250, 1500, 750},
     .caption = "OK"},
};

const ScreenCatalog& stackCatalog() {
    static const ScreenDefinition stack{.id = ScreenId::Form1,
                                        .kind = WindowKind::LessonWindow,
                                        .caption = "stack",
                                        .clientWidth = 6000,
                                        .clientHeight = 6000,
                                        .widgets = kStack};
    static const ScreenCatalog catalog = {&stack, &stack, &stack, &stack, &stack, &stack,
                                          &stack, &stack, &stack, &stack, &stack};
    return catalog;
}

TEST(StackingView, TheFirstListedGetsTheMouseButDisabledAndHiddenOnesLetItThrough) {
    ViewedProgram v(true, &stackCatalog());
    const struct {
        QPoint pixel;
        const char* reached;
    } rows[] = {
        {{50, 50}, "Middle"},    // Front is disabled and Hidden is hidden
        {{150, 150}, "Button"},  // a window-system control stands in front of everything
        {{120, 100}, "Middle"},
        {{300, 300}, "Back"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(v.nameOf(ScreenId::Form1, v.hit(ScreenId::Form1, row.pixel)), row.reached)
            << row.pixel.x() << "," << row.pixel.y();
    v.t.screen(ScreenId::Form1)["Front"].enable();
    EXPECT_EQ(v.nameOf(ScreenId::Form1, v.hit(ScreenId::Form1, {50, 50})), "Front");
}

}  // namespace
