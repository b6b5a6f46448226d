#pragma once
// Fills a QTextDocument from the tokens of an RTF document. It keeps the group state (character
// and paragraph properties, current destination), the font, colour, style and list tables, and
// turns text, tables, lists, pictures and fields into blocks, frames and formats. It opens no
// files and follows no links; every count it keeps is bounded, so hostile input costs time and
// memory in proportion to its length.
#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <cstdint>
#include <map>
#include <unordered_map>
#include <vector>

#include "lessons/rtf/rtf_fonts.h"
#include "lessons/rtf/rtf_keywords.h"
#include "lessons/rtf/rtf_tokenizer.h"

class QTextList;
class QTextTable;

namespace rtf {

struct CharProps {
    int font = -1;  // font table number; -1 is the document's default font
    int halfPoints = 24;
    int raise = 0;  // \up and \dn, in half points
    int fg = -1;    // colour table indices; -1 is automatic
    int bg = -1;
    int link = -1;  // index into the hyperlink targets
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool caps = false;
    bool smallCaps = false;
    bool hidden = false;
    std::uint8_t underline = 0;  // QTextCharFormat::UnderlineStyle
    std::int8_t vertical = 0;    // -1 subscript, 1 superscript
    bool operator==(const CharProps&) const = default;
};

// The look of a list's numbers or bullets where it differs from the text of the paragraph.
struct MarkProps {
    int font = -1, halfPoints = 0, fg = -1;
    std::int8_t bold = -1, italic = -1;  // -1: as the text
    void applyTo(CharProps& ch) const;
};

// The old \pn lists: a paragraph that continues a list item without a number of its own.
inline constexpr int kListContinuation = 1;

struct ParaProps {
    std::uint8_t align = 0;  // 0 left, 1 centre, 2 right, 3 justified
    bool inTable = false;
    bool lineMultiple = false;
    int left = 0, right = 0, first = 0, before = 0, after = 0, line = 0;  // twips
    int bg = -1;
    int ls = 0, level = 0;  // \ls list override and \ilvl
    int pnStyle = 0;        // \pn: a QTextListFormat::Style, kListContinuation, or 0 for none
    QString pnBefore, pnAfter;
    MarkProps pnMark;
    QList<QTextOption::Tab> tabs;
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
};

enum class Dest : std::uint8_t {
    Text,    // shown
    Skip,    // dropped whole; nested groups are only counted
    Hidden,  // dropped, but a subgroup (\ud, \result, \shprslt) takes the text back
    FontTable,
    ColorTable,
    StyleSheet,
    StyleEntry,
    ListTable,
    List,
    ListLevel,
    LevelText,
    ListOverrideTable,
    ListOverride,
    Pict,
    FieldInst,
    Pn,
    PnTextBefore,
    PnTextAfter,
};

struct GroupState {
    CharProps ch;
    ParaProps pa;
    Dest dest = Dest::Text;
    Dest resume = Dest::Skip;  // where \ud, \result or \shprslt take a hidden group back to
    int uc = 1;
    int field = -1;
    int styleDef = -1;
};

class Builder {
public:
    explicit Builder(QTextDocument* doc);
    void run(QByteArrayView input);

    static constexpr int kMaxDepth = 256;
    static constexpr int kMaxTableEntries = 4096;  // fonts, colours, styles, lists, fields
    static constexpr int kMaxColumns = 63;
    static constexpr int kMaxTableCells = 20000;
    static constexpr int kMaxListItems = 500;
    // Qt lays out a paragraph in time growing with the square of its pieces (runs of one format,
    // of one script, pictures, tabs): past these a paragraph keeps the format of its last run,
    // tabs become blanks and other pieces go on in a new block.
    static constexpr int kMaxRunsPerParagraph = 400;
    static constexpr int kMaxPiecesPerParagraph = 800;
    static constexpr int kMaxTabsPerParagraph = 64;
    static constexpr int kMaxPicturePixels = 16'000'000;
    static constexpr qsizetype kMaxPictureBytes = 96 * 1024 * 1024;  // decoded, for all pictures
    static constexpr int kMaxPictureSide = 2000;                     // shown size, in pixels

private:
    struct FontDef {
        QByteArray rawName;
        int charset = -1;
        int cpg = 0;
        FontKind kind = FontKind::Nil;
        bool done = false;
        int codePage = 0;  // 0: the document's code page
        QStringList families;
    };
    struct Style {
        CharProps ch;
        ParaProps pa;
    };
    struct ListLevelDef {
        int style = -4;  // QTextListFormat::ListDecimal
        QString prefix, suffix;
        MarkProps mark;
    };
    struct ListDef {
        int id = 0;
        std::vector<ListLevelDef> levels;
    };
    struct ShownList {
        QTextList* list = nullptr;
        int items = 0;
        MarkProps mark;
    };
    struct Picture {
        enum class Type : std::uint8_t { Unknown, Png, Jpeg, Dib, Metafile } type = Type::Unknown;
        int w = 0, h = 0, goalW = 0, goalH = 0, scaleX = 100, scaleY = 100;
        QByteArray hex;
        QByteArray binary;
    };

    GroupState& state() { return states_.back(); }
    bool skipping() const { return skipDepth_ > 0 || states_.back().dest == Dest::Skip; }
    void skipGroup() { state().dest = Dest::Skip; }

    // Dispatch by token and by control word kind (rtf_builder.cpp).
    void skipToken(const Token& t);
    bool consumeSkipped(Token& t);
    void groupStart();
    void groupEnd();
    void closeGroup(const GroupState& closed);
    void onWord(const Token& t);
    void onHiddenWord(const Keyword& k);
    void onDestination(Id id);
    void onFlag(Id id);
    void onToggle(Id id, bool on);
    void onValue(Id id, bool hasParam, int value);
    void onListValue(Id id, int value);
    void onTableValue(Id id, int value);
    void onPictureValue(Id id, int value);
    void onSymbolWord(Id id);
    void onSymbol(char c);
    void onHex(int byte);
    void onText(QByteArrayView bytes);
    void onBinary(QByteArrayView bytes);
    void onUnicode(int value);
    void applyStyle(int number);

    // Text and formats (rtf_builder_text.cpp).
    int codePage();
    QString decode(int codePage, QByteArrayView bytes);
    QStringDecoder& decoder(int codePage);
    void appendBytes(QByteArrayView bytes);
    void appendText(const QString& text);
    void appendShownBytes(QByteArrayView bytes);
    void beginRun();
    void flushBytes();
    void flushText();
    void insertRun(QStringView text);
    void countPiece();
    void blockStarted();
    void ensureContent(const ParaProps& pa);
    void endParagraph();
    void finishBlock(const GroupState& s);
    void finish();
    QTextCharFormat charFormat(const CharProps& ch);
    QTextBlockFormat blockFormat(const ParaProps& pa) const;
    QColor color(int index) const;
    const FontDef* font(int number) const;
    FontDef& definedFont();
    void finishFont();
    void addColor();
    double lineHeight(const CharProps& ch, const ParaProps& pa) const;
    void spend(double pixels);

    // Tables, lists, pictures, fields (rtf_builder_objects.cpp).
    bool wantsTable(const ParaProps& pa) const;
    void startTable();
    void startRow();
    void nextCell();
    void leaveTable();
    void endCell();
    void endRow();
    void resetRowDefinition();
    void addColumnsFor(int cells);
    void formatRowCells();
    QList<QTextLength> columnWidths() const;
    const MarkProps* applyList(const ParaProps& pa);
    const ListLevelDef* listLevel(int ls, int level) const;
    QTextListFormat listFormat(const ListLevelDef* level) const;
    void finishLevelText();
    void insertPicture();
    QImage decodePicture(QSize& shown);
    QString addImage(const QImage& image);
    QString frameImage(QSize size);
    void startField();
    int linkForField(int field);

    QTextDocument* doc_;
    QTextCursor cursor_;
    std::vector<GroupState> states_;
    int skipDepth_ = 0;
    bool star_ = false;
    bool done_ = false;
    int skipChars_ = 0;
    int ansiCodePage_ = 1252;
    int defaultFont_ = 0;
    int tabStop_ = 720;
    double heightLeft_;  // see rtf_height.h

    // The run of text not yet in the document: bytes in one code page, then decoded text.
    QByteArray pendingBytes_;
    int pendingCodePage_ = 0;
    QString pendingText_;
    CharProps pendingProps_;
    bool pendingSurrogate_ = false;
    int runsInBlock_ = 0;
    int piecesInBlock_ = 0;
    int tabsInBlock_ = 0;
    QChar::Script lastScript_ = QChar::Script_Unknown;
    CharProps cachedProps_;
    QTextCharFormat cachedFormat_;
    bool cachedValid_ = false;
    bool pendingBreak_ = false;  // the paragraph ended; the next content opens a new block
    bool blockOpen_ = false;     // the current block holds content of an unfinished paragraph
    std::unordered_map<int, QStringDecoder> decoders_;
    QStringList defaultFamilies_;

    std::unordered_map<int, FontDef> fonts_;
    int definingFont_ = -1;
    FontDef scratchFont_;
    std::vector<QColor> colors_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorSet_ = false;
    std::unordered_map<int, Style> styles_;

    std::vector<ListDef> listDefs_;
    std::unordered_map<int, int> overrides_;  // \ls -> \listid
    int overrideListId_ = 0;
    QString levelText_;
    std::unordered_map<int, ShownList> lists_;  // (\ls, \ilvl) -> list
    ShownList legacyList_;
    int legacyStyle_ = 0;
    QString legacyBefore_, legacyAfter_;
    int listItemsLeft_ = kMaxListItems * 10;
    QString pnText_;

    QTextTable* table_ = nullptr;
    int row_ = 0, col_ = 0;
    bool rowOpen_ = false, cellDone_ = false;
    std::vector<int> cellx_, cellBg_;
    int pendingCellBg_ = -1;
    int rowLeft_ = 0, rowGap_ = 108;
    Qt::Alignment rowAlign_ = Qt::AlignLeft;
    int borderWords_ = 0, noBorderWords_ = 0;
    int cellsLeft_ = kMaxTableCells;

    Picture pict_;
    int imageCount_ = 0;
    qsizetype pictureBytesLeft_ = kMaxPictureBytes;
    std::map<std::pair<int, int>, QString> frames_;

    std::vector<QString> fieldInst_;
    QStringList links_;
};

}  // namespace rtf
