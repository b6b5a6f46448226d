// Whole documents in the styles that real word processors write, and the viewer's warning text.
#include <gtest/gtest.h>

#include <QTextList>
#include <QTextTable>
#include <functional>

#include "lessons/lesson_frame.h"
#include "tests/rtf/rtf_support.h"

namespace {

struct FixtureCase {
    const char* name;
    QByteArray rtf;
    QStringList lines;
    std::function<void(const QTextDocument&)> check;
};

void PrintTo(const FixtureCase& c, std::ostream* os) {
    *os << c.name;
}

class RtfFixture : public ::testing::TestWithParam<FixtureCase> {};

TEST_P(RtfFixture, ReadsAsTheWriterMeantIt) {
    const FixtureCase& c = GetParam();
    ASSERT_FALSE(c.rtf.isEmpty()) << "fixture missing";
    const auto doc = readRtf(c.rtf);
    EXPECT_EQ(linesOf(*doc), c.lines);
    c.check(*doc);
}

const QString kPicture = QString(QChar::ObjectReplacementCharacter);

void wordLike(const QTextDocument& d) {
    const QTextCharFormat heading = formatOf(d, "Урок 1");
    EXPECT_EQ(heading.fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(heading.fontPointSize(), 14);
    EXPECT_EQ(heading.fontFamilies().toStringList().value(1), "Liberation Sans");
    EXPECT_EQ(heading.foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(blockOf(d, "Урок 1").blockFormat().topMargin(), 32);
    // Calibri, 11 points, 1.15 lines, 10 points after, from \rtlch\fcs1 ... \ltrch\fcs0 runs.
    const QTextCharFormat body = formatOf(d, "Форма — это");
    EXPECT_EQ(body.fontFamilies().toStringList().value(1), "Liberation Sans");
    EXPECT_DOUBLE_EQ(body.fontPointSize(), 11);
    EXPECT_EQ(blockOf(d, "Форма — это").blockFormat().lineHeight(), 115);
    EXPECT_EQ(formatOf(d, "окно").fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatOf(d, "живут").fontItalic());
    EXPECT_EQ(formatOf(d, "сайт").anchorHref(), "http://example.org/vb");
    ASSERT_TRUE(blockOf(d, "Кнопка").textList());
    EXPECT_EQ(blockOf(d, "Кнопка").textList()->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(blockOf(d, "Надпись").textList(), blockOf(d, "Кнопка").textList());
    ASSERT_TRUE(blockOf(d, "Второй шаг").textList());
    EXPECT_EQ(blockOf(d, "Второй шаг").textList()->itemText(blockOf(d, "Второй шаг")), "2.");
    QTextCursor inTable(blockOf(d, "Caption"));
    ASSERT_TRUE(inTable.currentTable());
    EXPECT_EQ(inTable.currentTable()->rows(), 2);
    EXPECT_EQ(inTable.currentTable()->columns(), 2);
    EXPECT_EQ(formatOf(d, "Зачёркнуто").foreground().color(), QColor(255, 0, 0));
    EXPECT_TRUE(formatOf(d, "Зачёркнуто").fontStrikeOut());
    EXPECT_EQ(blockOf(d, kPicture).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
}

void wordpadLike(const QTextDocument& d) {
    EXPECT_EQ(blockOf(d, "ЗАГОЛОВОК").blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_DOUBLE_EQ(formatOf(d, "ЗАГОЛОВОК").fontPointSize(), 14);
    EXPECT_EQ(formatOf(d, "ЗАГОЛОВОК").fontFamilies().toStringList(),
              QStringList({"Arial CYR", "Liberation Sans", "DejaVu Sans"}));
    EXPECT_EQ(formatOf(d, "красный").foreground().color(), QColor(255, 0, 0));
    EXPECT_DOUBLE_EQ(formatOf(d, "красный").fontPointSize(), 10);
    EXPECT_EQ(formatOf(d, "подчёркнутый").underlineStyle(), QTextCharFormat::SingleUnderline);
    ASSERT_TRUE(blockOf(d, "первый пункт").textList());
    EXPECT_EQ(blockOf(d, "второй пункт").textList(), blockOf(d, "первый пункт").textList());
    ASSERT_TRUE(blockOf(d, "два").textList());
    EXPECT_EQ(blockOf(d, "два").textList()->itemText(blockOf(d, "два")), "2.");
    EXPECT_EQ(blockOf(d, "отступ").blockFormat().tabPositions().value(0).position, 72);
}

void noCheck(const QTextDocument&) {}

INSTANTIATE_TEST_SUITE_P(
    Rtf, RtfFixture,
    ::testing::Values(
        FixtureCase{"WordLike",
                    fixture("word_like.rtf"),
                    {"Урок 1. Форма", "Форма — это окно, в котором живут объекты. Смотри сайт.",
                     "Кнопка", "Надпись", "Первый шаг", "Второй шаг", "Свойства:", "Caption",
                     "Надпись", "Name", "Имя", kPicture, kPicture, "Зачёркнуто H2O x2"},
                    wordLike},
        FixtureCase{"WordPadLike",
                    fixture("wordpad_like.rtf"),
                    {"ЗАГОЛОВОК", "красный текст курсив и подчёркнутый.", "первый пункт",
                     "второй пункт", "раз", "два", "\tотступ\tи таб", "α• “кавычки”"},
                    wordpadLike},
        FixtureCase{"CyrillicFontsInAWesternDocument",
                    fixture("cp1252_cyrillic_fonts.rtf"),
                    {"Здравствуй, школа! café šlaž été"},
                    noCheck},
        FixtureCase{"UnicodeEscapesOnly",
                    fixture("unicode_only.rtf"),
                    {"Урок первый текст", "Юникод", "😀 • —"},
                    noCheck},
        FixtureCase{"WarningText",
                    QByteArray(frame::kWarningText),
                    {"  Программа работает неверно ! Папку EVY необходимо скопировать на диск C !"},
                    [](const QTextDocument& d) {
                        const QTextCharFormat f = formatOf(d, "Программа");
                        EXPECT_DOUBLE_EQ(f.fontPointSize(), 8.5);
                        EXPECT_EQ(f.fontFamilies().toStringList().value(1), "Liberation Sans");
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
