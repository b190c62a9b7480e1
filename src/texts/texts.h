// SPDX-License-Identifier: MIT
// Every text the reader sees or hears, word for word: window titles, captions, what a screen reader says of
// each control, and the messages. Lines of a message are joined by a single CR, as the system writes them;
// only the display turns the CR into a visible line break.
#pragma once

#include <QString>
#include <QStringView>

namespace aoba::texts {

// What a control shows and what a screen reader says of it. name is left empty where the reader hears the
// caption itself.
struct Control {
    QStringView caption;
    QStringView description;
    QStringView name = {};

    QString Name() const { return (name.isEmpty() ? caption : name).toString(); }
};

// Form1, the main window.
inline constexpr Control kForm1{
    .caption = u"青葉便り 検索システム",
    .description = u"号番、発行月、増刊・付録から号を選んで目次を見る。全号の目次を検索する"};
inline constexpr Control kFrame1{.caption = u"号番検索", .description = u"号数を指定して目次を見る"};
inline constexpr Control kText1{
    .caption = u"1", .description = u"見たい号の号数、1から380まで", .name = u"号番検索　（1～380号）"};
inline constexpr Control kCommand3{.caption = u"+", .description = u"号数を一つ進める"};
inline constexpr Control kCommand4{.caption = u"-", .description = u"号数を一つ戻す"};
inline constexpr Control kLabel1{.caption = u"　（1～380号）", .description = u"指定できる号数の範囲"};
inline constexpr Control kCommand1{.caption = {}, .description = u"号番で目次を見る", .name = u"目次を見る"};
inline constexpr Control kFrame2{.caption = u"発行月検索",
                                 .description = u"発行された年と月を指定して目次を見る"};
inline constexpr Control kLabel4{.caption = u"年　　　　　　月", .description = u"下の二つの欄は年と月"};
inline constexpr Control kCombo1{
    .caption = u"72", .description = u"発行年、二桁で。72から99、00から04まで", .name = u"発行月検索　年"};
inline constexpr Control kCombo2{
    .caption = u"09", .description = u"発行月、二桁で。01から12まで", .name = u"発行月検索　月"};
inline constexpr Control kLabel5{.caption = u"（72.09～04.07）",
                                 .description = u"発行期間、72年9月から04年7月まで"};
inline constexpr Control kCommand5{.caption = u"翌月", .description = u"発行月を一月進める"};
inline constexpr Control kCommand6{.caption = u"先月", .description = u"発行月を一月戻す"};
inline constexpr Control kCommand2{
    .caption = {}, .description = u"発行月で目次を見る", .name = u"目次を見る"};
inline constexpr Control kFrame3{.caption = u"目次検索", .description = u"全号の目次から文字列を探す"};
inline constexpr Control kText2{
    .caption = {}, .description = u"探す文字列。Enterで検索する", .name = u"目次検索"};
inline constexpr Control kCommand7{.caption = u"検索", .description = u"全号の目次から文字列を検索する"};
inline constexpr Control kFrame4{.caption = u"増刊・付録", .description = u"増刊号と付録を選んで目次を見る"};
inline constexpr Control kOption1{.caption = u"77.06増刊（55号）", .description = u"1977年6月の増刊、55号"};
inline constexpr Control kOption2{.caption = u"85.11（156号）付録",
                                  .description = u"1985年11月、156号の付録"};
inline constexpr Control kOption3{.caption = u"03.06増刊", .description = u"2003年6月の特別号"};
inline constexpr Control kCommand12{
    .caption = {}, .description = u"選んだ増刊・付録の目次を見る", .name = u"目次を見る"};
inline constexpr Control kText3{.caption = {}, .description = u"選んだ号の目次", .name = u"目次"};

// The words painted on the three lookup buttons.
inline constexpr QStringView kLookupPicture = u"目次を見る";

// Thirteen line breaks, sixteen ideographic spaces, the notice, one more line break.
inline QString ContentsPlaceholder() {
    return QStringLiteral("\r\n").repeated(13) + QString(16, QChar(0x3000)) +
           QStringLiteral("ここに目次が表示されます。\r\n");
}

// Form2, the results window.
inline constexpr Control kForm2{.caption = u"目次検索結果",
                                .description = u"検索された文字列を目次に含む号の一覧"};
inline constexpr Control kLabel3{.caption = {}, .description = u"見出しの帯", .name = u"目次検索結果"};
inline constexpr Control kLabel2{
    .caption = {}, .description = u"検索された文字列と、号番の選び方", .name = u"検索結果の見出し"};

// The header of a search with hits: three lines joined by single CRs.
inline QString ResultsHeader(QStringView needle) {
    return QStringLiteral("検索された文字列\r　　　　　『") + needle.toString() +
           QStringLiteral("』　　　は、\r以下の号の目次で発見されました。（号番をクリックすると、その号の目次"
                          "が表示されます）");
}

// An issue label: "[001]" … "[380]", and what a screen reader adds to it: "156号 1985年11月".
inline QString IssueCaption(int issue) {
    return QStringLiteral("[%1]").arg(issue, 3, 10, QLatin1Char('0'));
}
inline QString IssueDescription(int issue, int year, int month) {
    return QStringLiteral("%1号 %2年%3月").arg(issue).arg(year).arg(month);
}

// Refusals: exclamation icon, OK, empty title.
inline constexpr QStringView kIssueNumberOutOfRange =
    u"青葉便りの発行は380号までです。\r1から380の間の号数を指定してください。";
inline constexpr QStringView kNoExtraIssueChosen = u"どの増刊・付録号を見るのかチェックを入れてください。";
inline constexpr QStringView kNotPublished =
    u"青葉便りは72年12月から73年3月の間は発行されていません。\rそれ以外の発行月を指定してください。";
inline constexpr QStringView kOutOfPeriod =
    u"青葉便りの発行期間は72年9月から04年7月までです。\rその間の発行月を指定してください。";
inline constexpr QStringView kEmptySearch = u"目次を検索するための文字列を入力してください。";

// The search's notice: no icon, OK, this title.
inline constexpr QStringView kNoHitsTitle = u"検索結果";
inline constexpr QStringView kNoHits = u"検索された文字列が含まれる目次は存在しませんでした。";

// The command line: what --help says of the program and of each option, and the names it gives their values.
inline constexpr QStringView kCommandLineDescription =
    u"青葉便り全号の目次を閲覧・検索する。"
    u"--show、--month、--search のどれかを付けると、窓を開かずに答えを端末に出力する。";
inline constexpr QStringView kHelpOption = u"この使い方を表示して終了する";
inline constexpr QStringView kVersionOption = u"版を表示して終了する";
inline constexpr QStringView kShowOption =
    u"号番 N の目次を出力する。N は1から382まで（381は156号付録、382は03.06増刊）";
inline constexpr QStringView kShowValue = u"N";
inline constexpr QStringView kMonthOption = u"YY年MM月に発行された号の目次を出力する（72/09～04/07）";
inline constexpr QStringView kMonthValue = u"YY/MM";
inline constexpr QStringView kSearchOption =
    u"全号の目次から文字列 TEXT を探し、見つかった号ごとに号番と最初に見つかった行を出力する";
// ASCII, as the other value names: --help pads its columns by characters, not by terminal columns.
inline constexpr QStringView kSearchValue = u"TEXT";

// The refusal of a number --show does not take. It names the range the option takes, 1 to 382; the window's
// refusal names the issue number field's.
inline constexpr QStringView kShowOutOfRange =
    u"--show に指定できる号番は1から382までです（381は156号付録、382は03.06増刊）。\r"
    u"1から382の間の号番を指定してください。";

// What a wrong command line is told, after the program's name; kSeeHelp follows on a line of its own.
inline constexpr QStringView kOneQueryAtATime = u"--show、--month、--search は一度に一つだけ指定できます。";
inline QString UnexpectedArgument(QStringView argument) {
    return QStringLiteral("引数「%1」は使えません。").arg(argument);
}
inline QString MonthForm(QStringView value) {
    return QStringLiteral("--month には年と月を YY/MM の形で指定してください（「%1」）。").arg(value);
}
inline constexpr QStringView kSeeHelp = u"使い方は --help で表示されます。";

} // namespace aoba::texts
