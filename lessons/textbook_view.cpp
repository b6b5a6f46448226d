#include "lessons/textbook_view.h"

#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTextDocument>

#include "lessons/rtf/rtf_reader.h"

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
    shown_ = rtf;
    auto next = rtf::toDocument(rtf);
    next->setDocumentMargin(kTextMargin);
    setDocument(next.get());  // the old document goes only after the switch
    document_ = std::move(next);
    verticalScrollBar()->setValue(0);  // Qt would keep the old place, clamped to the new text
    horizontalScrollBar()->setValue(0);
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
