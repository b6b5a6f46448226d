// The bundled demonstration media folder: every media file the program names is there, found
// the way the program finds it, and is well-formed; every lesson text reads as clean Russian.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTextDocument>

#include "lessons/rtf/rtf_reader.h"
#include "media/media_path.h"
#include "tests/sample/media_facts.h"

namespace {

const QString kSample = QStringLiteral(MASTERSKAYA_SAMPLE_DIR);

QByteArray contents(const QString& name) {
    QFile file(resolveMediaPath(name, kSample));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

enum class Kind { Sound, Music, Video, LessonText };

struct NamedFile {
    const char* name;  // exactly as the program writes it
    Kind kind;
};

// Every media file of the program, under the names its screens use.
const NamedFile kNamedFiles[] = {
    {"\\evy\\1.mid", Kind::Music},
    {"/evy/2.mid", Kind::Music},
    {"/evy/8.mid", Kind::Music},
    {"\\evy\\4.mid", Kind::Music},
    {"1.wav", Kind::Sound},
    {"2.wav", Kind::Sound},
    {"11.wav", Kind::Sound},
    {"\\evy\\13.wav", Kind::Sound},
    {"\\evy\\12.wav", Kind::Sound},
    {"\\evy\\5.wav", Kind::Sound},
    {"\\evy\\15.wav", Kind::Sound},
    {"\\evy\\3.wav", Kind::Sound},
    {"\\evy\\4.wav", Kind::Sound},
    {"\\evy\\9.wav", Kind::Sound},
    {"\\evy\\10.wav", Kind::Sound},
    {"\\evy\\8.wav", Kind::Sound},
    {"\\evy\\7.wav", Kind::Sound},
    {"\\evy\\1.avi", Kind::Video},
    {"\\evy\\v.vrk", Kind::LessonText},
    {"\\evy\\d.vrk", Kind::LessonText},
    {"\\evy\\1.vrk", Kind::LessonText},
    {"\\evy\\2.vrk", Kind::LessonText},
    {"\\evy\\3.vrk", Kind::LessonText},
    {"\\evy\\4.vrk", Kind::LessonText},
    {"\\evy\\5.vrk", Kind::LessonText},
    {"\\evy\\p.vrk", Kind::LessonText},
};

void PrintTo(const NamedFile& file, std::ostream* out) {
    *out << file.name;
}

class SampleFile : public ::testing::TestWithParam<NamedFile> {};

TEST_P(SampleFile, IsFoundInTheSampleFolderAndIsWellFormed) {
    const NamedFile& file = GetParam();
    const QString path = resolveMediaPath(QString::fromUtf8(file.name), kSample);
    ASSERT_FALSE(path.isEmpty()) << file.name << " is not found from " << kSample.toStdString();
    EXPECT_TRUE(path.startsWith(kSample + QLatin1Char('/'))) << path.toStdString();
    const QByteArray bytes = contents(QString::fromUtf8(file.name));
    switch (file.kind) {
        case Kind::Sound: {
            const MediaFacts f = wavFacts(bytes);
            ASSERT_TRUE(f.error.isEmpty()) << f.error.toStdString();
            EXPECT_GT(f.seconds, 0.02);
            EXPECT_LT(f.seconds, 10.0);
            EXPECT_GT(f.peak, 8000) << "nearly silent";
            break;
        }
        case Kind::Music: {
            const MediaFacts f = midiFacts(bytes);
            ASSERT_TRUE(f.error.isEmpty()) << f.error.toStdString();
            EXPECT_GE(f.seconds, 30.0);
            EXPECT_LE(f.seconds, 90.0);
            EXPECT_GE(f.tracks, 2);
            EXPECT_GT(f.notes, 100);
            break;
        }
        case Kind::Video: {
            const MediaFacts f = aviFacts(bytes);
            ASSERT_TRUE(f.error.isEmpty()) << f.error.toStdString();
            EXPECT_GE(f.seconds, 10.0);
            EXPECT_LE(f.seconds, 20.0);
            EXPECT_EQ(f.streams, (QStringList{"vids MJPG", "auds 0x1"}));  // Motion JPEG, PCM
            break;
        }
        case Kind::LessonText:
            EXPECT_TRUE(bytes.startsWith("{\\rtf1")) << bytes.left(20).toStdString();
            EXPECT_TRUE(bytes.contains("\\ansicpg1251"));
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(Sample, SampleFile, ::testing::ValuesIn(kNamedFiles),
                         [](const auto& info) {
                             QString name = QString::fromUtf8(info.param.name);
                             name.replace(QRegularExpression("[^A-Za-z0-9]"), "_");
                             return name.toStdString();
                         });

TEST(SampleFolder, StaysUnderFiveMegabytes) {
    qint64 total = 0;
    QDirIterator it(kSample, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) total += it.nextFileInfo().size();
    EXPECT_GT(total, 0);
    EXPECT_LT(total, 5 * 1024 * 1024);
}

struct Lesson {
    const char* file;
    const char* heading;  // the lesson's title as the child reads it
};

const Lesson kLessons[] = {
    {"\\evy\\v.vrk", "Введение"},
    {"\\evy\\d.vrk", "До уроков"},
    {"\\evy\\1.vrk", "Урок 1. Окна мастерской"},
    {"\\evy\\2.vrk", "Урок 2. Звук и движение"},
    {"\\evy\\3.vrk", "Урок 3. Таймер и мультфильм"},
    {"\\evy\\4.vrk", "Урок 4. Часы и видео"},
    {"\\evy\\5.vrk", "Урок 5. Рисуем на форме"},
    {"\\evy\\p.vrk", "После уроков"},
};

void PrintTo(const Lesson& lesson, std::ostream* out) {
    *out << lesson.file;
}

class LessonText : public ::testing::TestWithParam<Lesson> {};

// As a word processor writes it: 7-bit bytes, balanced groups, every font Cyrillic, and the
// formatting a lesson uses.
TEST_P(LessonText, IsCyrillicRtfAsAWordProcessorWritesIt) {
    const QByteArray rtf = contents(QString::fromUtf8(GetParam().file));
    ASSERT_FALSE(rtf.isEmpty());
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        ASSERT_TRUE(c >= 0 && c != 0) << "byte " << i << " is not 7-bit text";
        if (c == '\\') {
            ++i;  // an escaped brace or backslash is text
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            ASSERT_GE(--depth, 0) << "group closed twice at byte " << i;
            if (depth == 0) {
                EXPECT_EQ(i, rtf.trimmed().size() - 1) << "text after the document";
            }
        }
    }
    EXPECT_EQ(depth, 0);

    const qsizetype table = rtf.indexOf("{\\fonttbl");
    const QByteArray fonts = rtf.mid(table, rtf.indexOf("{\\colortbl") - table);
    const qsizetype entries =
        QString::fromLatin1(fonts).count(QRegularExpression(QStringLiteral(R"(\{\\f\d+)")));
    EXPECT_GT(entries, 0);
    EXPECT_EQ(entries, fonts.count("\\fcharset204")) << fonts.toStdString();
    // Language, colours, styles, a heading, bold and coloured words and a list.
    for (const char* pattern :
         {R"(\\deflang1049)", R"(\{\\colortbl;)", R"(\{\\stylesheet)", R"(\\s1\\)",
          R"(\\b(?![a-z0-9]))", R"(\\cf([2-9]|1[0-9])(?![0-9]))", R"(\{\\pntext)"})
        EXPECT_TRUE(QRegularExpression(QString::fromLatin1(pattern))
                        .match(QString::fromLatin1(rtf))
                        .hasMatch())
            << pattern;
}

// What the reader makes of it: Russian text with no escape left undecoded.
TEST_P(LessonText, ReadsAsCleanRussianText) {
    const QByteArray rtf = contents(QString::fromUtf8(GetParam().file));
    const std::unique_ptr<QTextDocument> doc = rtf::toDocument(rtf);
    const QString text = doc->toPlainText();

    EXPECT_TRUE(text.contains(QString::fromUtf8(GetParam().heading)));
    const QRegularExpression escape(QStringLiteral(R"(\\[a-z]+|\\'|[{}\x{FFFD}\x{0}])"));
    const QRegularExpressionMatch leak = escape.match(text);
    EXPECT_FALSE(leak.hasMatch()) << "left in the text: "
                                  << text.mid(leak.capturedStart() - 20, 50).toStdString();
    const qsizetype cyrillic = std::count_if(
        text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
    EXPECT_GT(cyrillic, 1500);
    const qsizetype words =
        text.split(QRegularExpression(QStringLiteral(R"(\s+)")), Qt::SkipEmptyParts).size();
    EXPECT_GE(words, 300);
    EXPECT_LE(words, 900);
}

INSTANTIATE_TEST_SUITE_P(Sample, LessonText, ::testing::ValuesIn(kLessons), [](const auto& info) {
    return std::string(1, info.param.file[5]) + "_vrk";
});

// The PNG pictures that lessons carry decode, at the size their RTF asks for.
TEST(LessonPictures, DecodeAtTheirSizeInAtLeastTwoLessons) {
    int lessonsWithPictures = 0;
    const QRegularExpression pict(QStringLiteral(
        R"(\{\\pict[^{}]*?\\picwgoal(\d+)\\pichgoal(\d+)\\pngblip\s*([0-9a-f\s]+)\})"));
    for (const Lesson& lesson : kLessons) {
        const QString rtf = QString::fromLatin1(contents(QString::fromUtf8(lesson.file)));
        bool any = false;
        for (const QRegularExpressionMatch& m : pict.globalMatch(rtf)) {
            QString hex = m.captured(3);
            hex.remove(QRegularExpression(QStringLiteral(R"(\s)")));
            const QImage image = QImage::fromData(QByteArray::fromHex(hex.toLatin1()), "PNG");
            ASSERT_FALSE(image.isNull()) << lesson.file;
            EXPECT_EQ(image.width() * 15, m.captured(1).toInt()) << lesson.file;
            EXPECT_EQ(image.height() * 15, m.captured(2).toInt()) << lesson.file;
            EXPECT_LE(image.width(), 330) << "wider than the textbook viewer";
            any = true;
        }
        lessonsWithPictures += any;
    }
    EXPECT_GE(lessonsWithPictures, 2);
}

}  // namespace
