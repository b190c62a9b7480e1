#include "mainwindow/main_window.h"

#include "core/catalogue_search.h"
#include "mainwindow/digit_filter.h"
#include "core/entry_store.h"
#include "widgets/feedback.h"
#include "widgets/look.h"
#include "mainwindow/lookup_button.h"
#include "texts/messages.h"
#include "mainwindow/option_button.h"
#include "resultswindow/results_window.h"
#include "widgets/twips.h"

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

// Thirteen line breaks, sixteen ideographic spaces, the notice, one more line break.
QString Placeholder() {
    return QStringLiteral("\r\n").repeated(13) + QString(16, QChar(0x3000)) +
           QStringLiteral("ここに目次が表示されます。\r\n");
}

template <class Widget> Widget* Place(QWidget* parent, const char* name, QRect geometry) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

QGroupBox* Frame(QWidget* window, const char* name, const QString& title, QRect geometry,
                 const QString& description) {
    auto* frame = Place<QGroupBox>(window, name, geometry);
    frame->setTitle(title);
    frame->setAccessibleName(title);
    frame->setAccessibleDescription(description);
    frame->setFont(GothicFont(9, true));
    return frame;
}

QLabel* Caption(QWidget* parent, const char* name, const QString& text, QRect geometry, bool bold,
                const QString& description) {
    auto* label = Place<QLabel>(parent, name, geometry);
    label->setText(text);
    label->setAccessibleName(text);
    label->setAccessibleDescription(description);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(bold ? GothicFont(9, true) : DefaultFont());
    return label;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text, QRect geometry,
                    const QColor& face, const QString& description) {
    auto* button = Place<QPushButton>(parent, name, geometry);
    button->setText(text);
    button->setAccessibleName(text);
    button->setAccessibleDescription(description);
    button->setFont(DefaultFont());
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, face);
    button->setPalette(palette);
    return button;
}

LookupButton* Lookup(QWidget* parent, const char* name, QRect geometry, const QString& description) {
    auto* button = Place<LookupButton>(parent, name, geometry);
    button->setAccessibleDescription(description);
    return button;
}

// Fields keep the platform's own colours rather than the window's green.
void PlatformLook(QWidget& field) {
    field.setPalette(QApplication::palette(&field));
    field.setFont(DefaultFont());
}

QComboBox* NumberCombo(QWidget* parent, const char* name, QRect geometry, const QStringList& items,
                       const QString& text) {
    auto* combo = Place<QComboBox>(parent, name, geometry);
    combo->setEditable(true);
    combo->addItems(items);
    // Typing "1" must not complete to "10", and Enter must not add what was typed to the list.
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setEditText(text);
    PlatformLook(*combo);
    return combo;
}

// The focus sits in an editable combo box's line edit, and that is what a screen reader reads.
void NameField(QComboBox& combo, const QString& name, const QString& description) {
    for (QWidget* widget : {static_cast<QWidget*>(&combo), static_cast<QWidget*>(combo.lineEdit())}) {
        widget->setAccessibleName(name);
        widget->setAccessibleDescription(description);
    }
}

QStringList TwoDigitRange(int from, int to) {
    QStringList items;
    for (int i = from; i <= to; ++i)
        items << QStringLiteral("%1").arg(i % 100, 2, 10, QLatin1Char('0'));
    return items;
}

} // namespace

MainWindow::MainWindow(Feedback& feedback, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , feedback_(feedback) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("青葉便り 検索システム"));
    setAccessibleDescription(
        QStringLiteral("号番、発行月、増刊・付録から号を選んで目次を見る。全号の目次を検索する"));
    setFixedSize(TwipsSize(10515, 6705));
    setFont(DefaultFont());
    FillBackground(*this, kLightGreen);

    BuildIssueNumberFrame();
    BuildMonthFrame();
    BuildSearchFrame();
    BuildExtraIssueFrame();
    BuildContentsPane();
    SetTabOrder();
    issueField_->setFocus();
}

MainWindow::~MainWindow() {
    delete results_;
}

ResultsWindow* MainWindow::Results() const {
    return results_;
}

void MainWindow::BuildIssueNumberFrame() {
    QGroupBox* frame = Frame(this, "Frame1", QStringLiteral("号番検索"), TwipsRect(120, 240, 3975, 1455),
                             QStringLiteral("号数を指定して目次を見る"));
    issueField_ = Place<QLineEdit>(frame, "Text1", TwipsRect(120, 360, 1335, 270));
    issueField_->setText(QStringLiteral("1"));
    issueField_->setAccessibleName(QStringLiteral("号番検索　（1～380号）"));
    issueField_->setAccessibleDescription(QStringLiteral("見たい号の号数、1から380まで"));
    PlatformLook(*issueField_);
    issueField_->installEventFilter(new DigitFilter(feedback_, issueField_));

    QPushButton* forward = Button(frame, "Command3", QStringLiteral("+"), TwipsRect(1080, 720, 255, 255),
                                  kLightPeach, QStringLiteral("号数を一つ進める"));
    QPushButton* back = Button(frame, "Command4", QStringLiteral("-"), TwipsRect(1440, 720, 255, 255),
                               kLightPeach, QStringLiteral("号数を一つ戻す"));
    Caption(frame, "Label1", QStringLiteral("　（1～380号）"), TwipsRect(1440, 400, 1215, 255), true,
            QStringLiteral("指定できる号数の範囲"));
    LookupButton* show =
        Lookup(frame, "Command1", TwipsRect(2520, 720, 1215, 495), QStringLiteral("号番で目次を見る"));

    connect(forward, &QPushButton::clicked, this, [this] { StepIssue(Step::Forward); });
    connect(back, &QPushButton::clicked, this, [this] { StepIssue(Step::Back); });
    connect(show, &QPushButton::clicked, this, &MainWindow::ShowByIssueNumber);
}

void MainWindow::BuildMonthFrame() {
    QGroupBox* frame = Frame(this, "Frame2", QStringLiteral("発行月検索"), TwipsRect(120, 1800, 3975, 2055),
                             QStringLiteral("発行された年と月を指定して目次を見る"));
    Caption(frame, "Label4", QStringLiteral("年　　　　　　月"), TwipsRect(120, 360, 1455, 255), false,
            QStringLiteral("下の二つの欄は年と月"));
    yearField_ = NumberCombo(frame, "Combo1", TwipsRect(120, 600, 735, 300), TwoDigitRange(72, 104),
                             QStringLiteral("72"));
    NameField(*yearField_, QStringLiteral("発行月検索　年"),
              QStringLiteral("発行年、二桁で。72から99、00から04まで"));
    monthField_ = NumberCombo(frame, "Combo2", TwipsRect(1080, 600, 735, 300), TwoDigitRange(1, 12),
                              QStringLiteral("09"));
    NameField(*monthField_, QStringLiteral("発行月検索　月"), QStringLiteral("発行月、二桁で。01から12まで"));
    // Editable combo boxes hand their keys to the line edit directly, so the filter sits on the combo box.
    yearField_->installEventFilter(new DigitFilter(feedback_, yearField_));
    monthField_->installEventFilter(new DigitFilter(feedback_, monthField_));

    Caption(frame, "Label5", QStringLiteral("（72.09～04.07）"), TwipsRect(1920, 640, 1455, 255), true,
            QStringLiteral("発行期間、72年9月から04年7月まで"));
    QPushButton* next = Button(frame, "Command5", QStringLiteral("翌月"), TwipsRect(720, 960, 615, 375),
                               kLightPeach, QStringLiteral("発行月を一月進める"));
    QPushButton* previous = Button(frame, "Command6", QStringLiteral("先月"), TwipsRect(1440, 960, 615, 375),
                                   kLightPeach, QStringLiteral("発行月を一月戻す"));
    LookupButton* show =
        Lookup(frame, "Command2", TwipsRect(2520, 1320, 1215, 495), QStringLiteral("発行月で目次を見る"));

    connect(monthField_, &QComboBox::editTextChanged, this, &MainWindow::CorrectMonth);
    connect(next, &QPushButton::clicked, this, [this] { StepMonth(Step::Forward); });
    connect(previous, &QPushButton::clicked, this, [this] { StepMonth(Step::Back); });
    connect(show, &QPushButton::clicked, this, &MainWindow::ShowByMonth);
}

void MainWindow::BuildSearchFrame() {
    QGroupBox* frame = Frame(this, "Frame3", QStringLiteral("目次検索"), TwipsRect(120, 3960, 3975, 855),
                             QStringLiteral("全号の目次から文字列を探す"));
    searchField_ = Place<QLineEdit>(frame, "Text2", TwipsRect(240, 360, 2415, 270));
    searchField_->setAccessibleName(QStringLiteral("目次検索"));
    searchField_->setAccessibleDescription(QStringLiteral("探す文字列。Enterで検索する"));
    PlatformLook(*searchField_);
    searchField_->installEventFilter(this);

    QPushButton* search = Button(frame, "Command7", QStringLiteral("検索"), TwipsRect(2760, 360, 1095, 375),
                                 kLightGrey, QStringLiteral("全号の目次から文字列を検索する"));
    search->setFont(MinchoFont(11.25, true));
    connect(search, &QPushButton::clicked, this, &MainWindow::Search);
}

void MainWindow::BuildExtraIssueFrame() {
    QGroupBox* frame = Frame(this, "Frame4", QStringLiteral("増刊・付録"), TwipsRect(120, 4920, 3975, 1575),
                             QStringLiteral("増刊号と付録を選んで目次を見る"));
    const struct {
        const char* name;
        QString text;
        QRect geometry;
        QString description;
    } options[] = {
        {"Option1", QStringLiteral("77.06増刊（55号）"), TwipsRect(120, 360, 1695, 375),
         QStringLiteral("1977年6月の増刊、55号")},
        {"Option2", QStringLiteral("85.11（156号）付録"), TwipsRect(120, 720, 1815, 375),
         QStringLiteral("1985年11月、156号の付録")},
        {"Option3", QStringLiteral("03.06増刊"), TwipsRect(120, 1080, 1215, 375),
         QStringLiteral("2003年6月の特別号")},
    };
    QStyle* style = CompactOptionStyle(frame);
    for (int i = 0; i < 3; ++i) {
        OptionButton* option = Place<OptionButton>(frame, options[i].name, options[i].geometry);
        option->setText(options[i].text);
        option->setAccessibleName(options[i].text);
        option->setAccessibleDescription(options[i].description);
        option->setFont(DefaultFont());
        option->setStyle(style);
        extraIssues_[i] = option;
    }
    OptionButton::Group({extraIssues_[0], extraIssues_[1], extraIssues_[2]});
    LookupButton* show = Lookup(frame, "Command12", TwipsRect(2520, 840, 1215, 495),
                                QStringLiteral("選んだ増刊・付録の目次を見る"));
    connect(show, &QPushButton::clicked, this, &MainWindow::ShowExtraIssue);
}

void MainWindow::BuildContentsPane() {
    contents_ = Place<QPlainTextEdit>(this, "Text3", TwipsRect(4440, 240, 5895, 5535));
    contents_->setReadOnly(true);
    contents_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    contents_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    contents_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    contents_->setAccessibleName(QStringLiteral("目次"));
    contents_->setAccessibleDescription(QStringLiteral("選んだ号の目次"));
    PlatformLook(*contents_);
    contents_->setFont(MinchoFont(9, false));
    contents_->setPlainText(Placeholder());
}

void MainWindow::SetTabOrder() {
    const char* order[] = {"Text1",    "Command3", "Command4",  "Command1", "Combo1",   "Combo2",
                           "Command5", "Command6", "Command2",  "Text2",    "Command7", "Option1",
                           "Option2",  "Option3",  "Command12", "Text3"};
    QWidget* previous = nullptr;
    for (const char* name : order) {
        auto* widget = findChild<QWidget*>(QLatin1String(name));
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
        feedback_.Warn(messages::IssueNumberOutOfRange());
}

void MainWindow::ShowByMonth() {
    const MonthLookup lookup = IssueFromMonthFields(yearField_->currentText(), monthField_->currentText());
    switch (lookup.kind) {
    case MonthLookup::Kind::Issue: ShowIssue(lookup.issue); break;
    case MonthLookup::Kind::NotPublished: feedback_.Warn(messages::NotPublished()); break;
    case MonthLookup::Kind::OutOfPeriod: feedback_.Warn(messages::OutOfPeriod()); break;
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
    feedback_.Warn(messages::NoExtraIssueChosen());
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
            BringToFront();
        });
    }
    results_->hide();

    const QString needle = searchField_->text();
    if (needle.isEmpty()) {
        feedback_.Warn(messages::EmptySearch());
        return;
    }
    const SearchHits hits = SearchCatalogue(needle);
    results_->SetVisibleIssues(hits);
    if (hits.Count() == 0) {
        feedback_.Inform(messages::NoHitsTitle(), messages::NoHits());
        return;
    }
    results_->SetSearchString(needle);
    results_->show();
    results_->raise();
    results_->activateWindow();
}

void MainWindow::BringToFront() {
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

} // namespace aoba
