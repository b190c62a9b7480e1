#include "widgets/feedback.h"

#include <QApplication>
#include <QMessageBox>

namespace aoba {

namespace {

void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    // The texts separate their lines by a lone CR, which not every platform breaks on.
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // An empty title would be replaced by the application's name in the X11 title bar; a space stays blank.
    QMessageBox box(icon, title.isEmpty() ? QStringLiteral(" ") : title, shown, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void DialogFeedback::Beep() {
    QApplication::beep();
}

void DialogFeedback::Warn(const QString& text) {
    ShowMessage(parent_, QMessageBox::Warning, QString(), text);
}

void DialogFeedback::Inform(const QString& title, const QString& text) {
    ShowMessage(parent_, QMessageBox::NoIcon, title, text);
}

} // namespace aoba
