// The main window's messages, word for word; lines are joined by a single CR.
#pragma once

#include <QString>

namespace aoba::messages {

inline QString IssueNumberOutOfRange() {
    return QStringLiteral("青葉便りの発行は380号までです。\r1から380の間の号数を指定してください。");
}
inline QString NoExtraIssueChosen() {
    return QStringLiteral("どの増刊・付録号を見るのかチェックを入れてください。");
}
inline QString NotPublished() {
    return QStringLiteral(
        "青葉便りは72年12月から73年3月の間は発行されていません。\rそれ以外の発行月を指定してください。");
}
inline QString OutOfPeriod() {
    return QStringLiteral(
        "青葉便りの発行期間は72年9月から04年7月までです。\rその間の発行月を指定してください。");
}
inline QString EmptySearch() {
    return QStringLiteral("目次を検索するための文字列を入力してください。");
}
inline QString NoHitsTitle() {
    return QStringLiteral("検索結果");
}
inline QString NoHits() {
    return QStringLiteral("検索された文字列が含まれる目次は存在しませんでした。");
}

} // namespace aoba::messages
