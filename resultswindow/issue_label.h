// One issue label of the results window: "[156]". A click, or Enter or Space when it has the focus, asks
// for its issue; the arrow keys move to the nearest visible label. It paints its caption itself: a QLabel
// that takes the focus costs some fifty times more to show, and the window shows 380 of them.
#pragma once

#include <QWidget>

namespace aoba {

class ResultsWindow;

class IssueLabel final : public QWidget {
    Q_OBJECT

public:
    IssueLabel(int issue, ResultsWindow& window);
    int Issue() const { return issue_; }
    const QString& Text() const { return caption_; }

    // What a click does: asks the window for this issue.
    void Activate();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int issue_;
    QString caption_;
    ResultsWindow& window_;
    bool pressed_ = false;
};

// "[001]" … "[380]".
QString IssueCaption(int issue);

} // namespace aoba
