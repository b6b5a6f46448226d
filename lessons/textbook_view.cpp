#include "lessons/textbook_view.h"

#include <QScrollBar>
#include <QTextDocument>

#include "lessons/rtf/rtf_reader.h"

namespace {

constexpr int kTextMargin = 2;  // pixels between the panel's edge and the text

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
