#include "lessons/textbook_view.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <deque>

#include "lessons/lesson_frame.h"
#include "lessons/rtf/rtf_reader.h"
#include "media/media_path.h"
#include "shell/twips.h"

namespace {

constexpr int kTextMargin = 2;  // pixels between the panel's edge and the text

// A few Russian lines in each face of the lesson texts, in their sizes, plain, bold and italic.
QByteArray warmUpText() {
    // "Нажми мышкой на экран дисплея. Ёжик, щука и эльф любят программы!" in Windows-1251.
    const QByteArray line =
        "\\'cd\\'e0\\'e6\\'ec\\'e8 \\'ec\\'fb\\'f8\\'ea\\'ee\\'e9 \\'ed\\'e0 "
        "\\'fd\\'ea\\'f0\\'e0\\'ed "
        "\\'e4\\'e8\\'f1\\'ef\\'eb\\'e5\\'ff. \\'a8\\'e6\\'e8\\'ea, \\'f9\\'f3\\'ea\\'e0 \\'e8 "
        "\\'fd\\'eb\\'fc\\'f4 \\'eb\\'fe\\'e1\\'ff\\'f2 "
        "\\'ef\\'f0\\'ee\\'e3\\'f0\\'e0\\'ec\\'ec\\'fb!";
    QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\froman\\fcharset204 Times New Roman;}"
        "{\\f1\\fswiss\\fcharset204 Arial;}{\\f2\\fmodern\\fcharset204 Courier New;}"
        "{\\f3\\fscript\\fcharset204 Comic Sans MS;}}";
    for (const char* face : {"\\f0", "\\f1", "\\f2", "\\f3"}) {
        rtf += QByteArray("\\pard") + face;
        for (const char* size : {"\\fs18 ", "\\fs20 ", "\\fs22 ", "\\fs26 ", "\\fs34 "})
            rtf += size + line + " {\\b " + line + "} {\\i " + line + "}\\par";
    }
    return rtf + '}';
}

// Documents read ahead, with the bytes they were read from, oldest first.
struct Prepared {
    QByteArray rtf;
    std::unique_ptr<QTextDocument> document;
};
constexpr std::size_t kPreparedKept = 12;
constexpr qint64 kLargestPrepared = 1024 * 1024;
std::deque<Prepared>& prepared() {
    static std::deque<Prepared> documents;
    // Documents hold fonts, which must go before the application does.
    static const bool clearedAtTheEnd = [] {
        qAddPostRoutine([] { prepared().clear(); });
        return true;
    }();
    Q_UNUSED(clearedAtTheEnd);
    return documents;
}

std::unique_ptr<QTextDocument> takePrepared(const QByteArray& rtf) {
    auto& documents = prepared();
    for (auto it = documents.begin(); it != documents.end(); ++it)
        if (it->rtf == rtf) {
            std::unique_ptr<QTextDocument> document = std::move(it->document);
            documents.erase(it);
            return document;
        }
    return nullptr;
}

}  // namespace

TextbookView::TextbookView(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    // Selecting with the mouse, copying with Ctrl+C; no caret blinks in a text the child reads.
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setContextMenuPolicy(Qt::NoContextMenu);  // its entries would be in English
    setAcceptDrops(false);
    setUndoRedoEnabled(false);
}

TextbookView::~TextbookView() = default;

void TextbookView::setRtf(const QByteArray& rtf) {
    if (shown_.isSharedWith(rtf) && !shown_.isNull()) return;
    // The text read again from the same file (each visit of a lesson reads it anew) keeps its
    // document: reading and laying it out again would only give the same pages. A view without a
    // document shows nothing, as an empty text does.
    if (rtf != shown_) {
        std::unique_ptr<QTextDocument> next = takePrepared(rtf);
        if (!next) next = read(rtf);
        setDocument(next.get());  // the old document goes only after the switch
        document_ = std::move(next);
    } else {
        QTextCursor start(document());
        setTextCursor(start);  // no selection left from the last reading
    }
    shown_ = rtf;
    verticalScrollBar()->setValue(0);  // Qt would keep the old place, clamped to the new text
    horizontalScrollBar()->setValue(0);
}

std::unique_ptr<QTextDocument> TextbookView::read(const QByteArray& rtf) {
    auto document = rtf::toDocument(rtf);
    document->setDocumentMargin(kTextMargin);
    return document;
}

void TextbookView::prepare(const QByteArray& rtf, QSize size) {
    std::unique_ptr<QTextDocument> document = read(rtf);
    // The width the viewer wraps at: inside its frame, and beside the scroll bar when the text
    // is taller than the viewer.
    const TextbookView metrics;
    const int frame = 2 * metrics.frameWidth();
    const int width = size.width() - frame;
    document->setTextWidth(width);
    if (document->size().height() > size.height() - frame)
        document->setTextWidth(width - metrics.style()->pixelMetric(QStyle::PM_ScrollBarExtent,
                                                                    nullptr,
                                                                    metrics.verticalScrollBar()));
    document->documentLayout()->documentSize();  // every page laid out now
    auto& documents = prepared();
    std::erase_if(documents, [&](const Prepared& p) { return p.rtf == rtf; });
    documents.push_back({rtf, std::move(document)});
    if (documents.size() > kPreparedKept) documents.pop_front();
}

void TextbookView::prepareLessonTexts(const QString& workingDir) {
    const QSize viewer(twipsToPixels(frame::richTextBox1().bounds.width),
                       twipsToPixels(frame::richTextBox1().bounds.height));
    // The warning text first: every lesson window shows it while it is made.
    QTimer::singleShot(0, [viewer] { prepare(frame::kWarningText, viewer); });
    for (const frame::LessonText& text : frame::kLessonTexts)
        QTimer::singleShot(0, [viewer, workingDir, file = QString::fromLatin1(text.file)] {
            // A file far larger than a lesson text is read only when its lesson asks for it.
            if (QFileInfo(resolveMediaPath(file, workingDir)).size() > kLargestPrepared) return;
            const QByteArray rtf = frame::readLessonText(file, workingDir);
            if (!rtf.isEmpty()) prepare(rtf, viewer);
        });
}

void TextbookView::warmUp() {
    TextbookView view;
    view.resize(560, 300);
    view.setRtf(warmUpText());
    view.document()->setTextWidth(540);
    QImage page(view.document()->size().toSize(), QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::white);
    QPainter painter(&page);
    view.document()->drawContents(&painter);
}
