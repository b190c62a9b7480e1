// SPDX-License-Identifier: MIT
// Every text the reader sees or hears, copied here character for character. The tests compare what the
// windows show and say with this table, never with the program's own constants, so a wrong character in
// the program fails a test. Lines of a message are joined by a single CR.
#pragma once

#include <QString>

namespace expected {

// Window titles.
inline const QString kMainTitle = QStringLiteral("青葉便り 検索システム");
inline const QString kResultsTitle = QStringLiteral("目次検索結果");

// Captions of the main window, by control.
inline const QString kFrame1 = QStringLiteral("号番検索");
inline const QString kText1 = QStringLiteral("1");
inline const QString kCommand3 = QStringLiteral("+");
inline const QString kCommand4 = QStringLiteral("-");
inline const QString kLabel1 = QStringLiteral("　（1～380号）");
inline const QString kFrame2 = QStringLiteral("発行月検索");
inline const QString kLabel4 = QStringLiteral("年　　　　　　月");
inline const QString kCombo1 = QStringLiteral("72");
inline const QString kCombo2 = QStringLiteral("09");
inline const QString kLabel5 = QStringLiteral("（72.09～04.07）");
inline const QString kCommand5 = QStringLiteral("翌月");
inline const QString kCommand6 = QStringLiteral("先月");
inline const QString kFrame3 = QStringLiteral("目次検索");
inline const QString kCommand7 = QStringLiteral("検索");
inline const QString kFrame4 = QStringLiteral("増刊・付録");
inline const QString kOption1 = QStringLiteral("77.06増刊（55号）");
inline const QString kOption2 = QStringLiteral("85.11（156号）付録");
inline const QString kOption3 = QStringLiteral("03.06増刊");

// The contents pane before the first issue is shown, as the pane holds it (lines end in LF there).
inline const QString kPlaceholderAsShown =
    QStringLiteral("\n\n\n\n\n\n\n\n\n\n\n\n\n　　　　　　　　　　　　　　　　ここに目次が表示されます。\n");

// Refusals (exclamation icon, OK, empty title).
inline const QString kIssueNumberOutOfRange =
    QStringLiteral("青葉便りの発行は380号までです。\r1から380の間の号数を指定してください。");
inline const QString kNoExtraIssueChosen =
    QStringLiteral("どの増刊・付録号を見るのかチェックを入れてください。");
inline const QString kNotPublished = QStringLiteral(
    "青葉便りは72年12月から73年3月の間は発行されていません。\rそれ以外の発行月を指定してください。");
inline const QString kOutOfPeriod =
    QStringLiteral("青葉便りの発行期間は72年9月から04年7月までです。\rその間の発行月を指定してください。");
inline const QString kEmptySearch = QStringLiteral("目次を検索するための文字列を入力してください。");

// The search's notice (no icon, OK, a title).
inline const QString kNoHitsTitle = QStringLiteral("検索結果");
inline const QString kNoHits = QStringLiteral("検索された文字列が含まれる目次は存在しませんでした。");

// The results window's header after a search for needle.
inline QString ResultsHeader(const QString& needle) {
    return QStringLiteral("検索された文字列\r　　　　　『") + needle +
           QStringLiteral("』　　　は、\r以下の号の目次で発見されました。（号番をクリックすると、その号の目次"
                          "が表示されます）");
}

// What the recording feedback writes down for a refusal and for the no-hits notice.
inline QString Warned(const QString& text) {
    return QStringLiteral("warn: ") + text;
}
inline QString NoHitsNotice() {
    return QStringLiteral("inform ") + kNoHitsTitle + QStringLiteral(": ") + kNoHits;
}

// The command line's --help after its usage line (Qt writes "Usage:" and "Options:"), with LF line ends.
inline const QString kHelpAfterUsage = QStringLiteral(
    "青葉便り全号の目次を閲覧・検索する。--show、--month、--search "
    "のどれかを付けると、窓を開かずに答えを端末に出力"
    "する。\n"
    "\n"
    "Options:\n"
    "  -h, --help       この使い方を表示して終了する\n"
    "  -v, --version    版を表示して終了する\n"
    "  --show <N>       号番 N の目次を出力する。N は1から382まで（381は156号付録、382は03.06増刊）\n"
    "  --month <YY/MM>  YY年MM月に発行された号の目次を出力する（72/09～04/07）\n"
    "  --search <TEXT>  全号の目次から文字列 TEXT "
    "を探し、見つかった号ごとに号番と最初に見つかった行を出力する\n");

// The command line's refusal of a number --show does not take.
inline const QString kShowOutOfRange =
    QStringLiteral("--show に指定できる号番は1から382までです（381は156号付録、382は03.06増刊）。\r"
                   "1から382の間の号番を指定してください。");

// What a wrong command line is told on standard error, after "aoba-search: ".
inline const QString kSeeHelp = QStringLiteral("使い方は --help で表示されます。");
inline const QString kOneQueryAtATime =
    QStringLiteral("--show、--month、--search は一度に一つだけ指定できます。");
inline QString UnexpectedArgument(const QString& argument) {
    return QStringLiteral("引数「") + argument + QStringLiteral("」は使えません。");
}
inline QString MonthForm(const QString& value) {
    return QStringLiteral("--month には年と月を YY/MM の形で指定してください（「") + value +
           QStringLiteral("」）。");
}

} // namespace expected
