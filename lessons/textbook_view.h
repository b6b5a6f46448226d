#pragma once
// The textbook viewer of the teaching screens: shows one RTF document read-only, word-wrapped,
// in a sunken panel, with a vertical scroll bar when the text is longer than the viewer. The child
// can select text with the mouse and copy it; links look like links and lead nowhere. Reading the
// RTF is the reader's business (lessons/rtf); this class only shows what it gives.
#include <QByteArray>
#include <QSize>
#include <QString>
#include <QTextEdit>
#include <memory>

class TextbookView final : public QTextEdit {
    Q_OBJECT
public:
    explicit TextbookView(QWidget* parent = nullptr);
    ~TextbookView() override;

    // Replaces the whole content with the document in `rtf`, scrolled to its top. The same bytes
    // given again (as the screen model hands them on each change) leave the view as it is; an
    // equal text read anew goes back to the top without being read again.
    void setRtf(const QByteArray& rtf);

    // Reads and lays out `rtf` ahead, as a viewer of `size` will show it: the viewer later given
    // equal bytes shows this document at once. The latest few are kept until a viewer takes them.
    static void prepare(const QByteArray& rtf, QSize size);
    // Prepares the lesson texts in the media folder found from `workingDir`, and the warning text,
    // one at a time from the event loop, so that the child is never kept waiting by it.
    static void prepareLessonTexts(const QString& workingDir);

    // Lays out and paints, off the screen, a few Russian lines in the faces and sizes lesson texts
    // use, so that the first lesson's text does not wait for its fonts to be found and read.
    static void warmUp();

private:
    static std::unique_ptr<QTextDocument> read(const QByteArray& rtf);

    QByteArray shown_;
    std::unique_ptr<QTextDocument> document_;
};
