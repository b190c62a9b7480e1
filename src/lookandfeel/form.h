// SPDX-License-Identifier: MIT
// A window built from tables of its controls, one row a control, as the design gives them. The form makes
// each control with everything its row says (kind, object name, place and size in twips, text, what a
// screen reader says of it, font, colour, style) and nothing restyles it afterwards. The Tab chain is the
// order of the rows. Finish does only what needs every control in place.
#pragma once

#include "texts/texts.h"

#include <span>
#include <vector>

class QFont;
class QStyle;
class QWidget;

namespace aoba {

// How a control looks: its font, its colours and the style that paints it (look.h has the fonts, Gothic
// and Mincho, and the colours). A caption's face also widens it where its text needs more room than the
// design gave it (Finish).
enum class Face {
    Frame,       // a group frame painted flat, its title in the Gothic 9 pt bold, its inside the window's
    Caption,     // a caption on the window's colour in the default font
    BoldCaption, // a caption on the window's colour in the Gothic 9 pt bold
    Option,      // an option button, a caption on the window's colour in the default font, a small indicator
    Peach,       // a button painted flat in light peach, the default font
    Grey,        // a button painted flat in light grey, the Mincho 11.25 pt bold
    Picture,     // a button painted flat, its picture over the face
    Field,       // a text field or combo box in the platform's own colours, the default font
    Contents,    // the contents pane: the platform's own colours, the Mincho 9 pt
    Band,        // white, with no text
    Header,      // white, the Mincho 9 pt
    Window,      // the window's own colour and font, nothing of its own
};

// A kind of control: makes a bare one inside container.
using Kind = QWidget* (*)(QWidget* container);

// The kind of a class whose constructor takes arguments, known when compiling, before its parent:
// New<QLineEdit>, New<NumberCombo, NumberList::Years>.
template <class Widget, auto... arguments> QWidget* New(QWidget* container) {
    return new Widget(arguments..., container);
}

// A label whose text starts at its top left corner, as a caption of the design does (QLabel centres it
// from top to bottom).
QWidget* NewCaption(QWidget* container);

// One control. left and top are measured from the container's top left corner, all four in twips.
struct FormRow {
    const char* name;
    Kind kind;
    const texts::Control& text;
    int left;
    int top;
    int width;
    int height;
    Face face;
};

// A group frame and the rows of its controls.
struct FormGroup {
    const char* name;
    const texts::Control& text;
    int left;
    int top;
    int width;
    int height;
    std::span<const FormRow> controls;
};

// The words of a control that says them itself, as an issue label does.
inline constexpr texts::Control kOwnWords{};

class Form {
public:
    // Sets window up as the form's own: its name, its title and description from text, a fixed size of
    // width × height twips, font for the controls that have none of their own, and the light green.
    Form(QWidget& window, const char* name, const texts::Control& text, int width, int height,
         const QFont& font);

    // Makes the controls of rows in container, one after the other.
    void Add(QWidget* container, std::span<const FormRow> rows);
    // Makes each group frame in container, then the controls inside it.
    void Add(QWidget* container, std::span<const FormGroup> groups);

    // Gives a control that was made elsewhere, because its constructor needs what is known only at run
    // time, everything row says but its kind, which is not used.
    template <class Widget> Widget* Adopt(Widget* control, const FormRow& row) {
        Dress(*control, row);
        return control;
    }

    // The first control made under name, as a Widget. There must be one.
    template <class Widget> Widget* Control(const char* name) const {
        return static_cast<Widget*>(Find(name, Widget::staticMetaObject));
    }

    // Last, once every control is made. Each control that takes the focus takes it from a click or Tab,
    // Tab going through them in the order they were made; each caption then gets the width its text needs
    // in the font really used, where no other control stands (ShowWhole).
    void Finish();

private:
    void Dress(QWidget& control, const FormRow& row);
    void Paint(QWidget& control, Face face);
    QStyle* Flat();
    QStyle* Compact();
    QWidget* Find(const char* name, const QMetaObject& type) const;

    QWidget& window_;
    std::vector<QWidget*> made_;
    std::vector<QWidget*> captions_;
    QStyle* flat_ = nullptr;    // the buttons and the frames
    QStyle* compact_ = nullptr; // the option buttons
};

} // namespace aoba
