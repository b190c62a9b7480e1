// SPDX-License-Identifier: MIT
#include "bench/bare_windows.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace bench {

namespace {

template <class Widget> void Add(QWidget* parent, int count, int& y) {
    for (int i = 0; i < count; ++i, y += 18)
        (new Widget(parent))->setGeometry(8 + (y / 440) * 120, y % 440, 110, 17);
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

QWidget* NewBareLabelWindow() {
    auto* window = new QWidget;
    window->setFixedSize(653, 370);
    for (int i = 0; i < 380; ++i) {
        auto* label = new QLabel(QString::number(i + 1), window);
        label->setGeometry(8 + 32 * (i % 20), 64 + 16 * (i / 20), 25, 17);
    }
    return window;
}

} // namespace bench
