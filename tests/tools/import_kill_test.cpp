// SPDX-License-Identifier: MIT
// Imports into a copy of data/ killed (SIGKILL, TerminateProcess on Windows) at random moments: after every
// kill the build must see the old set or the new one, whole and matching its manifest, and the next import
// must finish or clear what the killed one left.
#include "tests/tools/catalogue_copies.h"

#include <QElapsedTimer>
#include <QTest>

#ifdef _WIN32
#include <windows.h>
#endif

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>

namespace {

constexpr unsigned kSeed = 14;
constexpr int kKills = 200;

} // namespace

class ImportKillTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void killedImportLeavesOneWholeSet() {
        const QString checker = QStringLiteral(AOBA_CHECKER);
        const EntrySet sets[2] = {ShippedSet(), OtherSet()};
        const SetSums sums[2] = {SumsOf(sets[0]), SumsOf(sets[1])};
        const std::unique_ptr<QTemporaryDir> scratch = ScratchDir();
        const QString data = scratch->filePath(QStringLiteral("data"));
        const QString generated = scratch->filePath(QStringLiteral("generated"));
        const QString sources[2] = {scratch->filePath(QStringLiteral("shipped")),
                                    scratch->filePath(QStringLiteral("other"))};
        QVERIFY(WriteSet(data, sets[0], false, true));
        QVERIFY(WriteSet(sources[0], sets[0], false, false));
        QVERIFY(WriteSet(sources[1], sets[1], true, false));
        const auto import = [&](int set) {
            return QStringList{QStringLiteral("--import"), sources[set], QStringLiteral("--out"), data};
        };

        // How long one import takes here (the middle of three), so that the kills fall all through it and a
        // little after; nothing is asserted on it.
        std::vector<long> durations;
        int current = 0;
        for (int i = 0; i < 3; ++i) {
            QElapsedTimer timer;
            timer.start();
            const Run run = RunTool(checker, import(1 - current));
            durations.push_back(static_cast<long>(timer.nsecsElapsed() / 1000));
            QVERIFY2(run.exitCode == 0, qPrintable(run.all()));
            current = 1 - current;
        }
        std::sort(durations.begin(), durations.end());
        const long longest = durations[1] * 5 / 4;

        std::mt19937 random(kSeed);
        int runs = 0, kills = 0, finished = 0, asOld = 0, asNew = 0, stoppedAfterStep = 0, staging = 0;
        while (kills < kKills && runs < 10 * kKills) {
            ++runs;
            const int target = 1 - current;
            QProcess process;
#ifdef _WIN32
            // No console of its own (the tool needs none): Wine keeps the console of a process killed while
            // it starts for ever, and with it the output of whoever ran this test.
            process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* arguments) {
                arguments->flags = (arguments->flags & ~DWORD(CREATE_NO_WINDOW)) | DETACHED_PROCESS;
            });
#endif
            process.start(checker, import(target));
            QVERIFY(process.waitForStarted());
            std::this_thread::sleep_for(
                std::chrono::microseconds(std::uniform_int_distribution<long>(0, longest)(random)));
            process.kill();
            QVERIFY(process.waitForFinished(120000));
            if (process.exitStatus() == QProcess::CrashExit) {
                ++kills;
            } else {
                QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
                ++finished;
            }

            const QString seen = WhichSet(data, sums[current], sums[target]);
            QVERIFY2(seen == QLatin1String("old") || seen == QLatin1String("new"),
                     qPrintable(QStringLiteral("run %1: %2").arg(runs).arg(seen)));
            if (QFileInfo(data + QStringLiteral("/.import-commit")).isDir()) {
                ++stoppedAfterStep;
                const Run build = RunTool(QStringLiteral(AOBA_EMBED), {data, generated});
                QVERIFY2(build.exitCode == 0,
                         qPrintable(QStringLiteral("run %1: %2").arg(runs).arg(build.err)));
            }
            const QStringList left =
                QDir(data).entryList({QStringLiteral(".import-*")}, QDir::Dirs | QDir::Hidden);
            staging += left.size() - static_cast<int>(left.contains(QStringLiteral(".import-commit")));
            if (seen == QLatin1String("new")) {
                current = target;
                ++asNew;
            } else {
                ++asOld;
            }
        }
        qInfo("kills up to %ld µs after the start, seed %u, %d runs: %d killed, %d finished first; %d left "
              "the old set, %d the new one; %d stopped "
              "after the one step, %d left a staging folder",
              longest, kSeed, runs, kills, finished, asOld, asNew, stoppedAfterStep, staging);
        QCOMPARE(kills, kKills);

        const Run last = RunTool(checker, import(1 - current));
        QVERIFY2(last.exitCode == 0, qPrintable(last.all()));
        QCOMPARE(WhichSet(data, sums[current], sums[1 - current]), QStringLiteral("new"));
        // The entries and the manifest, nothing left over; on Windows the tools lock through a file that
        // stays.
        QStringList left = QDir(data).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
#ifdef _WIN32
        left.removeOne(QStringLiteral(".catalogue-lock"));
#endif
        QCOMPARE(left.size(), 383);
    }
};

QTEST_GUILESS_MAIN(ImportKillTest)
#include "import_kill_test.moc"
