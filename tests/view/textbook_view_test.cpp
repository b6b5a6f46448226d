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

TEST(TextbookView, TheSameTextKeepsItsPlaceAndATextReadAgainOrANewOneStartsAtTheTop) {
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

    // The same text read from its file again, as on the next visit of the lesson: from the top,
    // nothing selected, and not read or laid out again.
    QTextCursor selected(view.document());
    selected.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor);
    view.setTextCursor(selected);
    view.setRtf(QByteArray(lesson.constData(), lesson.size()));
    EXPECT_EQ(view.document(), shown);
    EXPECT_EQ(view.verticalScrollBar()->value(), 0);
    EXPECT_FALSE(view.textCursor().hasSelection());

    QByteArray changed = lesson;
    changed.replace("link", "other");
    view.setRtf(changed);
    EXPECT_NE(view.document(), shown);
    EXPECT_EQ(view.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(view.document()->toPlainText().endsWith("other"));
}

// Texts read ahead while the menu is shown: a lesson opens with its own text even when its file
// changed after it was read ahead, and two viewers given one prepared text get a document each.
TEST(TextbookView, TextsReadAheadNeverStandInForTheFileAsItIsNow) {
    ViewedProgram v;
    v.t.writeFile("EVY/1.vrk", longLesson());
    v.t.start();
    TextbookView::prepareLessonTexts(v.t.workingDir());
    processEvents();
    QByteArray changed = longLesson();
    changed.replace("link", "other");
    v.t.writeFile("EVY/1.vrk", changed);
    v.click(ScreenId::Form1, centreOf(4920, 1440, 855, 375));
    TextbookView& view = viewerOf(v, ScreenId::Form4);
    EXPECT_TRUE(view.document()->toPlainText().endsWith("other"));

    const QByteArray lesson = longLesson();
    TextbookView::prepare(lesson, QSize(385, 345));
    TextbookView first, second;
    for (TextbookView* each : {&first, &second}) {
        each->resize(385, 345);
        each->setRtf(QByteArray(lesson.constData(), lesson.size()));
        each->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(each));
    }
    EXPECT_NE(first.document(), second.document());
    EXPECT_EQ(first.document()->toPlainText(), second.document()->toPlainText());
    EXPECT_EQ(first.document()->size(), second.document()->size());
    EXPECT_EQ(first.document()->textWidth(), first.viewport()->width());
}

}  // namespace
