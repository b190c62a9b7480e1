// SPDX-License-Identifier: MIT
// Form2, the results window: a label for every regular issue on a fixed 20 × 19 grid, the labels of the
// last search's hits visible, and a header naming the string. A click on a label asks for that issue.
// It has no parent, so the main window can come in front of it.
#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace aoba {

class IssueLabel;
class SearchHits;

class ResultsWindow final : public QWidget {
    Q_OBJECT

public:
    ResultsWindow();

    // Makes exactly the labels of the hits visible; the others keep their places empty.
    void SetVisibleIssues(const SearchHits& hits);

    // Writes the header for a search with hits; the tooltips of the labels quote that string's lines.
    void SetSearchString(const QString& needle);

    // The header as the search wrote it, lines joined by single CRs.
    const QString& Header() const { return header_; }

Q_SIGNALS:
    void IssueChosen(int issue);

protected:
    bool event(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void MoveFocus(int fromIssue, int key);

    std::array<IssueLabel*, 380> labels_{}; // Label1(0..379), element i for issue i + 1
    QLabel* headerLabel_ = nullptr;         // Label2
    QString header_;
    QString needle_;
};

} // namespace aoba
