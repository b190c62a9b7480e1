// SPDX-License-Identifier: MIT
#include "mainwindow/main_window.h"

#include "core/catalogue_search.h"
#include "core/entry_store.h"
#include "lookandfeel/feedback.h"
#include "lookandfeel/foreground.h"
#include "lookandfeel/form.h"
#include "lookandfeel/look.h"
#include "mainwindow/bounded_undo.h"
#include "mainwindow/command_button.h"
#include "mainwindow/digit_filter.h"
#include "mainwindow/lookup_button.h"
#include "mainwindow/number_combo.h"
#include "mainwindow/option_button.h"
#include "resultswindow/results_window.h"
#include "texts/texts.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace aoba {

namespace {

// The kinds of control the tables below hold.
constexpr Kind kTextField = New<QLineEdit>;
constexpr Kind kLabel = NewCaption;
constexpr Kind kButton = New<CommandButton>;
constexpr Kind kPictureButton = New<LookupButton>;
constexpr Kind kYearBox = New<NumberCombo, NumberList::Years>;
constexpr Kind kMonthBox = New<NumberCombo, NumberList::Months>;
constexpr Kind kOptionButton = New<OptionButton>;

// Read-only to input methods too. Qt's read-only pane still tells the platform's input context that it takes
// text, so the reader's input method stays on over it, and inserts whatever the input method commits.
class ContentsPane final : public QPlainTextEdit {
public:
    using QPlainTextEdit::inputMethodQuery;
    using QPlainTextEdit::QPlainTextEdit;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override {
        return query == Qt::ImEnabled ? QVariant(false) : QPlainTextEdit::inputMethodQuery(query);
    }

protected:
    void inputMethodEvent(QInputMethodEvent* event) override { event->ignore(); }
};

// The contents pane: a multi-line text box with a vertical scroll bar, which the reader reads, scrolls and
// selects in but cannot change.
QWidget* NewContentsPane(QWidget* container) {
    auto* pane = new ContentsPane(container);
    pane->setReadOnly(true);
    pane->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return pane;
}

// Each group's controls, placed in its frame, in the order of the Tab chain (captions take no focus).
// clang-format off
constexpr FormRow kIssueNumberGroup[] = {
    // name      kind            text              left   top  width height  face
    {"Text1",    kTextField,     texts::kText1,     120,  360,  1335,  270,  Face::Field},
    {"Command3", kButton,        texts::kCommand3, 1080,  720,   255,  255,  Face::Peach},
    {"Command4", kButton,        texts::kCommand4, 1440,  720,   255,  255,  Face::Peach},
    {"Label1",   kLabel,         texts::kLabel1,   1440,  400,  1215,  255,  Face::BoldCaption},
    {"Command1", kPictureButton, texts::kCommand1, 2520,  720,  1215,  495,  Face::Picture},
};

constexpr FormRow kMonthGroup[] = {
    // name      kind            text              left   top  width height  face
    {"Label4",   kLabel,         texts::kLabel4,    120,  360,  1455,  255,  Face::Caption},
    {"Combo1",   kYearBox,       texts::kCombo1,    120,  600,   735,  300,  Face::Field},
    {"Combo2",   kMonthBox,      texts::kCombo2,   1080,  600,   735,  300,  Face::Field},
    {"Label5",   kLabel,         texts::kLabel5,   1920,  640,  1455,  255,  Face::BoldCaption},
    {"Command5", kButton,        texts::kCommand5,  720,  960,   615,  375,  Face::Peach},
    {"Command6", kButton,        texts::kCommand6, 1440,  960,   615,  375,  Face::Peach},
    {"Command2", kPictureButton, texts::kCommand2, 2520, 1320,  1215,  495,  Face::Picture},
};

constexpr FormRow kSearchGroup[] = {
    // name      kind            text              left   top  width height  face
    {"Text2",    kTextField,     texts::kText2,     240,  360,  2415,  270,  Face::Field},
    {"Command7", kButton,        texts::kCommand7, 2760,  360,  1095,  375,  Face::Grey},
};

constexpr FormRow kExtraIssueGroup[] = {
    // name       kind            text               left   top  width height  face
    {"Option1",   kOptionButton,  texts::kOption1,    120,  360,  1695,  375,  Face::Option},
    {"Option2",   kOptionButton,  texts::kOption2,    120,  720,  1815,  375,  Face::Option},
    {"Option3",   kOptionButton,  texts::kOption3,    120, 1080,  1215,  375,  Face::Option},
    {"Command12", kPictureButton, texts::kCommand12, 2520,  840,  1215,  495,  Face::Picture},
};

// On the window: the four groups, then the contents pane.
constexpr FormGroup kGroups[] = {
    // name     text             left   top  width height  controls
    {"Frame1",  texts::kFrame1,   120,  240,  3975, 1455,  kIssueNumberGroup},
    {"Frame2",  texts::kFrame2,   120, 1800,  3975, 2055,  kMonthGroup},
    {"Frame3",  texts::kFrame3,   120, 3960,  3975,  855,  kSearchGroup},
    {"Frame4",  texts::kFrame4,   120, 4920,  3975, 1575,  kExtraIssueGroup},
};

constexpr FormRow kOnTheWindow[] = {
    // name   kind             text           left   top  width height  face
    {"Text3", NewContentsPane, texts::kText3, 4440,  240,  5895, 5535,  Face::Contents},
};
// clang-format on

} // namespace

// The layout is fixed, so the border is too: Windows gives a fixed size a sizing border unless asked not to.
MainWindow::MainWindow(Feedback& feedback, Foreground& foreground, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
    , feedback_(feedback)
    , foreground_(foreground) {
    Form form(*this, "Form1", texts::kForm1, 10515, 6705, DefaultFont());
    form.Add(this, kGroups);
    form.Add(this, kOnTheWindow);
    issueField_ = form.Control<QLineEdit>("Text1");
    yearField_ = form.Control<QComboBox>("Combo1");
    monthField_ = form.Control<QComboBox>("Combo2");
    searchField_ = form.Control<QLineEdit>("Text2");
    contents_ = form.Control<QPlainTextEdit>("Text3");
    extraIssues_[0] = form.Control<OptionButton>("Option1");
    extraIssues_[1] = form.Control<OptionButton>("Option2");
    extraIssues_[2] = form.Control<OptionButton>("Option3");
    contents_->setPlainText(texts::ContentsPlaceholder());

    new BoundedUndo(*issueField_, *issueField_);
    new BoundedUndo(*yearField_->lineEdit(), *yearField_);
    new BoundedUndo(*monthField_->lineEdit(), *monthField_);
    new BoundedUndo(*searchField_, *searchField_);
    // Editable combo boxes hand their keys to the line edit directly, so the filter sits on the combo box.
    issueField_->installEventFilter(new DigitFilter(feedback_, issueField_));
    yearField_->installEventFilter(new DigitFilter(feedback_, yearField_));
    monthField_->installEventFilter(new DigitFilter(feedback_, monthField_));
    searchField_->installEventFilter(this);
    OptionButton::Group({extraIssues_[0], extraIssues_[1], extraIssues_[2]});

    const auto button = [&form](const char* name) { return form.Control<QPushButton>(name); };
    connect(button("Command3"), &QPushButton::clicked, this, [this] { StepIssue(Step::Forward); });
    connect(button("Command4"), &QPushButton::clicked, this, [this] { StepIssue(Step::Back); });
    connect(button("Command1"), &QPushButton::clicked, this, &MainWindow::ShowByIssueNumber);
    connect(monthField_, &QComboBox::editTextChanged, this, &MainWindow::CorrectMonth);
    connect(button("Command5"), &QPushButton::clicked, this, [this] { StepMonth(Step::Forward); });
    connect(button("Command6"), &QPushButton::clicked, this, [this] { StepMonth(Step::Back); });
    connect(button("Command2"), &QPushButton::clicked, this, &MainWindow::ShowByMonth);
    connect(button("Command7"), &QPushButton::clicked, this, &MainWindow::Search);
    connect(button("Command12"), &QPushButton::clicked, this, &MainWindow::ShowExtraIssue);

    form.Finish();
    issueField_->setFocus();
}

MainWindow::~MainWindow() {
    delete results_;
}

ResultsWindow* MainWindow::Results() const {
    return results_;
}

void MainWindow::ShowIssue(int n) {
    contents_->setPlainText(EntryText(n).toString());
}

void MainWindow::ShowByIssueNumber() {
    if (const std::optional<int> issue = IssueFromNumberField(issueField_->text()))
        ShowIssue(*issue);
    else
        feedback_.Warn(*this, texts::kIssueNumberOutOfRange);
}

void MainWindow::ShowByMonth() {
    const MonthLookup lookup = IssueFromMonthFields(yearField_->currentText(), monthField_->currentText());
    switch (lookup.kind) {
    case MonthLookup::Kind::Issue: ShowIssue(lookup.issue); break;
    case MonthLookup::Kind::NotPublished: feedback_.Warn(*this, texts::kNotPublished); break;
    case MonthLookup::Kind::OutOfPeriod: feedback_.Warn(*this, texts::kOutOfPeriod); break;
    }
}

void MainWindow::ShowExtraIssue() {
    constexpr int kEntries[] = {kSupplementIssue, kAppendixEntry, kSpecialEntry};
    for (int i = 0; i < 3; ++i) {
        if (extraIssues_[i]->isChecked()) {
            ShowIssue(kEntries[i]);
            return;
        }
    }
    feedback_.Warn(*this, texts::kNoExtraIssueChosen);
}

void MainWindow::StepIssue(Step step) {
    if (const std::optional<QString> text = SteppedIssue(issueField_->text(), step))
        issueField_->setText(*text);
}

void MainWindow::StepMonth(Step step) {
    if (const std::optional<MonthFields> fields =
            SteppedMonth(yearField_->currentText(), monthField_->currentText(), step)) {
        yearField_->setEditText(fields->year);
        monthField_->setEditText(fields->month);
    }
}

void MainWindow::CorrectMonth() {
    if (const std::optional<QString> corrected = CorrectedMonth(monthField_->currentText())) {
        feedback_.Beep();
        monthField_->setEditText(*corrected);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Enter searches, and then still reaches the field.
    if (watched == searchField_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            Search();
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::Search() {
    if (!results_) {
        results_ = new ResultsWindow;
        connect(results_, &ResultsWindow::IssueChosen, this, [this](int n) {
            ShowIssue(n);
            foreground_.Bring(*this);
        });
    }
    results_->hide();

    const QString needle = searchField_->text();
    if (needle.isEmpty()) {
        feedback_.Warn(*this, texts::kEmptySearch);
        return;
    }
    const SearchHits hits = SearchCatalogue(needle);
    results_->SetVisibleIssues(hits);
    if (hits.Count() == 0) {
        feedback_.Inform(*this, texts::kNoHitsTitle, texts::kNoHits);
        return;
    }
    results_->SetSearchString(needle);
    results_->show();
    foreground_.Bring(*results_);
}

} // namespace aoba
