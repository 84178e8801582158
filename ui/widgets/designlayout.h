#pragma once

#include <QRect>
#include <QSize>
#include <QStringView>

#include <span>

class QWidget;

namespace Woord {

class DesignFonts;

// The windows as they were laid out: each control's place and size in twips,
// its font, the alignment and colours of its text, and its caption. The
// windows make their controls and then apply their table; the tests read the
// same tables and check that every row is applied.
namespace DesignLayout {

enum class Align : quint8 {
    Own, // the control's own
    LeftTop,
    CentredTop,
};

// A colour of the table: the control's own, the system's window-text colour,
// or red, green and blue.
struct Colour {
    enum class Kind : quint8 { Own, WindowText, Rgb } kind = Kind::Own;
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;
};
inline constexpr Colour own{};
inline constexpr Colour windowText{Colour::Kind::WindowText};
constexpr Colour rgb(int red, int green, int blue)
{
    return {Colour::Kind::Rgb, quint8(red), quint8(green), quint8(blue)};
}

struct Font {
    const char16_t *family = nullptr; // nullptr: the window's font
    double points = 0;
    bool bold = false;
    bool underline = false;
};

struct Control {
    const char16_t *name;
    int index; // the element of a control array, or -1
    int left, top, width, height; // twips, from the corner of what holds it
    Font font;
    Align align;
    Colour text; // a label's text, a shape's outline, a list's text
    Colour background; // painted behind the control: a label's, a fill's, a list's rows
    const char16_t *caption; // nullptr: the window makes it when it loads

    QRect pixels() const;
};

struct Window {
    const char16_t *name;
    int width, height; // the client area, in twips
    Font font; // the window's own
    const char16_t *title; // nullptr: made when it loads
    std::span<const Control> controls;

    QSize pixels() const;
};

// One of the etched rules of the main window, a pixel wide, from (x1, y1) to
// (x2, y2) in twips.
struct Line {
    const char16_t *name;
    bool white; // else the system's window-text colour
    int x1, y1, x2, y2;

    QRect pixels() const;
};

extern const Window mainWindow;
extern const std::span<const Line> mainWindowLines;
extern const Window frmZoek;
extern const Window frmLandenCodes;
extern const Window frmSneltoetsen;
extern const Window frmAbout3D;

// The control of the window's table by name (and index), or nullptr.
const Control *find(const Window &window, QStringView name, int index = -1);

// The widget of `root` that a row of the table names: the child of that name
// (and "index" property), or nullptr.
QWidget *widgetFor(QWidget *root, const Control &control);

// Gives the window (when it is one: not for a surface within a window) its
// fixed client area, font and title, and every control its row.
void apply(QWidget *window, const Window &layout, const DesignFonts &fonts);

} // namespace DesignLayout

} // namespace Woord
