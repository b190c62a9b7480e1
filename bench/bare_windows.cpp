// SPDX-License-Identifier: MIT
#include "bench/bare_windows.h"

#include "lookandfeel/twips.h"
#include "texts/texts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <type_traits>

namespace bench {

namespace {

using aoba::TwipsRect;

template <class Widget> void Add(QWidget* parent, int count, int& y) {
    for (int i = 0; i < count; ++i, y += 18)
        (new Widget(parent))->setGeometry(8 + (y / 440) * 120, y % 440, 110, 17);
}

QFont Ipa(const char* family, qreal pointSize, bool bold) {
    QFont font{QString::fromLatin1(family)};
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont Gothic() {
    return Ipa("IPAPGothic", 9, false);
}

template <class Widget>
Widget* Captioned(QWidget* parent, QRect geometry, QStringView caption, const QFont& font = Gothic()) {
    auto* widget = new Widget(parent);
    widget->setGeometry(geometry);
    if constexpr (!std::is_same_v<Widget, QPlainTextEdit>)
        widget->setText(caption.toString());
    widget->setFont(font);
    return widget;
}

QGroupBox* Frame(QWidget* window, QRect geometry, QStringView title) {
    auto* frame = new QGroupBox(title.toString(), window);
    frame->setGeometry(geometry);
    frame->setFont(Ipa("IPAPGothic", 9, true));
    return frame;
}

QComboBox* Combo(QWidget* parent, QRect geometry, QStringView text, int from, int to) {
    auto* combo = new QComboBox(parent);
    combo->setGeometry(geometry);
    combo->setEditable(true);
    for (int i = from; i <= to; ++i)
        combo->addItem(QStringLiteral("%1").arg(i % 100, 2, 10, QLatin1Char('0')));
    combo->setEditText(text.toString());
    combo->setFont(Gothic());
    return combo;
}

} // namespace

QWidget* NewBareMainWindow() {
    auto* window = new QWidget;
    window->setWindowTitle(QStringLiteral("bare"));
    window->setFixedSize(701, 447);
    int y = 0;
    Add<QGroupBox>(window, 4, y);
    Add<QLineEdit>(window, 2, y);
    Add<QPlainTextEdit>(window, 1, y);
    Add<QComboBox>(window, 2, y);
    Add<QLabel>(window, 3, y);
    Add<QPushButton>(window, 8, y);
    Add<QRadioButton>(window, 3, y);
    return window;
}

QWidget* NewCaptionedMainWindow() {
    namespace t = aoba::texts;
    auto* window = new QWidget;
    window->setWindowTitle(t::kForm1.caption.toString());
    window->setFixedSize(aoba::TwipsSize(10515, 6705));
    window->setFont(Gothic());
    const QFont bold = Ipa("IPAPGothic", 9, true);

    QGroupBox* frame = Frame(window, TwipsRect(120, 240, 3975, 1455), t::kFrame1.caption);
    Captioned<QLineEdit>(frame, TwipsRect(120, 360, 1335, 270), t::kText1.caption);
    Captioned<QPushButton>(frame, TwipsRect(1080, 720, 255, 255), t::kCommand3.caption);
    Captioned<QPushButton>(frame, TwipsRect(1440, 720, 255, 255), t::kCommand4.caption);
    Captioned<QLabel>(frame, TwipsRect(1440, 400, 1215, 255), t::kLabel1.caption, bold);
    Captioned<QPushButton>(frame, TwipsRect(2520, 720, 1215, 495), {});

    frame = Frame(window, TwipsRect(120, 1800, 3975, 2055), t::kFrame2.caption);
    Captioned<QLabel>(frame, TwipsRect(120, 360, 1455, 255), t::kLabel4.caption);
    Combo(frame, TwipsRect(120, 600, 735, 300), t::kCombo1.caption, 72, 104);
    Combo(frame, TwipsRect(1080, 600, 735, 300), t::kCombo2.caption, 1, 12);
    Captioned<QLabel>(frame, TwipsRect(1920, 640, 1455, 255), t::kLabel5.caption, bold);
    Captioned<QPushButton>(frame, TwipsRect(720, 960, 615, 375), t::kCommand5.caption);
    Captioned<QPushButton>(frame, TwipsRect(1440, 960, 615, 375), t::kCommand6.caption);
    Captioned<QPushButton>(frame, TwipsRect(2520, 1320, 1215, 495), {});

    frame = Frame(window, TwipsRect(120, 3960, 3975, 855), t::kFrame3.caption);
    Captioned<QLineEdit>(frame, TwipsRect(240, 360, 2415, 270), t::kText2.caption);
    Captioned<QPushButton>(frame, TwipsRect(2760, 360, 1095, 375), t::kCommand7.caption,
                           Ipa("IPAPMincho", 11.25, true));

    frame = Frame(window, TwipsRect(120, 4920, 3975, 1575), t::kFrame4.caption);
    Captioned<QRadioButton>(frame, TwipsRect(120, 360, 1695, 375), t::kOption1.caption);
    Captioned<QRadioButton>(frame, TwipsRect(120, 720, 1815, 375), t::kOption2.caption);
    Captioned<QRadioButton>(frame, TwipsRect(120, 1080, 1215, 375), t::kOption3.caption);
    Captioned<QPushButton>(frame, TwipsRect(2520, 840, 1215, 495), {});

    auto* pane =
        Captioned<QPlainTextEdit>(window, TwipsRect(4440, 240, 5895, 5535), {}, Ipa("IPAPMincho", 9, false));
    pane->setReadOnly(true);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane->setPlainText(t::ContentsPlaceholder());
    return window;
}

QWidget* NewBareLabelWindow() {
    auto* window = new QWidget;
    window->setFixedSize(653, 370);
    for (int i = 0; i < 380; ++i) {
        auto* label = new QLabel(aoba::texts::IssueCaption(i + 1), window);
        label->setGeometry(8 + 32 * (i % 20), 64 + 16 * (i / 20), 25, 17);
    }
    return window;
}

void ShowOnlyLabels(QWidget& window, const std::vector<int>& visible) {
    int issue = 0;
    for (QObject* label : window.children())
        static_cast<QWidget*>(label)->setVisible(std::binary_search(visible.begin(), visible.end(), ++issue));
}

} // namespace bench
