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

} // namespace expected
