// SPDX-License-Identifier: MIT
#include "mainwindow/main_window.h"

#include "core/catalogue_search.h"
#include "core/entry_store.h"
#include "lookandfeel/feedback.h"
#include "lookandfeel/foreground.h"
#include "lookandfeel/look.h"
#include "lookandfeel/twips.h"
#include "lookandfeel/unclipped.h"
#include "mainwindow/bounded_undo.h"
#include "mainwindow/command_button.h"
#include "mainwindow/digit_filter.h"
#include "mainwindow/lookup_button.h"
#include "mainwindow/number_combo.h"
#include "mainwindow/option_button.h"
#include "resultswindow/results_window.h"
#include "texts/texts.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace aoba {

namespace {

template <class Widget> Widget* Place(QWidget* parent, const char* name, QRect geometry) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

void Describe(QWidget& widget, const texts::Control& text) {
    widget.setAccessibleName(text.Name());
    widget.setAccessibleDescription(text.description.toString());
}

QGroupBox* Frame(QWidget* window, const char* name, const texts::Control& text, QRect geometry) {
    auto* frame = Place<QGroupBox>(window, name, geometry);
    frame->setTitle(text.caption.toString());
    Describe(*frame, text);
    frame->setFont(GothicFont(9, true));
    return frame;
}

QLabel* Caption(QWidget* parent, const char* name, const texts::Control& text, QRect geometry, bool bold) {
    auto* label = Place<QLabel>(parent, name, geometry);
    label->setText(text.caption.toString());
    Describe(*label, text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(bold ? GothicFont(9, true) : DefaultFont());
    return label;
}

QPushButton* Button(QWidget* parent, const char* name, const texts::Control& text, QRect geometry,
                    const QColor& face) {
    auto* button = Place<CommandButton>(parent, name, geometry);
    button->setText(text.caption.toString());
    Describe(*button, text);
    button->setFont(DefaultFont());
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, face);
    button->setPalette(palette);
    return button;
}

LookupButton* Lookup(QWidget* parent, const char* name, const texts::Control& text, QRect geometry) {
    auto* button = Place<LookupButton>(parent, name, geometry);
    Describe(*button, text);
    return button;
}

// Fields keep the platform's own colours rather than the window's green.
void PlatformLook(QWidget& field) {
    field.setPalette(QApplication::palette(&field));
    field.setFont(DefaultFont());
}

NumberCombo* Combo(QWidget* parent, const char* name, const texts::Control& text, QRect geometry,
                   NumberList list) {
    auto* combo = new NumberCombo(list, parent);
    combo->setObjectName(QLatin1String(name));
    combo->setGeometry(geometry);
    combo->setEditText(text.caption.toString());
    PlatformLook(*combo);
    new BoundedUndo(*combo->lineEdit(), *combo);
    // The focus sits in an editable combo box's line edit, and that is what a screen reader reads.
    Describe(*combo, text);
    Describe(*combo->lineEdit(), text);
    return combo;
}

} // namespace

// The layout is fixed, so the border is too: Windows gives a fixed size a sizing border unless asked not to.
MainWindow::MainWindow(Feedback& feedback, Foreground& foreground, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
    , feedback_(feedback)
    , foreground_(foreground) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(texts::kForm1.caption.toString());
    setAccessibleDescription(texts::kForm1.description.toString());
    setFixedSize(TwipsSize(10515, 6705));
    setFont(DefaultFont());
    FillBackground(*this, kLightGreen);

    SetTabOrder(QWidgetList() << BuildIssueNumberFrame() << BuildMonthFrame() << BuildSearchFrame()
                              << BuildExtraIssueFrame() << BuildContentsPane());
    issueField_->setFocus();

    // The buttons show their faces flat in their own colours, and the frames take the window's green.
    QStyle* flat = FlatFaceStyle(this);
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setStyle(flat);
    for (QGroupBox* frame : findChildren<QGroupBox*>())
        frame->setStyle(flat);
    // Last, with every control in place and every style set: the widths the captions really need.
    for (QLabel* label : findChildren<QLabel*>())
        ShowWhole(*label);
    for (QRadioButton* option : findChildren<QRadioButton*>())
        ShowWhole(*option);
}

MainWindow::~MainWindow() {
    delete results_;
}

ResultsWindow* MainWindow::Results() const {
    return results_;
}

QWidgetList MainWindow::BuildIssueNumberFrame() {
    QGroupBox* frame = Frame(this, "Frame1", texts::kFrame1, TwipsRect(120, 240, 3975, 1455));
    issueField_ = Place<QLineEdit>(frame, "Text1", TwipsRect(120, 360, 1335, 270));
    issueField_->setText(texts::kText1.caption.toString());
    Describe(*issueField_, texts::kText1);
    PlatformLook(*issueField_);
    new BoundedUndo(*issueField_, *issueField_);
    issueField_->installEventFilter(new DigitFilter(feedback_, issueField_));

    QPushButton* forward =
        Button(frame, "Command3", texts::kCommand3, TwipsRect(1080, 720, 255, 255), kLightPeach);
    QPushButton* back =
        Button(frame, "Command4", texts::kCommand4, TwipsRect(1440, 720, 255, 255), kLightPeach);
    Caption(frame, "Label1", texts::kLabel1, TwipsRect(1440, 400, 1215, 255), true);
    LookupButton* show = Lookup(frame, "Command1", texts::kCommand1, TwipsRect(2520, 720, 1215, 495));

    connect(forward, &QPushButton::clicked, this, [this] { StepIssue(Step::Forward); });
    connect(back, &QPushButton::clicked, this, [this] { StepIssue(Step::Back); });
    connect(show, &QPushButton::clicked, this, &MainWindow::ShowByIssueNumber);
    return {issueField_, forward, back, show};
}

QWidgetList MainWindow::BuildMonthFrame() {
    QGroupBox* frame = Frame(this, "Frame2", texts::kFrame2, TwipsRect(120, 1800, 3975, 2055));
    Caption(frame, "Label4", texts::kLabel4, TwipsRect(120, 360, 1455, 255), false);
    yearField_ = Combo(frame, "Combo1", texts::kCombo1, TwipsRect(120, 600, 735, 300), NumberList::Years);
    monthField_ = Combo(frame, "Combo2", texts::kCombo2, TwipsRect(1080, 600, 735, 300), NumberList::Months);
    // Editable combo boxes hand their keys to the line edit directly, so the filter sits on the combo box.
    yearField_->installEventFilter(new DigitFilter(feedback_, yearField_));
    monthField_->installEventFilter(new DigitFilter(feedback_, monthField_));

    Caption(frame, "Label5", texts::kLabel5, TwipsRect(1920, 640, 1455, 255), true);
    QPushButton* next =
        Button(frame, "Command5", texts::kCommand5, TwipsRect(720, 960, 615, 375), kLightPeach);
    QPushButton* previous =
        Button(frame, "Command6", texts::kCommand6, TwipsRect(1440, 960, 615, 375), kLightPeach);
    LookupButton* show = Lookup(frame, "Command2", texts::kCommand2, TwipsRect(2520, 1320, 1215, 495));

    connect(monthField_, &QComboBox::editTextChanged, this, &MainWindow::CorrectMonth);
    connect(next, &QPushButton::clicked, this, [this] { StepMonth(Step::Forward); });
    connect(previous, &QPushButton::clicked, this, [this] { StepMonth(Step::Back); });
    connect(show, &QPushButton::clicked, this, &MainWindow::ShowByMonth);
    return {yearField_, monthField_, next, previous, show};
}

QWidgetList MainWindow::BuildSearchFrame() {
    QGroupBox* frame = Frame(this, "Frame3", texts::kFrame3, TwipsRect(120, 3960, 3975, 855));
    searchField_ = Place<QLineEdit>(frame, "Text2", TwipsRect(240, 360, 2415, 270));
    Describe(*searchField_, texts::kText2);
    PlatformLook(*searchField_);
    new BoundedUndo(*searchField_, *searchField_);
    searchField_->installEventFilter(this);

    QPushButton* search =
        Button(frame, "Command7", texts::kCommand7, TwipsRect(2760, 360, 1095, 375), kLightGrey);
    search->setFont(SearchButtonFont());
    connect(search, &QPushButton::clicked, this, &MainWindow::Search);
    return {searchField_, search};
}

QWidgetList MainWindow::BuildExtraIssueFrame() {
    QGroupBox* frame = Frame(this, "Frame4", texts::kFrame4, TwipsRect(120, 4920, 3975, 1575));
    const struct {
        const char* name;
        const texts::Control& text;
        QRect geometry;
    } options[] = {
        {"Option1", texts::kOption1, TwipsRect(120, 360, 1695, 375)},
        {"Option2", texts::kOption2, TwipsRect(120, 720, 1815, 375)},
        {"Option3", texts::kOption3, TwipsRect(120, 1080, 1215, 375)},
    };
    QStyle* style = CompactOptionStyle(frame);
    for (int i = 0; i < 3; ++i) {
        OptionButton* option = Place<OptionButton>(frame, options[i].name, options[i].geometry);
        option->setText(options[i].text.caption.toString());
        Describe(*option, options[i].text);
        option->setFont(DefaultFont());
        option->setStyle(style);
        extraIssues_[i] = option;
    }
    OptionButton::Group({extraIssues_[0], extraIssues_[1], extraIssues_[2]});
    LookupButton* show = Lookup(frame, "Command12", texts::kCommand12, TwipsRect(2520, 840, 1215, 495));
    connect(show, &QPushButton::clicked, this, &MainWindow::ShowExtraIssue);
    return {extraIssues_[0], extraIssues_[1], extraIssues_[2], show};
}

QWidget* MainWindow::BuildContentsPane() {
    contents_ = Place<QPlainTextEdit>(this, "Text3", TwipsRect(4440, 240, 5895, 5535));
    contents_->setReadOnly(true);
    contents_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    contents_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    contents_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Describe(*contents_, texts::kText3);
    PlatformLook(*contents_);
    contents_->setFont(MinchoFont(9, false));
    contents_->setPlainText(texts::ContentsPlaceholder());
    return contents_;
}

void MainWindow::SetTabOrder(const QWidgetList& order) {
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        widget->setFocusPolicy(Qt::StrongFocus);
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
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
