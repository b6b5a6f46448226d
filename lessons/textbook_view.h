#pragma once
// The textbook viewer of the teaching screens: shows one RTF document read-only, word-wrapped,
// in a sunken panel, with a vertical scroll bar when the text is longer than the viewer. The child
// can select text with the mouse and copy it; links look like links and lead nowhere. Reading the
// RTF is the reader's business (lessons/rtf); this class only shows what it gives.
#include <QByteArray>
#include <QTextEdit>
#include <memory>

class TextbookView final : public QTextEdit {
    Q_OBJECT
public:
    explicit TextbookView(QWidget* parent = nullptr);
    ~TextbookView() override;

    // Replaces the whole content with the document in `rtf`, scrolled to its top. The same bytes
    // given again (as the screen model hands them on each change) leave the view as it is.
    void setRtf(const QByteArray& rtf);

    // Lays out and paints, off the screen, a few Russian lines in the faces and sizes lesson texts
    // use, so that the first lesson's text does not wait for its fonts to be found and read.
    static void warmUp();

private:
    QByteArray shown_;
    std::unique_ptr<QTextDocument> document_;
};
