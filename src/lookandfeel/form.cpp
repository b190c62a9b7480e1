// SPDX-License-Identifier: MIT
#include "lookandfeel/form.h"

#include "lookandfeel/look.h"
#include "lookandfeel/twips.h"
#include "lookandfeel/unclipped.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace aoba {

namespace {

void SetText(QWidget& control, const QString& text) {
    if (auto* frame = qobject_cast<QGroupBox*>(&control))
        frame->setTitle(text);
    else if (auto* label = qobject_cast<QLabel*>(&control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(&control))
        button->setText(text);
    else if (auto* field = qobject_cast<QLineEdit*>(&control))
        field->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(&control))
        combo->setEditText(text);
    else
        qFatal("%s cannot show a text", control.metaObject()->className());
}

// Only what there is to say: an issue label answers a screen reader itself, and setting an empty name on
// each of 380 would build what answers for all of them as the window is made.
void Describe(QWidget& control, const texts::Control& text) {
    if (const QString name = text.Name(); !name.isEmpty())
        control.setAccessibleName(name);
    if (!text.description.isEmpty())
        control.setAccessibleDescription(text.description.toString());
}

// The face's colour is the palette's Button colour, which the flat style paints as it is.
void ButtonFace(QWidget& button, const QColor& face) {
    QPalette palette = button.palette();
    palette.setColor(QPalette::Button, face);
    button.setPalette(palette);
}

// Fields keep the platform's own colours rather than the window's green.
void PlatformColours(QWidget& field) {
    field.setPalette(QApplication::palette(&field));
}

} // namespace

QWidget* NewCaption(QWidget* container) {
    auto* label = new QLabel(container);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

Form::Form(QWidget& window, const char* name, const texts::Control& text, int width, int height,
           const QFont& font)
    : window_(window) {
    window.setObjectName(QLatin1String(name));
    window.setWindowTitle(text.caption.toString());
    window.setAccessibleDescription(text.description.toString());
    window.setFixedSize(TwipsSize(width, height));
    window.setFont(font);
    FillBackground(window, kLightGreen);
}

void Form::Add(QWidget* container, std::span<const FormRow> rows) {
    for (const FormRow& row : rows)
        Dress(*row.kind(container), row);
}

void Form::Add(QWidget* container, std::span<const FormGroup> groups) {
    for (const FormGroup& group : groups) {
        QWidget* frame = new QGroupBox(container);
        Dress(*frame, {group.name, nullptr, group.text, group.left, group.top, group.width, group.height,
                       Face::Frame});
        Add(frame, group.controls);
    }
}

void Form::Dress(QWidget& control, const FormRow& row) {
    control.setObjectName(QLatin1String(row.name));
    control.setGeometry(TwipsRect(row.left, row.top, row.width, row.height));
    if (!row.text.caption.isEmpty())
        SetText(control, row.text.caption.toString());
    Describe(control, row.text);
    // The focus, and with it a screen reader, sits in an editable combo box's line edit.
    if (auto* combo = qobject_cast<QComboBox*>(&control); combo && combo->lineEdit())
        Describe(*combo->lineEdit(), row.text);
    Paint(control, row.face);
    made_.push_back(&control);
}

void Form::Paint(QWidget& control, Face face) {
    switch (face) {
    case Face::Frame:
        control.setFont(GothicFont(9, true));
        control.setStyle(Flat());
        break;
    case Face::Caption:
        control.setFont(DefaultFont());
        captions_.push_back(&control);
        break;
    case Face::BoldCaption:
        control.setFont(GothicFont(9, true));
        captions_.push_back(&control);
        break;
    case Face::Option:
        control.setFont(DefaultFont());
        control.setStyle(Compact());
        captions_.push_back(&control);
        break;
    case Face::Peach:
        control.setFont(DefaultFont());
        ButtonFace(control, kLightPeach);
        control.setStyle(Flat());
        break;
    case Face::Grey:
        control.setFont(SearchButtonFont());
        ButtonFace(control, kLightGrey);
        control.setStyle(Flat());
        break;
    case Face::Picture:
        control.setFont(DefaultFont());
        control.setStyle(Flat());
        break;
    case Face::Field:
        PlatformColours(control);
        control.setFont(DefaultFont());
        break;
    case Face::Contents:
        PlatformColours(control);
        control.setFont(MinchoFont(9, false));
        break;
    case Face::Band: FillBackground(control, kWhite); break;
    case Face::Header:
        FillBackground(control, kWhite);
        control.setFont(MinchoFont(9, false));
        break;
    case Face::Window: break;
    }
}

void Form::Finish() {
    // Strong focus for each, whatever its kind would take by default: an option button that is not chosen
    // would otherwise drop out of the chain, and a combo box would take the focus from the wheel.
    QWidget* previous = nullptr;
    for (QWidget* control : made_) {
        if (!(control->focusPolicy() & Qt::TabFocus))
            continue;
        control->setFocusPolicy(Qt::StrongFocus);
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
    for (QWidget* caption : captions_)
        ShowWhole(*caption);
}

// Qt's default style paints a button's face as a gradient whatever its colour, and shades a frame.
QStyle* Form::Flat() {
    if (!flat_)
        flat_ = FlatFaceStyle(&window_);
    return flat_;
}

QStyle* Form::Compact() {
    if (!compact_)
        compact_ = CompactOptionStyle(&window_);
    return compact_;
}

QWidget* Form::Find(const char* name, const QMetaObject& type) const {
    for (QWidget* control : made_)
        if (control->objectName() == QLatin1String(name) && type.cast(control))
            return control;
    qFatal("no %s named %s", type.className(), name);
    return nullptr;
}

} // namespace aoba
