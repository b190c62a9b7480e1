// SPDX-License-Identifier: MIT
// Form1, the main window: lookups by issue number, by month and among the extra issues, the search field,
// and the contents pane that shows the chosen issue's table of contents.
#pragma once

#include "core/field_rules.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace aoba {

class Feedback;
class Foreground;
class OptionButton;
class ResultsWindow;

class MainWindow final : public QWidget {
    Q_OBJECT

public:
    MainWindow(Feedback& feedback, Foreground& foreground, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Puts entry n (1..382) into the contents pane, replacing what it held.
    void ShowIssue(int n);

    // The results window while it exists: created by the first search, gone when the reader closes it.
    ResultsWindow* Results() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowByIssueNumber();
    void ShowByMonth();
    void ShowExtraIssue();
    void StepIssue(Step step);
    void StepMonth(Step step);
    void CorrectMonth();
    void Search();

    Feedback& feedback_;
    Foreground& foreground_;
    QLineEdit* issueField_ = nullptr;    // Text1
    QComboBox* yearField_ = nullptr;     // Combo1
    QComboBox* monthField_ = nullptr;    // Combo2
    QLineEdit* searchField_ = nullptr;   // Text2
    QPlainTextEdit* contents_ = nullptr; // Text3
    OptionButton* extraIssues_[3] = {};  // Option1..Option3
    QPointer<ResultsWindow> results_;
};

} // namespace aoba
