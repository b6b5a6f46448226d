// The builder's text: code pages, runs of one format, paragraphs, character and block formats.
#include <QBrush>
#include <QFont>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextTable>
#include <algorithm>

#include "lessons/rtf/rtf_builder.h"
#include "lessons/rtf/rtf_height.h"

namespace rtf {

namespace {

constexpr qsizetype kMaxNameLength = 128;
constexpr qsizetype kMaxInstructionLength = 2048;
constexpr qsizetype kMaxLevelText = 64;
constexpr std::size_t kMaxDecoders = 16;
const QColor kLinkColor(0, 0, 255);

// Replaces halves of surrogate pairs that \u escapes left alone.
void mendSurrogates(QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!c.isSurrogate()) continue;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        text[i] = QChar::ReplacementCharacter;
    }
}

double pixels(int twips) {
    return twips / 15.0;
}

}  // namespace

int Builder::codePage() {
    const CharProps& ch = state().ch;
    const FontDef* f = font(ch.font >= 0 ? ch.font : defaultFont_);
    return f && f->codePage ? f->codePage : ansiCodePage_;
}

QStringDecoder& Builder::decoder(int codePage) {
    if (const auto it = decoders_.find(codePage); it != decoders_.end()) return it->second;
    if (decoders_.size() >= kMaxDecoders && codePage != 1252) return decoder(1252);
    const QByteArray name = decoderName(codePage);
    QStringDecoder d(name.isEmpty() ? "windows-1252" : name.constData());
    if (!d.isValid()) d = QStringDecoder("windows-1252");
    return decoders_.emplace(codePage, std::move(d)).first->second;
}

QString Builder::decode(int codePage, QByteArrayView bytes) {
    if (codePage != kSymbolCodePage && codePage != kDingbatCodePage)
        return decoder(codePage).decode(bytes);
    QString text;
    text.reserve(bytes.size());
    for (const char b : bytes) {
        const QChar c = symbolChar(codePage, static_cast<std::uint8_t>(b));
        if (!c.isNull()) text += c;
    }
    return text;
}

// Bytes of text, from plain text or hex escapes, for whatever the current group collects.
void Builder::appendBytes(QByteArrayView bytes) {
    switch (state().dest) {
        case Dest::Text:
            appendShownBytes(bytes);
            break;
        case Dest::FontTable: {
            FontDef& f = definedFont();
            for (const char c : bytes) {
                if (c == ';') f.done = true;
                if (!f.done && f.rawName.size() < kMaxNameLength) f.rawName += c;
            }
            break;
        }
        case Dest::ColorTable:
            for (const char c : bytes) {
                if (c == ';') addColor();
            }
            break;
        case Dest::Pict:
            for (const char c : bytes) {
                if (pict_.hex.size() >= 2 * kMaxPictureBytes) break;
                if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))
                    pict_.hex += c;
            }
            break;
        case Dest::FieldInst:
        case Dest::LevelText:
        case Dest::PnTextBefore:
        case Dest::PnTextAfter:
            appendText(decode(codePage(), bytes));
            break;
        default:
            break;
    }
}

// Decoded text for whatever the current group collects.
void Builder::appendText(const QString& text) {
    GroupState& s = state();
    switch (s.dest) {
        case Dest::Text:
            if (s.ch.hidden) return;
            beginRun();
            flushBytes();
            if (text == u"\t" && ++tabsInBlock_ > kMaxTabsPerParagraph)
                pendingText_ += u' ';
            else
                pendingText_ += text;
            break;
        case Dest::FieldInst:
            if (fieldInst_[s.field].size() < kMaxInstructionLength) fieldInst_[s.field] += text;
            break;
        case Dest::LevelText:
            if (levelText_.size() < kMaxLevelText) levelText_ += text;
            break;
        case Dest::PnTextBefore:
        case Dest::PnTextAfter:
            if (pnText_.size() < kMaxLevelText) pnText_ += text;
            break;
        default:
            break;
    }
}

void Builder::appendShownBytes(QByteArrayView bytes) {
    if (state().ch.hidden) return;
    beginRun();
    const int cp = codePage();
    if (cp != pendingCodePage_) {
        flushBytes();
        pendingCodePage_ = cp;
    }
    pendingBytes_ += bytes;
}

// Makes the pending run the place for text in the current state: the right block, table cell
// and format. Runs end only when something changes, so a paragraph of one format is one insert.
void Builder::beginRun() {
    const GroupState& s = state();
    const bool inTable = table_ != nullptr;
    if (pendingBreak_ || !blockOpen_ || wantsTable(s.pa) != inTable ||
        (inTable && (!rowOpen_ || cellDone_))) {
        flushText();
        ensureContent(s.pa);
    }
    // Past its limit of runs, a paragraph keeps the format of its last run.
    if (!(s.ch == pendingProps_) && runsInBlock_ < kMaxRunsPerParagraph) {
        flushText();
        pendingProps_ = s.ch;
    }
}

void Builder::flushBytes() {
    if (pendingBytes_.isEmpty()) return;
    pendingText_ += decode(pendingCodePage_, pendingBytes_);
    pendingBytes_.resize(0);
}

void Builder::flushText() {
    flushBytes();
    if (pendingText_.isEmpty()) return;
    if (std::exchange(pendingSurrogate_, false)) mendSurrogates(pendingText_);
    const double px = fontPixels(pendingProps_.halfPoints);
    const double line = lineHeight(pendingProps_, state().pa);
    const bool narrow = table_ != nullptr;
    const qsizetype fit = fittingLength(pendingText_, px, line, narrow, heightLeft_);
    if (fit < pendingText_.size()) {
        pendingText_.truncate(fit);
        done_ = true;  // the rest of the document would be too tall to lay out
    }
    spend(runHeight(pendingText_, px, line, narrow));
    ++runsInBlock_;
    insertRun(pendingText_);
    pendingText_.resize(0);
}

// Inserts a run, counting the changes of script in it as pieces of the paragraph.
void Builder::insertRun(QStringView text) {
    const QTextCharFormat format = charFormat(pendingProps_);
    countPiece();
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar::Script script = text[i].script();
        if (script <= QChar::Script_Common || script == lastScript_) continue;
        if (piecesInBlock_ + 1 >= kMaxPiecesPerParagraph) {
            cursor_.insertText(text.sliced(start, i - start).toString(), format);
            start = i;
        }
        countPiece();
        lastScript_ = script;
    }
    cursor_.insertText(text.sliced(start).toString(), format);
}

void Builder::countPiece() {
    if (++piecesInBlock_ < kMaxPiecesPerParagraph) return;
    // The paragraph goes on in a block of its own.
    cursor_.setBlockFormat(blockFormat(state().pa));
    cursor_.insertBlock();
    blockStarted();
}

void Builder::blockStarted() {
    runsInBlock_ = piecesInBlock_ = tabsInBlock_ = 0;
    lastScript_ = QChar::Script_Unknown;
}

// The block (and table cell) for content with paragraph properties `pa`.
void Builder::ensureContent(const ParaProps& pa) {
    if (wantsTable(pa)) {
        if (!table_)
            startTable();
        else if (!rowOpen_)
            startRow();
        else if (cellDone_)
            nextCell();
    } else if (table_) {
        leaveTable();
    }
    if (pendingBreak_) {
        cursor_.insertBlock();
        pendingBreak_ = false;
        blockStarted();
    }
    blockOpen_ = true;
}

void Builder::endParagraph() {
    flushText();
    ensureContent(state().pa);
    finishBlock(state());
    pendingBreak_ = true;
}

// A paragraph takes the properties in force at its end.
void Builder::finishBlock(const GroupState& s) {
    cursor_.setBlockFormat(blockFormat(s.pa));
    CharProps ch = s.ch;
    ch.link = -1;
    if (const MarkProps* mark = applyList(s.pa)) mark->applyTo(ch);
    // The height of an empty line and the look of a list mark. The first block of a table cell
    // keeps the cell's own format there, so that one is only added to.
    if (table_ && table_->cellAt(cursor_).firstPosition() == cursor_.block().position())
        cursor_.mergeBlockCharFormat(charFormat(ch));
    else
        cursor_.setBlockCharFormat(charFormat(ch));
    blockOpen_ = false;
    if (!table_) spend(lineHeight(s.ch, s.pa) + pixels(s.pa.before + s.pa.after));
}

double Builder::lineHeight(const CharProps& ch, const ParaProps& pa) const {
    const double natural = 1.25 * fontPixels(ch.halfPoints);
    if (pa.line > 0 && pa.lineMultiple) return natural * pa.line / 240.0;
    return std::max(natural, pixels(std::abs(pa.line)));
}

void Builder::spend(double pixels) {
    heightLeft_ -= pixels;
    if (heightLeft_ <= 0) done_ = true;
}

void Builder::finish() {
    flushText();
    if (blockOpen_) finishBlock(state());
    if (table_) leaveTable();
    QTextOption option = doc_->defaultTextOption();
    option.setTabStopDistance(pixels(tabStop_));
    doc_->setDefaultTextOption(option);
}

QTextCharFormat Builder::charFormat(const CharProps& ch) {
    if (cachedValid_ && ch == cachedProps_) return cachedFormat_;
    QTextCharFormat f;
    const FontDef* fd = font(ch.font >= 0 ? ch.font : defaultFont_);
    f.setFontFamilies(fd ? fd->families : defaultFamilies_);
    f.setFontPointSize(ch.halfPoints / 2.0);
    if (ch.bold) f.setFontWeight(QFont::Bold);
    if (ch.italic) f.setFontItalic(true);
    if (ch.strike) f.setFontStrikeOut(true);
    if (ch.caps)
        f.setFontCapitalization(QFont::AllUppercase);
    else if (ch.smallCaps)
        f.setFontCapitalization(QFont::SmallCaps);
    if (ch.vertical != 0) {
        f.setVerticalAlignment(ch.vertical < 0 ? QTextCharFormat::AlignSubScript
                                               : QTextCharFormat::AlignSuperScript);
    } else if (ch.raise != 0) {
        f.setBaselineOffset(std::clamp(100.0 * ch.raise / ch.halfPoints, -100.0, 100.0));
    }
    const QColor fg = color(ch.fg);
    if (fg.isValid()) f.setForeground(fg);
    const QColor bg = color(ch.bg);
    if (bg.isValid()) f.setBackground(bg);
    auto underline = static_cast<QTextCharFormat::UnderlineStyle>(ch.underline);
    if (ch.link >= 0) {
        // A link looks like one; the viewer never follows it.
        f.setAnchor(true);
        f.setAnchorHref(links_.at(ch.link));
        if (!fg.isValid()) f.setForeground(kLinkColor);
        if (underline == QTextCharFormat::NoUnderline) underline = QTextCharFormat::SingleUnderline;
    }
    if (underline != QTextCharFormat::NoUnderline) f.setUnderlineStyle(underline);
    cachedProps_ = ch;
    cachedFormat_ = f;
    cachedValid_ = true;
    return f;
}

QTextBlockFormat Builder::blockFormat(const ParaProps& pa) const {
    static constexpr Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                               Qt::AlignJustify};
    QTextBlockFormat f;
    f.setAlignment(kAlign[pa.align]);
    const int left = std::max(0, pa.left);
    f.setLeftMargin(pixels(left));
    f.setRightMargin(pixels(std::max(0, pa.right)));
    // A list item's mark hangs in the first line indent, where its \pntext or \listtext was.
    const bool listItem = pa.ls > 0 || pa.pnStyle < 0;
    const int first = listItem && pa.first < 0 ? 0 : std::max(pa.first, -left);
    f.setTextIndent(pixels(first));
    f.setTopMargin(pixels(pa.before));
    f.setBottomMargin(pixels(pa.after));
    if (pa.line > 0 && pa.lineMultiple)
        f.setLineHeight(pa.line * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    else if (pa.line > 0)
        f.setLineHeight(pixels(pa.line), QTextBlockFormat::MinimumHeight);
    else if (pa.line < 0)
        f.setLineHeight(pixels(-pa.line), QTextBlockFormat::FixedHeight);
    const QColor bg = color(pa.bg);
    if (bg.isValid()) f.setBackground(bg);
    if (!pa.tabs.isEmpty()) {
        // RTF measures tab stops from the page margin, Qt from the paragraph's own left edge.
        QList<QTextOption::Tab> tabs;
        for (QTextOption::Tab tab : pa.tabs) {
            tab.position -= pixels(left);
            if (tab.position > 0) tabs << tab;
        }
        f.setTabPositions(tabs);
    }
    return f;
}

QColor Builder::color(int index) const {
    if (index < 0 || index >= static_cast<int>(colors_.size())) return {};
    return colors_[index];
}

const Builder::FontDef* Builder::font(int number) const {
    const auto it = fonts_.find(number);
    return it == fonts_.end() ? nullptr : &it->second;
}

// The font table entry being read; words outside any entry go to a scratch entry.
Builder::FontDef& Builder::definedFont() {
    if (definingFont_ < 0) {
        scratchFont_ = FontDef{};
        return scratchFont_;
    }
    return fonts_[definingFont_];
}

void Builder::finishFont() {
    if (definingFont_ < 0) return;
    FontDef& f = fonts_[definingFont_];
    definingFont_ = -1;
    const int nameCodePage = f.cpg ? f.cpg : codePageForCharset(f.charset, ansiCodePage_);
    const QString name =
        nameCodePage < 0 ? QString::fromLatin1(f.rawName) : decoder(nameCodePage).decode(f.rawName);
    f.codePage = f.cpg ? f.cpg : codePageForFont(name, f.charset, 0);
    f.families = familiesFor(name, f.kind);
    f.rawName.clear();
}

void Builder::addColor() {
    if (colors_.size() < kMaxTableEntries)
        colors_.push_back(colorSet_ ? QColor(red_, green_, blue_) : QColor());
    red_ = green_ = blue_ = 0;
    colorSet_ = false;
}

}  // namespace rtf
