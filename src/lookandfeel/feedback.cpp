// SPDX-License-Identifier: MIT
#include "lookandfeel/feedback.h"

#include <QApplication>
#include <QMessageBox>

namespace aoba {

namespace {

void ShowMessage(QWidget& window, QMessageBox::Icon icon, QStringView title, QStringView text) {
    // The texts separate their lines by a lone CR, which not every platform breaks on.
    QString shown = text.toString();
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // An empty title would be replaced by the application's name in the X11 title bar; a space stays blank.
    QMessageBox box(icon, title.isEmpty() ? QStringLiteral(" ") : title.toString(), shown, QMessageBox::Ok,
                    &window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void DialogFeedback::Beep() {
    QApplication::beep();
}

void DialogFeedback::Warn(QWidget& window, QStringView text) {
    ShowMessage(window, QMessageBox::Warning, {}, text);
}

void DialogFeedback::Inform(QWidget& window, QStringView title, QStringView text) {
    ShowMessage(window, QMessageBox::NoIcon, title, text);
}

} // namespace aoba
