// SPDX-License-Identifier: MIT
// One issue label of the results window: "[156]". A click, or Enter or Space when it has the focus, emits
// Chosen; other keys, tooltips included, go on to the window. It paints its caption itself: a QLabel that
// takes the focus costs some fifty times more to show, and the window shows 380 of them.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace aoba {

// The font the issue labels are given to fit their width pixels: font itself where every caption "[001]" …
// "[380]" fits in it, else font made narrower (QFont::setStretch) until the widest caption fits, but never to
// less than half its width.
QFont CaptionFont(const QFont& font, int width);

class IssueLabel final : public QWidget {
    Q_OBJECT

public:
    IssueLabel(int issue, QWidget* parent);
    int Issue() const { return issue_; }
    const QString& Text() const { return caption_; }

    // What a click does.
    void Activate();

Q_SIGNALS:
    void Chosen(int issue);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int issue_;
    QString caption_;
    QPixmap face_; // the caption on its background, once painted
    bool pressed_ = false;
};

} // namespace aoba
