// The builder's objects: tables, lists, pictures and fields.
#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTextBlock>
#include <QTextList>
#include <QTextTable>
#include <QUrl>
#include <QtEndian>
#include <algorithm>

#include "lessons/rtf/rtf_builder.h"
#include "lessons/rtf/rtf_height.h"

namespace rtf {

namespace {

// Tables up to this width keep their widths; wider ones (a page wide, say) fill the viewer.
constexpr int kFixedTableTwips = 5000;
constexpr int kDefaultPictureSide = 48;
constexpr double kCellPaddingY = 1;  // pixels above and below the text of a cell

// A DIB (\dibitmap) is a BMP file without its 14-byte file header.
QByteArray withBmpHeader(const QByteArray& dib) {
    if (dib.size() < 16) return {};
    const auto* d = reinterpret_cast<const uchar*>(dib.constData());
    const quint32 headerSize = qFromLittleEndian<quint32>(d);
    if (headerSize < 12 || headerSize > static_cast<quint32>(dib.size())) return {};
    quint32 palette = 0;
    if (headerSize == 12) {
        const quint16 bits = qFromLittleEndian<quint16>(d + 10);
        if (bits <= 8) palette = 3u << bits;
    } else {
        if (dib.size() < 36) return {};
        const quint16 bits = qFromLittleEndian<quint16>(d + 14);
        const quint32 compression = qFromLittleEndian<quint32>(d + 16);
        const quint32 used = qFromLittleEndian<quint32>(d + 32);
        const quint32 entries = used ? std::min<quint32>(used, 256) : (bits <= 8 ? 1u << bits : 0);
        palette = 4 * entries;
        if (compression == 3 && headerSize == 40) palette += 12;  // the three colour masks
    }
    QByteArray bmp("BM");
    uchar field[4];
    for (const quint32 v : {static_cast<quint32>(14 + dib.size()), 0u, 14 + headerSize + palette}) {
        qToLittleEndian(v, field);
        bmp.append(reinterpret_cast<const char*>(field), 4);
    }
    return bmp + dib;
}

// The words of a field instruction; quoted words may hold blanks.
QStringList instructionWords(const QString& inst) {
    QStringList words;
    qsizetype i = 0;
    while (i < inst.size()) {
        while (i < inst.size() && inst.at(i).isSpace()) ++i;
        if (i >= inst.size()) break;
        const bool quoted = inst.at(i) == u'"';
        const qsizetype start = quoted ? i + 1 : i;
        qsizetype end = start;
        while (end < inst.size() && (quoted ? inst.at(end) != u'"' : !inst.at(end).isSpace()))
            ++end;
        words << inst.mid(start, end - start);
        i = end + 1;
    }
    return words;
}

}  // namespace

// ---- tables

bool Builder::wantsTable(const ParaProps& pa) const {
    return pa.inTable && (table_ || cellsLeft_ > 0);
}

void Builder::resetRowDefinition() {
    cellx_.clear();
    cellBg_.clear();
    pendingCellBg_ = -1;
    rowLeft_ = 0;
    rowGap_ = 108;
    rowAlign_ = Qt::AlignLeft;
    borderWords_ = noBorderWords_ = 0;
}

QList<QTextLength> Builder::columnWidths() const {
    QList<QTextLength> widths;
    if (cellx_.empty()) return widths;
    const int total = std::max(1, cellx_.back() - rowLeft_);
    int left = rowLeft_;
    for (const int x : cellx_) {
        const int w = std::max(1, x - left);
        widths << (total <= kFixedTableTwips
                       ? QTextLength(QTextLength::FixedLength, w / 15.0)
                       : QTextLength(QTextLength::PercentageLength, 100.0 * w / total));
        left = std::max(left, x);
    }
    return widths;
}

void Builder::startTable() {
    const int columns =
        std::min(std::clamp(static_cast<int>(cellx_.size()), 1, kMaxColumns), cellsLeft_);
    QTextTableFormat f;
    f.setBorderCollapse(true);
    f.setCellSpacing(0);
    f.setCellPadding(kCellPaddingY);
    const bool borders = borderWords_ > noBorderWords_;
    f.setBorder(borders ? 1 : 0);
    f.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    f.setBorderBrush(QColor(0x40, 0x40, 0x40));
    f.setLeftMargin(std::max(0, rowLeft_ + rowGap_) / 15.0);
    f.setAlignment(rowAlign_);
    f.setColumnWidthConstraints(columnWidths());
    if (!cellx_.empty() && cellx_.back() - rowLeft_ > kFixedTableTwips)
        f.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    if (!pendingBreak_ && cursor_.block().length() == 1) {
        // Qt keeps an empty paragraph before a table that starts the document or follows
        // another: it takes no room, as the writer never wrote it.
        QTextBlockFormat empty;
        empty.setLineHeight(0, QTextBlockFormat::FixedHeight);
        cursor_.setBlockFormat(empty);
    }
    table_ = cursor_.insertTable(1, columns, f);
    cellsLeft_ -= columns;
    row_ = col_ = 0;
    rowOpen_ = true;
    cellDone_ = false;
    pendingBreak_ = false;
    blockStarted();
    formatRowCells();
    cursor_ = table_->cellAt(0, 0).firstCursorPosition();
}

// Rows are added to the table in growing batches and the spare ones removed when it ends: Qt
// re-indexes all cells of a table after each change of its shape.
void Builder::startRow() {
    rowOpen_ = true;
    cellDone_ = false;
    if (row_ + 1 >= table_->rows()) {
        const int columns = table_->columns();
        const int batch = std::min(table_->rows(), cellsLeft_ / columns);
        if (batch <= 0) {
            pendingBreak_ = true;  // out of cells: the rest goes into the last one
            return;
        }
        table_->appendRows(batch);
        cellsLeft_ -= batch * columns;
    }
    ++row_;
    col_ = 0;
    spend(lineHeight(CharProps{}, ParaProps{}) + 2 * table_->format().cellPadding() + 1);
    addColumnsFor(static_cast<int>(cellx_.size()));
    formatRowCells();
    cursor_ = table_->cellAt(row_, 0).firstCursorPosition();
    pendingBreak_ = false;
    blockStarted();
}

void Builder::nextCell() {
    cellDone_ = false;
    if (col_ + 1 >= table_->columns()) addColumnsFor(col_ + 2);
    if (col_ + 1 >= table_->columns()) {
        pendingBreak_ = true;  // more cells than the row may have: they share the last one
        return;
    }
    ++col_;
    cursor_ = table_->cellAt(row_, col_).firstCursorPosition();
    pendingBreak_ = false;
    blockStarted();
}

void Builder::addColumnsFor(int cells) {
    const int extra = std::min(cells, kMaxColumns) - table_->columns();
    if (extra <= 0 || cellsLeft_ < extra * table_->rows()) return;
    table_->appendColumns(extra);
    cellsLeft_ -= extra * table_->rows();
}

// The row's cells: \trgaph to the left and right of the text, as word processors keep it, and
// their shading.
void Builder::formatRowCells() {
    const double gap = std::max(kCellPaddingY, rowGap_ / 15.0);
    for (int c = 0; c < table_->columns(); ++c) {
        QTextTableCell cell = table_->cellAt(row_, c);
        QTextTableCellFormat f = cell.format().toTableCellFormat();
        f.setLeftPadding(gap);
        f.setRightPadding(gap);
        const QColor bg = c < static_cast<int>(cellBg_.size()) ? color(cellBg_[c]) : QColor();
        if (bg.isValid()) f.setBackground(bg);
        cell.setFormat(f);
    }
}

void Builder::leaveTable() {
    const int spare = table_->rows() - row_ - 1;
    if (spare > 0) {
        table_->removeRows(row_ + 1, spare);
        cellsLeft_ += spare * table_->columns();
    }
    table_ = nullptr;
    rowOpen_ = cellDone_ = false;
    cursor_.movePosition(QTextCursor::End);  // the empty block that follows every table
    pendingBreak_ = false;
    blockStarted();
}

void Builder::endCell() {
    flushText();
    ParaProps pa = state().pa;
    pa.inTable = true;
    ensureContent(pa);
    GroupState s = state();
    s.pa = pa;
    finishBlock(s);
    if (table_) cellDone_ = true;
}

void Builder::endRow() {
    flushText();
    if (!table_ || !rowOpen_) return;
    if (blockOpen_) finishBlock(state());
    rowOpen_ = cellDone_ = false;
}

// ---- lists

void MarkProps::applyTo(CharProps& ch) const {
    if (font >= 0) ch.font = font;
    if (halfPoints > 0) ch.halfPoints = halfPoints;
    if (fg >= 0) ch.fg = fg;
    if (bold >= 0) ch.bold = bold;
    if (italic >= 0) ch.italic = italic;
    ch.underline = 0;
    ch.vertical = 0;
    ch.raise = 0;
    ch.hidden = false;
}

// Puts the paragraph into its list, if it has one; the look of the list's marks, or nullptr.
const MarkProps* Builder::applyList(const ParaProps& pa) {
    // Very long lists are cut into several: each item added costs Qt time for every item before.
    const auto addItem = [this](ShownList& shown, auto&& format) -> const MarkProps* {
        if (listItemsLeft_ <= 0) return nullptr;
        --listItemsLeft_;
        if (shown.list && shown.items < kMaxListItems) {
            shown.list->add(cursor_.block());
            ++shown.items;
        } else {
            shown.list = cursor_.createList(format());
            shown.items = 1;
        }
        return &shown.mark;
    };
    if (pa.ls > 0) {
        legacyList_ = {};
        const int key = pa.ls * 16 + pa.level;
        if (!lists_.count(key) && lists_.size() >= kMaxTableEntries) return nullptr;
        ShownList& shown = lists_[key];
        return addItem(shown, [&] {
            const ListLevelDef* level = listLevel(pa.ls, pa.level);
            shown.mark = level ? level->mark : MarkProps{};
            return listFormat(level);
        });
    }
    if (pa.pnStyle == kListContinuation) return nullptr;
    if (pa.pnStyle == 0) {
        legacyList_ = {};
        return nullptr;
    }
    const bool bullet = pa.pnStyle == QTextListFormat::ListDisc;
    const QString before = bullet ? QString() : pa.pnBefore;
    const QString after = bullet ? QString() : pa.pnAfter;
    if (pa.pnStyle != legacyStyle_ || before != legacyBefore_ || after != legacyAfter_) {
        legacyList_ = {};
        legacyStyle_ = pa.pnStyle;
        legacyBefore_ = before;
        legacyAfter_ = after;
    }
    legacyList_.mark = pa.pnMark;
    return addItem(legacyList_, [&] {
        QTextListFormat f;
        f.setStyle(static_cast<QTextListFormat::Style>(pa.pnStyle));
        f.setIndent(0);
        f.setNumberPrefix(before);
        f.setNumberSuffix(after);
        return f;
    });
}

const Builder::ListLevelDef* Builder::listLevel(int ls, int level) const {
    const auto ov = overrides_.find(ls);
    if (ov == overrides_.end()) return nullptr;
    const auto def = std::find_if(listDefs_.begin(), listDefs_.end(),
                                  [&](const ListDef& d) { return d.id == ov->second; });
    if (def == listDefs_.end() || level >= static_cast<int>(def->levels.size())) return nullptr;
    return &def->levels[level];
}

QTextListFormat Builder::listFormat(const ListLevelDef* level) const {
    QTextListFormat f;
    f.setIndent(0);
    f.setStyle(QTextListFormat::ListDisc);
    if (!level) return f;
    f.setStyle(static_cast<QTextListFormat::Style>(level->style));
    f.setNumberPrefix(level->prefix);
    f.setNumberSuffix(level->suffix);
    return f;
}

// \leveltext: a length, then the text with the places of the level numbers as bytes 0 to 8.
void Builder::finishLevelText() {
    ListLevelDef& lv = listDefs_.back().levels.back();
    if (levelText_.isEmpty()) return;
    const QString text = levelText_.mid(1, levelText_.at(0).unicode());
    if (lv.style == QTextListFormat::ListDisc) {
        const char16_t mark = text.isEmpty() ? 0 : text.at(0).unicode();
        if (mark == u'o') lv.style = QTextListFormat::ListCircle;
        if (mark == 0xF0A7 || mark == 0xA7 || mark == 0x25AA || mark == 0x25A0 || mark == 0xF06E)
            lv.style = QTextListFormat::ListSquare;
        return;
    }
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).unicode() > 8) continue;
        if (first < 0) first = i;
        last = i;
    }
    if (first < 0) return;
    lv.prefix = text.left(first);
    lv.suffix = text.mid(last + 1);
}

// ---- pictures

void Builder::insertPicture() {
    const GroupState& s = state();
    if (s.ch.hidden) return;
    QSize natural;
    const QImage image = decodePicture(natural);
    double w = 0, h = 0;  // twips
    if (pict_.goalW > 0 && pict_.goalH > 0) {
        w = pict_.goalW, h = pict_.goalH;
    } else if (!natural.isEmpty()) {
        w = natural.width() * 15.0, h = natural.height() * 15.0;
    } else if (pict_.type == Picture::Type::Metafile) {
        w = pict_.w * 1440.0 / 2540.0, h = pict_.h * 1440.0 / 2540.0;  // hundredths of a mm
    } else {
        w = pict_.w * 15.0, h = pict_.h * 15.0;
    }
    const auto side = [](double twips, int scale) {
        if (twips <= 0) return kDefaultPictureSide;
        return std::clamp(static_cast<int>(twips * scale / 100.0 / 15.0 + 0.5), 1, kMaxPictureSide);
    };
    const QSize shown(side(w, pict_.scaleX), side(h, pict_.scaleY));
    pict_.hex.clear();
    pict_.binary.clear();
    // A picture that cannot be shown (a metafile, broken data) keeps its place as an empty frame.
    if (shown.height() > heightLeft_) return;
    const QString name = image.isNull() ? frameImage(shown) : addImage(image);
    if (name.isEmpty()) return;
    spend(shown.height());
    flushText();
    ensureContent(s.pa);
    countPiece();
    QTextImageFormat f;
    f.setName(name);
    f.setWidth(shown.width());
    f.setHeight(shown.height());
    cursor_.insertImage(f);
}

QImage Builder::decodePicture(QSize& natural) {
    const char* format = nullptr;
    switch (pict_.type) {
        case Picture::Type::Png:
            format = "png";
            break;
        case Picture::Type::Jpeg:
            format = "jpeg";
            break;
        case Picture::Type::Dib:
            format = "bmp";
            break;
        default:
            return {};
    }
    QByteArray data = pict_.binary.isEmpty() ? QByteArray::fromHex(pict_.hex) : pict_.binary;
    if (pict_.type == Picture::Type::Dib) data = withBmpHeader(data);
    if (data.isEmpty()) return {};
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    // Only the decoder of the format the picture names: asking every image plugin whether it
    // knows the data loads them all, and exposes all of them to it.
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size();
    const qint64 pixels = static_cast<qint64>(size.width()) * size.height();
    if (size.isEmpty() || pixels > kMaxPicturePixels || pixels * 4 > pictureBytesLeft_) return {};
    QImage image = reader.read();
    if (image.isNull()) return {};
    natural = image.size();
    return image;
}

QString Builder::addImage(const QImage& image) {
    if (image.sizeInBytes() > pictureBytesLeft_) return {};
    pictureBytesLeft_ -= image.sizeInBytes();
    const QString name = QStringLiteral("rtf-picture:%1").arg(++imageCount_);
    doc_->addResource(QTextDocument::ImageResource, QUrl(name), image);
    return name;
}

QString Builder::frameImage(QSize size) {
    const auto key = std::make_pair(size.width(), size.height());
    if (const auto it = frames_.find(key); it != frames_.end()) return it->second;
    if (static_cast<qint64>(size.width()) * size.height() * 4 > pictureBytesLeft_) return {};
    QImage frame(size, QImage::Format_ARGB32_Premultiplied);
    frame.fill(Qt::transparent);
    QPainter painter(&frame);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(QRect(QPoint(0, 0), size - QSize(1, 1)));
    painter.end();
    const QString name = addImage(frame);
    if (!name.isEmpty()) frames_.emplace(key, name);
    return name;
}

// ---- fields

void Builder::startField() {
    if (fieldInst_.size() >= kMaxTableEntries) return;
    fieldInst_.emplace_back();
    state().field = static_cast<int>(fieldInst_.size()) - 1;
}

// The link a field's result shows: HYPERLINK "target" [\l "bookmark"]. Other fields show their
// result as plain text.
int Builder::linkForField(int field) {
    const int outer = state().ch.link;
    if (field < 0 || links_.size() >= kMaxTableEntries) return outer;
    const QStringList words = instructionWords(fieldInst_[field]);
    if (words.isEmpty() || words.first().compare(u"HYPERLINK", Qt::CaseInsensitive) != 0)
        return outer;
    QString target, bookmark;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString& w = words.at(i);
        if (w == u"\\l" && i + 1 < words.size()) {
            bookmark = words.at(++i);
        } else if (w == u"\\o" || w == u"\\t") {
            ++i;  // a tooltip or a target frame: nothing to show
        } else if (!w.startsWith(u'\\') && target.isEmpty()) {
            target = w;
        }
    }
    links_ << (bookmark.isEmpty() ? target : target + u'#' + bookmark);
    return static_cast<int>(links_.size()) - 1;
}

}  // namespace rtf
