// The builder's dispatch: groups, destinations, and control words by kind.
#include <QTextListFormat>
#include <algorithm>
#include <utility>

#include "lessons/rtf/rtf_builder.h"
#include "lessons/rtf/rtf_height.h"

namespace rtf {

namespace {

constexpr int kMaxTwips = 31680;  // 22 inches, the largest page a word processor offers

int clamp(int v, int lo, int hi) {
    return std::clamp(v, lo, hi);
}

// Tables from control words to what they stand for.
template <typename T>
struct Meaning {
    Id id;
    T value;
};

template <typename T, std::size_t N>
T meaningOf(const Meaning<T> (&table)[N], Id id, T otherwise) {
    for (const Meaning<T>& m : table) {
        if (m.id == id) return m.value;
    }
    return otherwise;
}

constexpr Meaning<QTextCharFormat::UnderlineStyle> kUnderlines[] = {
    {Id::uld, QTextCharFormat::DotLine},
    {Id::ulthd, QTextCharFormat::DotLine},
    {Id::uldash, QTextCharFormat::DashUnderline},
    {Id::ulldash, QTextCharFormat::DashUnderline},
    {Id::ulthdash, QTextCharFormat::DashUnderline},
    {Id::ulthldash, QTextCharFormat::DashUnderline},
    {Id::uldashd, QTextCharFormat::DashDotLine},
    {Id::ulthdashd, QTextCharFormat::DashDotLine},
    {Id::uldashdd, QTextCharFormat::DashDotDotLine},
    {Id::ulthdashdd, QTextCharFormat::DashDotDotLine},
    {Id::ulwave, QTextCharFormat::WaveUnderline},
    {Id::ulhwave, QTextCharFormat::WaveUnderline},
    {Id::ululdbwave, QTextCharFormat::WaveUnderline}};

constexpr Meaning<FontKind> kFontKinds[] = {
    {Id::froman, FontKind::Roman},   {Id::fswiss, FontKind::Swiss}, {Id::fmodern, FontKind::Modern},
    {Id::fscript, FontKind::Script}, {Id::fdecor, FontKind::Decor}, {Id::ftech, FontKind::Tech},
    {Id::fbidi, FontKind::Bidi}};

constexpr Meaning<char16_t> kSymbolWords[] = {{Id::bullet, 0x2022},
                                              {Id::emdash, 0x2014},
                                              {Id::endash, 0x2013},
                                              {Id::emspace, 0x2003},
                                              {Id::enspace, 0x2002},
                                              {Id::qmspace, 0x2005},
                                              {Id::lquote, 0x2018},
                                              {Id::rquote, 0x2019},
                                              {Id::ldblquote, 0x201C},
                                              {Id::rdblquote, 0x201D},
                                              {Id::zwj, 0x200D},
                                              {Id::zwnj, 0x200C},
                                              {Id::ltrmark, 0x200E},
                                              {Id::rtlmark, 0x200F},
                                              {Id::tab, u'\t'},
                                              {Id::nestcell, u'\t'},
                                              {Id::line, QChar::LineSeparator}};

// Word's numbering formats (\levelnfc) as list styles; 0 for "no number".
int listStyleFor(int nfc) {
    switch (nfc) {
        case 1:
            return QTextListFormat::ListUpperRoman;
        case 2:
            return QTextListFormat::ListLowerRoman;
        case 3:
            return QTextListFormat::ListUpperAlpha;
        case 4:
            return QTextListFormat::ListLowerAlpha;
        case 23:
            return QTextListFormat::ListDisc;
        case 255:
            return 0;
        default:
            return QTextListFormat::ListDecimal;
    }
}

bool isHeaderTable(Id id) {
    switch (id) {
        case Id::fonttbl:
        case Id::colortbl:
        case Id::stylesheet:
        case Id::listtable:
        case Id::listoverridetable:
            return true;
        default:
            return false;
    }
}

}  // namespace

Builder::Builder(QTextDocument* doc)
    : doc_(doc),
      cursor_(doc),
      heightLeft_(kMaxDocumentHeight),
      defaultFamilies_(familiesFor({}, FontKind::Roman)) {
    states_.reserve(kMaxDepth + 1);
    states_.emplace_back();  // outside the document's own group
}

void Builder::run(QByteArrayView input) {
    // One edit block: Qt then neither lays out nor reports anything until the document is whole.
    QTextCursor batch(doc_);
    batch.beginEditBlock();
    Tokenizer tokens(input);
    while (!done_) {
        Token t = tokens.next();
        if (t.type == Token::Type::End) break;
        if (skipping()) {
            skipToken(t);
            continue;
        }
        if (skipChars_ > 0 && consumeSkipped(t)) continue;
        if (t.type != Token::Type::Word) star_ = false;  // \* binds to the word right after it
        switch (t.type) {
            case Token::Type::GroupStart:
                groupStart();
                break;
            case Token::Type::GroupEnd:
                groupEnd();
                break;
            case Token::Type::Word:
                onWord(t);
                break;
            case Token::Type::Symbol:
                onSymbol(t.symbol);
                break;
            case Token::Type::Hex:
                onHex(t.param);
                break;
            case Token::Type::Text:
                onText(t.bytes);
                break;
            case Token::Type::Binary:
                onBinary(t.bytes);
                break;
            case Token::Type::Invalid:
            case Token::Type::End:
                break;
        }
    }
    finish();
    batch.endEditBlock();
}

// Inside a skipped group only the braces count.
void Builder::skipToken(const Token& t) {
    if (t.type == Token::Type::GroupStart) {
        ++skipDepth_;
    } else if (t.type == Token::Type::GroupEnd) {
        if (skipDepth_ > 0)
            --skipDepth_;
        else
            groupEnd();
    }
}

// The characters after \uN that stand in for it in readers without Unicode: a control word, a
// hex escape or one byte of text each. A brace ends them.
bool Builder::consumeSkipped(Token& t) {
    switch (t.type) {
        case Token::Type::GroupStart:
        case Token::Type::GroupEnd:
            skipChars_ = 0;
            return false;
        case Token::Type::Text: {
            const qsizetype n = std::min<qsizetype>(skipChars_, t.bytes.size());
            skipChars_ -= static_cast<int>(n);
            t.bytes = t.bytes.sliced(n);
            return t.bytes.isEmpty();
        }
        default:
            --skipChars_;
            return true;
    }
}

void Builder::groupStart() {
    star_ = false;
    if (static_cast<int>(states_.size()) > kMaxDepth) {
        skipDepth_ = 1;  // deeper groups are dropped with all they hold
        return;
    }
    GroupState next = states_.back();
    if (next.dest == Dest::StyleSheet) {
        next.dest = Dest::StyleEntry;
        next.ch = CharProps{};
        next.pa = ParaProps{};
        next.styleDef = 0;  // an entry without \s is the normal style
    }
    states_.push_back(std::move(next));
}

void Builder::groupEnd() {
    star_ = false;
    skipChars_ = 0;
    if (states_.size() <= 1) return;  // a closing brace with no group open
    if (states_.size() == 2) {
        // The document's own group: its last paragraph keeps the properties given in it.
        flushText();
        if (blockOpen_) finishBlock(states_.back());
        done_ = true;
    }
    const GroupState closed = std::move(states_.back());
    states_.pop_back();
    closeGroup(closed);
}

// What a finished group leaves behind in its parent.
void Builder::closeGroup(const GroupState& closed) {
    GroupState& parent = state();
    switch (closed.dest) {
        case Dest::FontTable:
            finishFont();
            break;
        case Dest::StyleEntry:
            if (parent.dest == Dest::StyleSheet && closed.styleDef >= 0 &&
                (styles_.size() < kMaxTableEntries || styles_.count(closed.styleDef))) {
                styles_[closed.styleDef] = Style{closed.ch, closed.pa};
            }
            break;
        case Dest::LevelText:
            if (parent.dest == Dest::ListLevel) finishLevelText();
            break;
        case Dest::ListLevel:
            // The level's own character properties are those of its numbers.
            if (parent.dest == Dest::List) {
                MarkProps& mark = listDefs_.back().levels.back().mark;
                const CharProps plain;
                if (closed.ch.font != plain.font) mark.font = closed.ch.font;
                if (closed.ch.halfPoints != plain.halfPoints)
                    mark.halfPoints = closed.ch.halfPoints;
                if (closed.ch.fg != plain.fg) mark.fg = closed.ch.fg;
                if (closed.ch.bold) mark.bold = 1;
                if (closed.ch.italic) mark.italic = 1;
            }
            break;
        case Dest::Pict:
            if (parent.dest == Dest::Text) insertPicture();
            break;
        case Dest::Pn:
            if (parent.dest != Dest::Pn) {
                parent.pa.pnStyle = closed.pa.pnStyle;
                parent.pa.pnBefore = closed.pa.pnBefore;
                parent.pa.pnAfter = closed.pa.pnAfter;
                parent.pa.pnMark = closed.pa.pnMark;
            }
            break;
        case Dest::PnTextBefore:
        case Dest::PnTextAfter:
            if (parent.dest == Dest::Pn) {
                (closed.dest == Dest::PnTextBefore ? parent.pa.pnBefore : parent.pa.pnAfter) =
                    pnText_.left(16);
            }
            break;
        default:
            break;
    }
}

void Builder::onWord(const Token& t) {
    const bool starred = std::exchange(star_, false);
    const Keyword* k = findKeyword(t.bytes);
    if (!k || (starred && k->kind != Kind::Destination)) {
        if (starred) skipGroup();
        return;
    }
    if (state().dest == Dest::Hidden) {
        onHiddenWord(*k);
        return;
    }
    switch (k->kind) {
        case Kind::Destination:
            onDestination(k->id);
            break;
        case Kind::Flag:
            onFlag(k->id);
            break;
        case Kind::Toggle:
            onToggle(k->id, !t.hasParam || t.param != 0);
            break;
        case Kind::Value:
            onValue(k->id, t.hasParam, t.param);
            break;
        case Kind::Symbol:
            onSymbolWord(k->id);
            break;
    }
}

// A hidden group (the ANSI copy of \upr, an object, a shape) shows only its alternative text.
void Builder::onHiddenWord(const Keyword& k) {
    switch (k.id) {
        case Id::ud:
        case Id::result:
        case Id::shprslt:
            state().dest = state().resume;
            break;
        case Id::nestrow:
            // A row of a nested table: it is laid out as lines of the outer cell.
            if (state().resume == Dest::Text) endParagraph();
            break;
        default:
            if (k.kind == Kind::Destination) skipGroup();
            break;
    }
}

void Builder::onDestination(Id id) {
    GroupState& s = state();
    const Dest d = s.dest;
    // The header's tables hold entries, never another table: one opened inside a table's entry
    // would leave that entry's list or level behind.
    if (isHeaderTable(id) && d != Dest::Text) return skipGroup();
    switch (id) {
        case Id::fonttbl:
            s.dest = Dest::FontTable;
            break;
        case Id::colortbl:
            s.dest = Dest::ColorTable;
            break;
        case Id::stylesheet:
            s.dest = Dest::StyleSheet;
            break;
        case Id::listtable:
            s.dest = Dest::ListTable;
            break;
        case Id::listoverridetable:
            s.dest = Dest::ListOverrideTable;
            break;
        case Id::list:
            if (d != Dest::ListTable || listDefs_.size() >= kMaxTableEntries) return skipGroup();
            listDefs_.emplace_back();
            s.dest = Dest::List;
            break;
        case Id::listlevel:
            if (d != Dest::List || listDefs_.back().levels.size() >= 9) return skipGroup();
            listDefs_.back().levels.emplace_back();
            s.dest = Dest::ListLevel;
            break;
        case Id::leveltext:
            if (d != Dest::ListLevel) return skipGroup();
            levelText_.clear();
            s.dest = Dest::LevelText;
            break;
        case Id::listoverride:
            if (d != Dest::ListOverrideTable) return skipGroup();
            overrideListId_ = 0;
            s.dest = Dest::ListOverride;
            break;
        case Id::pict:
            if (d != Dest::Text) return skipGroup();
            pict_ = Picture{};
            s.dest = Dest::Pict;
            break;
        case Id::field:
            if (d == Dest::Text) startField();
            break;
        case Id::fldinst:
            if (d != Dest::Text || s.field < 0) return skipGroup();
            s.dest = Dest::FieldInst;
            break;
        case Id::fldrslt:
            if (d == Dest::Text) s.ch.link = linkForField(s.field);
            break;
        case Id::pn:
            if (d != Dest::Text) return skipGroup();
            s.dest = Dest::Pn;
            s.pa.pnMark = MarkProps{.bold = 0, .italic = 0};  // numbers are plain unless told
            break;
        case Id::pntxtb:
        case Id::pntxta:
            if (d != Dest::Pn) return skipGroup();
            pnText_.clear();
            s.dest = id == Id::pntxtb ? Dest::PnTextBefore : Dest::PnTextAfter;
            break;
        case Id::upr:
        case Id::object:
        case Id::shp:
        case Id::nesttableprops:
            s.resume = d;
            s.dest = Dest::Hidden;
            break;
        case Id::ud:
        case Id::result:
        case Id::shprslt:
        case Id::shppict:
            break;  // their content is shown where they stand
        default:
            skipGroup();
            break;
    }
}

void Builder::onFlag(Id id) {
    GroupState& s = state();
    CharProps& ch = s.ch;
    ParaProps& pa = s.pa;
    switch (id) {
        case Id::ansi:
            ansiCodePage_ = 1252;
            break;
        case Id::mac:
            ansiCodePage_ = 10000;
            break;
        case Id::pc:
            ansiCodePage_ = 437;
            break;
        case Id::pca:
            ansiCodePage_ = 850;
            break;
        case Id::plain:
            ch = CharProps{.link = ch.link};
            break;
        case Id::pard:
            pa = ParaProps{};
            break;
        case Id::ql:
            pa.align = 0;
            break;
        case Id::qc:
            pa.align = 1;
            break;
        case Id::qr:
            pa.align = 2;
            break;
        case Id::qj:
        case Id::qd:
            pa.align = 3;
            break;
        case Id::intbl:
            pa.inTable = true;
            break;
        case Id::sub:
            ch.vertical = -1;
            break;
        case Id::super:
            ch.vertical = 1;
            break;
        case Id::nosupersub:
            ch.vertical = 0;
            break;
        case Id::ulnone:
            ch.underline = 0;
            break;
        case Id::tqc:
            pa.nextTabType = QTextOption::CenterTab;
            break;
        case Id::tqr:
            pa.nextTabType = QTextOption::RightTab;
            break;
        case Id::tqdec:
            pa.nextTabType = QTextOption::DelimiterTab;
            break;
        case Id::trowd:
            resetRowDefinition();
            break;
        case Id::trqc:
            rowAlign_ = Qt::AlignHCenter;
            break;
        case Id::trqr:
            rowAlign_ = Qt::AlignRight;
            break;
        case Id::brdrnone:
            ++noBorderWords_;
            break;
        case Id::trbrdrt:
        case Id::trbrdrb:
        case Id::trbrdrl:
        case Id::trbrdrr:
        case Id::trbrdrh:
        case Id::trbrdrv:
        case Id::clbrdrt:
        case Id::clbrdrb:
        case Id::clbrdrl:
        case Id::clbrdrr:
            ++borderWords_;
            break;
        case Id::fnil:
        case Id::froman:
        case Id::fswiss:
        case Id::fmodern:
        case Id::fscript:
        case Id::fdecor:
        case Id::ftech:
        case Id::fbidi:
            if (s.dest == Dest::FontTable)
                definedFont().kind = meaningOf(kFontKinds, id, FontKind::Nil);
            break;
        case Id::pngblip:
            pict_.type = Picture::Type::Png;
            break;
        case Id::jpegblip:
            pict_.type = Picture::Type::Jpeg;
            break;
        case Id::emfblip:
        case Id::macpict:
            pict_.type = Picture::Type::Metafile;
            break;
        case Id::pnlvlblt:
            pa.pnStyle = QTextListFormat::ListDisc;
            break;
        case Id::pnlvlbody:
            if (pa.pnStyle >= 0) pa.pnStyle = QTextListFormat::ListDecimal;
            break;
        case Id::pnlvlcont:
            pa.pnStyle = kListContinuation;
            break;
        case Id::pndec:
        case Id::pncard:
        case Id::pnord:
        case Id::pnordt:
            pa.pnStyle = QTextListFormat::ListDecimal;
            break;
        case Id::pnucltr:
            pa.pnStyle = QTextListFormat::ListUpperAlpha;
            break;
        case Id::pnlcltr:
            pa.pnStyle = QTextListFormat::ListLowerAlpha;
            break;
        case Id::pnucrm:
            pa.pnStyle = QTextListFormat::ListUpperRoman;
            break;
        case Id::pnlcrm:
            pa.pnStyle = QTextListFormat::ListLowerRoman;
            break;
        default:
            break;
    }
}

void Builder::onToggle(Id id, bool on) {
    CharProps& ch = state().ch;
    switch (id) {
        case Id::b:
            ch.bold = on;
            break;
        case Id::i:
            ch.italic = on;
            break;
        case Id::strike:
        case Id::striked:
            ch.strike = on;
            break;
        case Id::caps:
            ch.caps = on;
            break;
        case Id::scaps:
            ch.smallCaps = on;
            break;
        case Id::v:
            ch.hidden = on;
            break;
        case Id::pnb:
            state().pa.pnMark.bold = on;
            break;
        case Id::pni:
            state().pa.pnMark.italic = on;
            break;
        default:
            ch.underline = on ? meaningOf(kUnderlines, id, QTextCharFormat::SingleUnderline) : 0;
            break;  // the \ul family
    }
}

void Builder::onValue(Id id, bool hasParam, int v) {
    GroupState& s = state();
    CharProps& ch = s.ch;
    ParaProps& pa = s.pa;
    const bool inFontTable = s.dest == Dest::FontTable;
    switch (id) {
        case Id::ansicpg:
            ansiCodePage_ = clamp(v, 0, 65535);
            break;
        case Id::deff:
            defaultFont_ = clamp(v, 0, 65535);
            break;
        case Id::deftab:
            tabStop_ = clamp(v, 1, kMaxTwips);
            break;
        case Id::uc:
            s.uc = clamp(v, 0, 16);
            break;
        case Id::u:
            if (hasParam) onUnicode(v);
            break;
        case Id::f:
            if (inFontTable) {
                finishFont();
                definingFont_ = clamp(v, 0, 65535);
                if (fonts_.size() < kMaxTableEntries || fonts_.count(definingFont_))
                    fonts_[definingFont_] = FontDef{};
                else
                    definingFont_ = -1;
            } else {
                ch.font = clamp(v, 0, 65535);
            }
            break;
        case Id::fcharset:
            if (inFontTable) definedFont().charset = clamp(v, 0, 255);
            break;
        case Id::cpg:
            if (inFontTable) definedFont().cpg = clamp(v, 0, 65535);
            break;
        case Id::fs:
            ch.halfPoints = v > 0 ? std::min(v, 3276) : 24;
            break;
        case Id::up:
            ch.raise = hasParam ? clamp(v, 0, 3276) : 6;
            break;
        case Id::dn:
            ch.raise = -(hasParam ? clamp(v, 0, 3276) : 6);
            break;
        case Id::cf:
            ch.fg = clamp(v, 0, kMaxTableEntries);
            break;
        case Id::cb:
        case Id::chcbpat:
        case Id::highlight:
            ch.bg = clamp(v, 0, kMaxTableEntries);
            break;
        case Id::s:
            if (s.dest == Dest::StyleEntry)
                s.styleDef = clamp(v, 0, 65535);
            else if (s.dest == Dest::Text)
                applyStyle(v);
            break;
        case Id::cs:
        case Id::ds:
        case Id::ts:
            if (s.dest == Dest::StyleEntry) s.styleDef = -1;  // not a paragraph style
            break;
        case Id::li:
            pa.left = clamp(v, -kMaxTwips, kMaxTwips);
            break;
        case Id::ri:
            pa.right = clamp(v, -kMaxTwips, kMaxTwips);
            break;
        case Id::fi:
            pa.first = clamp(v, -kMaxTwips, kMaxTwips);
            break;
        case Id::sb:
            pa.before = clamp(v, 0, kMaxTwips);
            break;
        case Id::sa:
            pa.after = clamp(v, 0, kMaxTwips);
            break;
        case Id::sl:
            pa.line = clamp(v, -kMaxTwips, kMaxTwips);
            break;
        case Id::slmult:
            pa.lineMultiple = v != 0;
            break;
        case Id::cbpat:
            pa.bg = clamp(v, 0, kMaxTableEntries);
            break;
        case Id::tx:
        case Id::tb:
            if (pa.tabs.size() < 64)
                pa.tabs.append(QTextOption::Tab(clamp(v, 0, kMaxTwips) / 15.0, pa.nextTabType));
            pa.nextTabType = QTextOption::LeftTab;
            break;
        case Id::red:
            red_ = clamp(v, 0, 255);
            colorSet_ = true;
            break;
        case Id::green:
            green_ = clamp(v, 0, 255);
            colorSet_ = true;
            break;
        case Id::blue:
            blue_ = clamp(v, 0, 255);
            colorSet_ = true;
            break;
        default:
            onListValue(id, v);
            onTableValue(id, v);
            onPictureValue(id, v);
            break;
    }
}

void Builder::onListValue(Id id, int v) {
    GroupState& s = state();
    switch (id) {
        case Id::ls:
            if (s.dest == Dest::ListOverride) {
                if (overrides_.size() < kMaxTableEntries) overrides_[v] = overrideListId_;
            } else {
                s.pa.ls = clamp(v, 0, 65535);
            }
            break;
        case Id::ilvl:
            s.pa.level = clamp(v, 0, 8);
            break;
        case Id::pnf:
            s.pa.pnMark.font = clamp(v, 0, 65535);
            break;
        case Id::pnfs:
            s.pa.pnMark.halfPoints = clamp(v, 0, 3276);
            break;
        case Id::pncf:
            s.pa.pnMark.fg = clamp(v, 0, kMaxTableEntries);
            break;
        case Id::listid:
            if (s.dest == Dest::List) listDefs_.back().id = v;
            if (s.dest == Dest::ListOverride) overrideListId_ = v;
            break;
        case Id::levelnfc:
        case Id::levelnfcn:
            if (s.dest == Dest::ListLevel) listDefs_.back().levels.back().style = listStyleFor(v);
            break;
        default:
            break;
    }
}

void Builder::onTableValue(Id id, int v) {
    switch (id) {
        case Id::cellx:
            if (static_cast<int>(cellx_.size()) < kMaxColumns) {
                cellx_.push_back(clamp(v, -kMaxTwips, 2 * kMaxTwips));
                cellBg_.push_back(pendingCellBg_);
            }
            pendingCellBg_ = -1;
            break;
        case Id::clcbpat:
            pendingCellBg_ = clamp(v, 0, kMaxTableEntries);
            break;
        case Id::trgaph:
            rowGap_ = clamp(v, 0, 1440);
            break;
        case Id::trleft:
            rowLeft_ = clamp(v, -kMaxTwips, kMaxTwips);
            break;
        default:
            break;
    }
}

void Builder::onPictureValue(Id id, int v) {
    if (state().dest != Dest::Pict) return;
    switch (id) {
        case Id::picw:
            pict_.w = clamp(v, 0, 1'000'000);
            break;
        case Id::pich:
            pict_.h = clamp(v, 0, 1'000'000);
            break;
        case Id::picwgoal:
            pict_.goalW = clamp(v, 0, 1'000'000);
            break;
        case Id::pichgoal:
            pict_.goalH = clamp(v, 0, 1'000'000);
            break;
        case Id::picscalex:
            pict_.scaleX = clamp(v, 1, 1000);
            break;
        case Id::picscaley:
            pict_.scaleY = clamp(v, 1, 1000);
            break;
        case Id::wmetafile:
        case Id::pmmetafile:
        case Id::wbitmap:
            pict_.type = Picture::Type::Metafile;
            break;
        case Id::dibitmap:
            pict_.type = Picture::Type::Dib;
            break;
        default:
            break;
    }
}

void Builder::onSymbolWord(Id id) {
    if (state().dest != Dest::Text) {
        if (const char16_t c = meaningOf(kSymbolWords, id, char16_t(0)))
            appendText(QString(QChar(c)));
        return;
    }
    switch (id) {
        case Id::par:
        case Id::sect:
        case Id::page:
        case Id::column:
        case Id::nestrow:
            endParagraph();
            break;
        case Id::softline:
            appendText(QString(QChar::LineSeparator));
            break;
        case Id::cell:
            endCell();
            break;
        case Id::row:
            endRow();
            break;
        default:
            if (const char16_t c = meaningOf(kSymbolWords, id, char16_t(0)))
                appendText(QString(QChar(c)));
            break;
    }
}

void Builder::onSymbol(char c) {
    switch (c) {
        case '*':
            star_ = true;
            break;
        case '~':
            appendText(QString(QChar(0x00A0)));
            break;
        case '-':
            appendText(QString(QChar(0x00AD)));
            break;
        case '_':
            appendText(QString(QChar(0x2011)));
            break;
        case '\\':
        case '{':
        case '}':
            appendBytes(QByteArrayView(&c, 1));
            break;
        default:
            break;
    }
}

void Builder::onHex(int byte) {
    if (byte < 0x20) {
        if (state().dest == Dest::LevelText)
            levelText_ += QChar(byte);  // the length and the level number places
        else if (byte == '\t')
            appendText(QStringLiteral("\t"));
        return;
    }
    const char c = static_cast<char>(byte);
    appendBytes(QByteArrayView(&c, 1));
}

void Builder::onText(QByteArrayView bytes) {
    // Line ends never reach here; other control characters are not text, except the tab.
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c >= 0x20) continue;
        if (i > start) appendBytes(bytes.sliced(start, i - start));
        if (c == '\t') appendText(QStringLiteral("\t"));
        start = i + 1;
    }
    if (start < bytes.size()) appendBytes(bytes.sliced(start));
}

void Builder::onBinary(QByteArrayView bytes) {
    if (state().dest == Dest::Pict && pict_.binary.size() + bytes.size() <= kMaxPictureBytes)
        pict_.binary.append(bytes);
}

void Builder::onUnicode(int value) {
    skipChars_ = state().uc;
    if (value < 0) value += 65536;
    if (value <= 0 || value > 0xFFFF) return;
    if (value < 0x20 && value != '\t') return;
    const int cp = codePage();
    QChar c(static_cast<char16_t>(value));
    if ((cp == kSymbolCodePage || cp == kDingbatCodePage) && value >= 0xF020 && value <= 0xF0FF)
        c = symbolChar(cp, static_cast<std::uint8_t>(value & 0xFF));
    if (c.isNull()) return;
    if (c.isSurrogate()) pendingSurrogate_ = true;
    appendText(QString(c));
}

// \sN in the text: the paragraph takes the style's properties, then those written after it.
void Builder::applyStyle(int number) {
    GroupState& s = state();
    const auto it = styles_.find(number);
    if (it == styles_.end()) return;
    const bool inTable = s.pa.inTable;
    s.pa = it->second.pa;
    s.pa.inTable = s.pa.inTable || inTable;
    const int link = s.ch.link;
    s.ch = it->second.ch;
    s.ch.link = link;
}

}  // namespace rtf
