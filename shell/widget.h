#pragma once
// A widget of a screen: its row in the screen's table (WidgetSpec, fixed data) and its live values
// (Widget). Setting a value notifies the screen so that a view can follow; the model itself knows
// nothing of QWidget.
#include <QByteArray>
#include <QString>
#include <memory>

#include "shell/color.h"

class MediaPlayer;
class Paper;
class Screen;

enum class WidgetKind {
    PictureImage,    // shows a picture; takes Click, MouseDown, MouseMove
    HotSpot,         // an image without a picture: a part of a background that acts as a button
    CommandButton,   // push button with a caption
    Label,           // a line of text with font and colours
    PictureBox,      // rectangle with a picture or colour; may hold labels
    Shape,           // coloured rectangle outline; takes no mouse
    Line,            // straight line; takes no mouse
    Timer,           // raises Timer every Interval ms while enabled; invisible
    MenuItem,        // entry of the window's menu bar (container: its menu)
    MediaPlayer,     // a media player; visible ones show a transport bar
    TextbookViewer,  // the rich text viewer of the lesson screens
    CommonDialog,    // file and colour choosers; invisible
    Paper,           // the album's drawing surface
};

struct Bounds {
    int left = 0, top = 0, width = 0, height = 0;  // a line: x1, y1, x2, y2
};

struct FontSpec {
    const char* family = nullptr;  // as the screen names it; the view finds an open substitute
    double points = 0;
    int weight = 400;
};

// One row of a screen's widget table, front to back.
struct WidgetSpec {
    const char* name;
    int index = -1;  // member of a widget array, or -1
    WidgetKind kind = WidgetKind::PictureImage;
    Bounds bounds{};
    const char* picture = nullptr;  // asset name (assets/NAME.svg), shown at natural size
    bool stretch = false;           // picture scaled to fill the bounds
    const char* tooltip = nullptr;  // shown exactly, blanks included
    bool visible = true;
    bool enabled = true;
    int mousePointer = 0;             // 0 default arrow, 99 the widget's own MouseIcon
    const char* mouseIcon = nullptr;  // asset name of the cursor icon
    const char* caption = nullptr;
    FontSpec font{};
    ColorValue foreColor = kNoColor;
    ColorValue backColor = kNoColor;
    int interval = 0;                 // timers, in ms
    const char* container = nullptr;  // picture box or menu this widget lies in
    int tabIndex = -1;
    bool sunken = false;  // picture box drawn with the window system's sunken border
};

class Widget {
public:
    Widget(Screen& screen, int slot, const WidgetSpec& spec);
    ~Widget();

    const WidgetSpec& spec() const { return *spec_; }
    QString name() const;  // "Image13", "Shape1(2)"
    WidgetKind kind() const { return spec_->kind; }
    int slot() const { return slot_; }

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }

    bool enabled() const { return enabled_; }  // for a timer: whether it runs
    void setEnabled(bool enabled);
    void enable() { setEnabled(true); }
    void disable() { setEnabled(false); }

    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width; }
    int height() const { return bounds_.height; }
    const Bounds& bounds() const { return bounds_; }
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    int mousePointer() const { return mousePointer_; }
    void setMousePointer(int code);

    ColorValue backColor() const { return backColor_; }
    void setBackColor(ColorValue color);

    // Shows the widget as it is now, in the middle of the running handler: a view paints it at
    // once, and no other event is handled meanwhile (a handler that animates in a loop).
    void refresh();

    QString tooltip() const { return QString::fromUtf8(spec_->tooltip); }

    // Media player widgets.
    MediaPlayer& player();

    // The paper: its drawing. Setting a paper's BackColor fills it and erases the drawing.
    Paper& paper();

    // Textbook viewer: the RTF document shown, replaced whole.
    const QByteArray& rtfText() const { return rtf_; }
    void setRtfText(const QByteArray& rtf);

    // Common dialog: the file name or colour the dialog starts from and returns.
    QString fileName() const { return fileName_; }
    void setFileName(const QString& name) { fileName_ = name; }
    ColorValue color() const { return color_; }
    void setColor(ColorValue color) { color_ = color; }
    void showOpenDialog();   // keeps fileName() on cancel
    void showColorDialog();  // keeps color() on cancel

    Screen& screen() { return *screen_; }

private:
    void changed();

    Screen* screen_;
    int slot_;
    const WidgetSpec* spec_;
    bool visible_;
    bool enabled_;
    Bounds bounds_;
    QString caption_;
    int mousePointer_;
    ColorValue backColor_;
    QByteArray rtf_;
    QString fileName_;
    ColorValue color_ = 0;
    std::unique_ptr<MediaPlayer> player_;
    std::unique_ptr<Paper> paper_;
};
