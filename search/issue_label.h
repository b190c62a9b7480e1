// One issue label of the results window: "[156]". A click, or Enter or Space when it has the focus, asks
// for its issue; the arrow keys move to the nearest visible label.
#pragma once

#include <QLabel>

namespace aoba {

class ResultsWindow;

class IssueLabel final : public QLabel {
    Q_OBJECT

public:
    IssueLabel(int issue, ResultsWindow& window);
    int issue() const { return issue_; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int issue_;
    ResultsWindow& window_;
    bool pressed_ = false;
};

// "[001]" … "[380]".
QString IssueCaption(int issue);

} // namespace aoba
