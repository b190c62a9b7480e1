// SPDX-License-Identifier: MIT
#include "resultswindow/results_window.h"

#include "core/catalogue_search.h"
#include "core/entry_store.h"
#include "lookandfeel/form.h"
#include "lookandfeel/look.h"
#include "lookandfeel/twips.h"
#include "resultswindow/issue_label.h"
#include "texts/texts.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QToolTip>
#include <QWindow>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace aoba {

namespace {

constexpr int kColumns = 20;

int Column(int issue) {
    return (issue - 1) % kColumns;
}
int Row(int issue) {
    return (issue - 1) / kColumns;
}

// The header: the search's three lines, centred.
QWidget* NewHeader(QWidget* container) {
    auto* header = new QLabel(container);
    header->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    header->setWordWrap(true);
    header->setTextFormat(Qt::PlainText);
    return header;
}

// A white band across the top, the header on it; both a little wider than the window, cut off at its right
// edge.
// clang-format off
constexpr FormRow kBand[] = {
    // name    kind         text            left   top  width height  face
    {"Label3", New<QLabel>, texts::kLabel3,    0,    0,  9855,  255,  Face::Band},
    {"Label2", NewHeader,   texts::kLabel2,    0,  120,  9855,  735,  Face::Header},
};
// clang-format on

// Below the band, the grid of issue labels Label1 (0..379): issue i + 1 at column i mod 20 and row i div 20,
// made by the window, which knows the issue.
FormRow IssueLabelRow(int issue) {
    const int left = 120 + 480 * Column(issue);
    const int top = 960 + 240 * Row(issue);
    return {"Label1", nullptr, kOwnWords, left, top, 375, 255, Face::Window};
}

} // namespace

ResultsWindow::ResultsWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    // The issue labels take the window's font, condensed as far as their captions need; the header has its
    // own.
    Form form(*this, "Form2", texts::kForm2, 9795, 5550, CaptionFont(DefaultFont(), Pixels(375)));
    // Closed by the reader, it is gone; the next search makes a new one. It never keeps the program alive.
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);

    form.Add(this, kBand);
    headerLabel_ = form.Control<QLabel>("Label2");
    for (int issue = kFirstIssue; issue <= kLastIssue; ++issue) {
        IssueLabel* label = form.Adopt(new IssueLabel(issue, this), IssueLabelRow(issue));
        connect(label, &IssueLabel::Chosen, this, &ResultsWindow::IssueChosen);
        labels_[static_cast<std::size_t>(issue - 1)] = label;
    }
    form.Finish();
}

void ResultsWindow::SetVisibleIssues(const SearchHits& hits) {
    for (IssueLabel* label : labels_)
        label->setVisible(hits.Contains(label->Issue()));
}

void ResultsWindow::SetSearchString(const QString& needle) {
    needle_ = needle;
    header_ = texts::ResultsHeader(needle);
    // The label shows the CRs as line breaks.
    headerLabel_->setText(QString(header_).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    headerLabel_->setAccessibleName(headerLabel_->text());
}

// A label's tooltip quotes the line of its entry where the search string first occurs.
bool ResultsWindow::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const auto* label = qobject_cast<IssueLabel*>(childAt(help->pos()));
    const QString tip =
        label ? FirstLineContaining(EntryText(label->Issue()), needle_).trimmed().toString() : QString();
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, this);
    return true;
}

// Until the program places a window, Qt leaves its place to the window manager, which places it anew each
// time it is shown; pinning the place the reader left it at keeps it there when the next search shows it.
void ResultsWindow::hideEvent(QHideEvent* event) {
    if (QWindow* handle = windowHandle(); handle && !event->spontaneous())
        handle->setPosition(handle->position());
    QWidget::hideEvent(event);
}

void ResultsWindow::keyPressEvent(QKeyEvent* event) {
    const auto* label = qobject_cast<IssueLabel*>(focusWidget());
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        if (label) {
            MoveFocus(label->Issue(), event->key());
            return;
        }
        break;
    default: break;
    }
    QWidget::keyPressEvent(event);
}

void ResultsWindow::MoveFocus(int fromIssue, int key) {
    // Left and Right go through the visible labels in issue order; Up and Down to the nearest visible
    // label in the rows above or below; Home and End to the first and last.
    IssueLabel* best = nullptr;
    long bestScore = LONG_MAX;
    for (IssueLabel* label : labels_) {
        const bool jump = key == Qt::Key_Home || key == Qt::Key_End;
        if (label->isHidden() || (!jump && label->Issue() == fromIssue))
            continue;
        const int issue = label->Issue();
        const int rows = Row(issue) - Row(fromIssue);
        const int columns = std::abs(Column(issue) - Column(fromIssue));
        long score = LONG_MAX;
        switch (key) {
        case Qt::Key_Left: score = issue < fromIssue ? fromIssue - issue : LONG_MAX; break;
        case Qt::Key_Right: score = issue > fromIssue ? issue - fromIssue : LONG_MAX; break;
        case Qt::Key_Up: score = rows < 0 ? -rows * 100L + columns : LONG_MAX; break;
        case Qt::Key_Down: score = rows > 0 ? rows * 100L + columns : LONG_MAX; break;
        case Qt::Key_Home: score = issue; break;
        case Qt::Key_End: score = kLastIssue - issue; break;
        default: break;
        }
        if (score < bestScore) {
            bestScore = score;
            best = label;
        }
    }
    if (best)
        best->setFocus(Qt::TabFocusReason);
}

} // namespace aoba
