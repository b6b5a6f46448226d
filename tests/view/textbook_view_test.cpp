// The textbook viewer as the child sees it: the warning text, lesson texts read from the media
// folder, scrolling, selecting, and links that lead nowhere.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include "lessons/textbook_view.h"
#include "tests/view/view_support.h"

namespace {

TextbookView& viewerOf(ViewedProgram& v, ScreenId id) {
    auto* view = qobject_cast<TextbookView*>(v.window(id).viewOf("RichTextBox1"));
    EXPECT_TRUE(view);
    return *view;
}

// A lesson text long enough to need scrolling, with a link in it.
QByteArray longLesson() {
    QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\froman\\fcharset204 Times New "
        "Roman;}}\\f0\\fs24 ";
    for (int i = 0; i < 60; ++i) rtf += "\\'d3\\'f0\\'ee\\'ea " + QByteArray::number(i) + "\\par ";
    return rtf + "{\\field{\\*\\fldinst HYPERLINK \"http://example.org\"}{\\fldrslt link}}}";
}

TEST(TextbookView, ShowsTheWarningTextUntilALessonTextIsRead) {
    ViewedProgram v(false);
    v.t.start();
    v.click(ScreenId::Form1, centreOf(4920, 1440, 855, 375));
    TextbookView& view = viewerOf(v, ScreenId::Form4);
    EXPECT_EQ(view.document()->toPlainText(),
              "  Программа работает неверно ! Папку EVY необходимо скопировать на диск C !");
    const QFont font = view.document()->begin().begin().fragment().charFormat().font();
    EXPECT_EQ(QFontInfo(font).family(), "Liberation Sans");
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 8.5);
    EXPECT_EQ(view.geometry(), QRect(8, 8, 385, 345));
}

TEST(TextbookView, IsAReadOnlyWrappingSunkenPanel) {
    TextbookView view;
    EXPECT_TRUE(view.isReadOnly());
    EXPECT_EQ(view.lineWrapMode(), QTextEdit::WidgetWidth);
    EXPECT_EQ(view.frameShape(), QFrame::WinPanel);
    EXPECT_EQ(view.frameShadow(), QFrame::Sunken);
    EXPECT_EQ(view.contextMenuPolicy(), Qt::NoContextMenu);
    EXPECT_FALSE(view.textInteractionFlags() & Qt::TextEditable);
    EXPECT_FALSE(view.textInteractionFlags() & Qt::LinksAccessibleByMouse);
}

TEST(TextbookView, ShowsTheLessonTextWithAScrollBarWhenItIsLong) {
    ViewedProgram v;
    v.t.writeFile("EVY/1.vrk", longLesson());
    v.t.start();
    v.click(ScreenId::Form1, centreOf(4920, 1440, 855, 375));
    TextbookView& view = viewerOf(v, ScreenId::Form4);
    ASSERT_TRUE(v.window(ScreenId::Form4).isVisible());
    EXPECT_TRUE(view.document()->toPlainText().startsWith("Урок 0\nУрок 1\n"));
    EXPECT_TRUE(view.verticalScrollBar()->isVisible());
    EXPECT_FALSE(view.horizontalScrollBar()->isVisible());

    // A short text needs no scroll bar.
    view.setRtf("{\\rtf1 short}");
    processEvents();
    EXPECT_FALSE(view.verticalScrollBar()->isVisible());
}

TEST(TextbookView, TheChildCanSelectTextAndLinksLeadNowhere) {
    TextbookView view;
    view.resize(385, 345);
    view.setRtf(longLesson());
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QWidget* page = view.viewport();
    QTest::mousePress(page, Qt::LeftButton, Qt::NoModifier, QPoint(5, 8));
    QTest::mouseMove(page, QPoint(60, 40));
    QTest::mouseRelease(page, Qt::LeftButton, Qt::NoModifier, QPoint(60, 40));
    EXPECT_TRUE(view.textCursor().hasSelection());

    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
    const QTextDocument* shown = view.document();
    const QRect link = view.cursorRect(QTextCursor(shown->lastBlock()));
    QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, link.center() + QPoint(4, 0));
    EXPECT_EQ(view.document(), shown);
    EXPECT_EQ(view.document()->toPlainText(), shown->toPlainText());
}

TEST(TextbookView, TheSameTextKeepsItsPlaceAndANewOneStartsAtTheTop) {
    TextbookView view;
    view.resize(385, 345);
    const QByteArray lesson = longLesson();
    view.setRtf(lesson);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.verticalScrollBar()->setValue(200);
    const QTextDocument* shown = view.document();
    view.setRtf(lesson);  // as the model hands it on to every change of the widget
    EXPECT_EQ(view.document(), shown);
    EXPECT_EQ(view.verticalScrollBar()->value(), 200);

    QByteArray changed = lesson;
    changed.replace("link", "other");
    view.setRtf(changed);
    EXPECT_NE(view.document(), shown);
    EXPECT_EQ(view.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(view.document()->toPlainText().endsWith("other"));
}

}  // namespace
