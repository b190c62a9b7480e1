// SPDX-License-Identifier: MIT
#include "cli/command_line.h"
#include "tests/support/catalogue_files.h"
#include "tests/support/expected_texts.h"

#include <QCoreApplication>
#include <QTest>

using aoba::cli::Answer;

namespace {

const QString kProgram = QStringLiteral("aoba-search");

QStringList CommandLine(const QStringList& options) {
    return QStringList{kProgram} + options;
}

// A refusal of the windows as a terminal gets it: lines ended by LF.
QString Refusal(QString message) {
    return message.replace(QLatin1Char('\r'), QLatin1Char('\n')) + QLatin1Char('\n');
}

QString Wrong(const QString& message) {
    return kProgram + QStringLiteral(": ") + message + QLatin1Char('\n') + expected::kSeeHelp +
           QLatin1Char('\n');
}

// What --search prints for needle, from the files of data/: for each regular issue that holds it, its number,
// a tab and the first line that holds it, without the spaces of either width around it.
QString FoundLines(const QString& needle) {
    QString out;
    for (int issue = 1; issue <= 380; ++issue) {
        const QStringList lines = EntryFile(issue).split(QStringLiteral("\r\n"));
        for (QString line : lines) {
            if (!line.contains(needle))
                continue;
            while (line.startsWith(u' ') || line.startsWith(u'\u3000'))
                line.remove(0, 1);
            while (line.endsWith(u' ') || line.endsWith(u'\u3000'))
                line.chop(1);
            out += QString::number(issue) + u'\t' + line + u'\n';
            break;
        }
    }
    return out;
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QCoreApplication::setApplicationName(kProgram);
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    }

    // Every row of the next table is answered on the terminal too.
    void anythingButQtsOwnOptionsIsAnsweredOnTheTerminal_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("terminal");
        QTest::newRow("no argument opens the windows") << CommandLine({}) << false;
        QTest::newRow("not even the program's name") << QStringList{} << false;
        QTest::newRow("Qt's platform option is the windows'")
            << CommandLine({QStringLiteral("-platform"), QStringLiteral("offscreen")}) << false;
        QTest::newRow("Qt's options with = and flags")
            << CommandLine({QStringLiteral("-style=fusion"), QStringLiteral("-reverse"),
                            QStringLiteral("-qwindowtitle"), QStringLiteral("x")})
            << false;
        QTest::newRow("a lone -- leaves nothing") << CommandLine({QStringLiteral("--")}) << false;
        QTest::newRow("after --, an argument is still stray")
            << CommandLine({QStringLiteral("--"), QStringLiteral("--show")}) << true;
        QTest::newRow("a query beside Qt's options")
            << CommandLine({QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("--show"),
                            QStringLiteral("1")})
            << true;
    }

    void anythingButQtsOwnOptionsIsAnsweredOnTheTerminal() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, terminal);
        QCOMPARE(aoba::cli::WantsTerminal(arguments), terminal);
    }

    void eachQueryIsAnsweredWithItsExitCode_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<int>("exitCode");
        const QString usage = QStringLiteral("Usage: ") + QCoreApplication::arguments().constFirst() +
                              QStringLiteral(" [options]\n") + expected::kHelpAfterUsage;
        // Not the window's message: --show takes 381 and 382, which the issue number field refuses.
        const QString outOfRange = Refusal(expected::kShowOutOfRange);

        QTest::newRow("--help") << CommandLine({QStringLiteral("--help")}) << usage << QString() << 0;
        QTest::newRow("-h") << CommandLine({QStringLiteral("-h")}) << usage << QString() << 0;
        QTest::newRow("--help wins over a query")
            << CommandLine({QStringLiteral("--show"), QStringLiteral("0"), QStringLiteral("--help")}) << usage
            << QString() << 0;
        QTest::newRow("--version") << CommandLine({QStringLiteral("--version")})
                                   << QStringLiteral("aoba-search 1.0.0\n") << QString() << 0;
        QTest::newRow("-v") << CommandLine({QStringLiteral("-v")}) << QStringLiteral("aoba-search 1.0.0\n")
                            << QString() << 0;

        QTest::newRow("unknown option") << CommandLine({QStringLiteral("--bogus")}) << QString()
                                        << Wrong(QStringLiteral("Unknown option 'bogus'.")) << 2;
        QTest::newRow("unknown option beside --help is still an error")
            << CommandLine({QStringLiteral("--help"), QStringLiteral("-x")}) << QString()
            << Wrong(QStringLiteral("Unknown option 'x'.")) << 2;
        QTest::newRow("--show without its value")
            << CommandLine({QStringLiteral("--show")}) << QString()
            << Wrong(QStringLiteral("Missing value after '--show'.")) << 2;
        QTest::newRow("a stray argument") << CommandLine({QStringLiteral("156")}) << QString()
                                          << Wrong(expected::UnexpectedArgument(QStringLiteral("156"))) << 2;
        QTest::newRow("two queries") << CommandLine({QStringLiteral("--show"), QStringLiteral("1"),
                                                     QStringLiteral("--search"), QStringLiteral("号")})
                                     << QString() << Wrong(expected::kOneQueryAtATime) << 2;
        QTest::newRow("the same query twice")
            << CommandLine({QStringLiteral("--show=1"), QStringLiteral("--show=2")}) << QString()
            << Wrong(expected::kOneQueryAtATime) << 2;
        QTest::newRow("--month without a slash")
            << CommandLine({QStringLiteral("--month"), QStringLiteral("7706")}) << QString()
            << Wrong(expected::MonthForm(QStringLiteral("7706"))) << 2;

        QTest::newRow("--show 0") << CommandLine({QStringLiteral("--show"), QStringLiteral("0")}) << QString()
                                  << outOfRange << 2;
        QTest::newRow("--show 383") << CommandLine({QStringLiteral("--show"), QStringLiteral("383")})
                                    << QString() << outOfRange << 2;
        QTest::newRow("--show -1") << CommandLine({QStringLiteral("--show=-1")}) << QString() << outOfRange
                                   << 2;
        QTest::newRow("--show= with nothing after it")
            << CommandLine({QStringLiteral("--show=")}) << QString() << outOfRange << 2;
        QTest::newRow("--show with an empty value")
            << CommandLine({QStringLiteral("--show"), QString()}) << QString() << outOfRange << 2;
        QTest::newRow("--show letters")
            << CommandLine({QStringLiteral("--show"), QStringLiteral("abc")}) << QString() << outOfRange << 2;
        QTest::newRow("--show beyond 32 bits")
            << CommandLine({QStringLiteral("--show"), QStringLiteral("4294967452")}) << QString()
            << outOfRange << 2;

        QTest::newRow("--month 72/12 is in the gap")
            << CommandLine({QStringLiteral("--month"), QStringLiteral("72/12")}) << QString()
            << Refusal(expected::kNotPublished) << 2;
        QTest::newRow("--month 04/08 is after the run")
            << CommandLine({QStringLiteral("--month"), QStringLiteral("04/08")}) << QString()
            << Refusal(expected::kOutOfPeriod) << 2;
        QTest::newRow("--month with a day is no number") << CommandLine({QStringLiteral("--month=77/06/01")})
                                                         << QString() << Refusal(expected::kOutOfPeriod) << 2;

        QTest::newRow("--search 56号: four headers, as the tooltips quote them")
            << CommandLine({QStringLiteral("--search"), QStringLiteral("56号")})
            << QStringLiteral("56\t1977年７月　56号\n156\t1985年11月 156号\n256\t1994年３月 256号\n"
                              "356\t2002年７月 356号\n")
            << QString() << 0;
        QTest::newRow("--search ｾﾝﾀｰ: body lines, without the spaces around them")
            << CommandLine({QStringLiteral("--search"), QStringLiteral("ｾﾝﾀｰ")})
            << FoundLines(QStringLiteral("ｾﾝﾀｰ")) << QString() << 0;
        QTest::newRow("--search=終刊号")
            << CommandLine({QStringLiteral("--search=終刊号")})
            << QStringLiteral("380\t2004年７月 380号（終刊号）\n") << QString() << 0;
        QTest::newRow("--search a value that starts with a dash")
            << CommandLine({QStringLiteral("--search"), QStringLiteral("-x-x-")}) << QString()
            << Refusal(expected::kNoHits) << 1;
        QTest::newRow("--search 付録: the appendix is never searched")
            << CommandLine({QStringLiteral("--search"), QStringLiteral("付録")}) << QString()
            << Refusal(expected::kNoHits) << 1;
        QTest::newRow("--search empty") << CommandLine({QStringLiteral("--search"), QString()}) << QString()
                                        << Refusal(expected::kEmptySearch) << 2;
    }

    void eachQueryIsAnsweredWithItsExitCode() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(int, exitCode);
        QVERIFY(aoba::cli::WantsTerminal(arguments));
        const Answer answer = aoba::cli::Run(arguments);
        QCOMPARE(answer.out, out);
        QCOMPARE(answer.err, err);
        QCOMPARE(answer.exitCode, exitCode);
    }

    // --show and --month print an entry whole, as stored, with LF for each CR LF.
    void showAndMonthPrintTheWholeEntry_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("header");
        const auto show = [](const QString& n) { return CommandLine({QStringLiteral("--show"), n}); };
        const auto month = [](const QString& m) { return CommandLine({QStringLiteral("--month"), m}); };
        QTest::newRow("--show 1") << show(QStringLiteral("1")) << 1 << QStringLiteral("1972年9.15. １号");
        QTest::newRow("--show 380") << show(QStringLiteral("380")) << 380
                                    << QStringLiteral("2004年７月 380号（終刊号）");
        QTest::newRow("--show 381, the appendix")
            << show(QStringLiteral("381")) << 381 << QStringLiteral("1985年11月 156付録");
        QTest::newRow("--show 382, the special issue")
            << show(QStringLiteral("382")) << 382 << QStringLiteral("2003年６月特別号");
        QTest::newRow("--show full-width １５６")
            << show(QStringLiteral("１５６")) << 156 << QStringLiteral("1985年11月 156号");
        QTest::newRow("--show 056 with spaces, as the field reads it")
            << show(QStringLiteral(" 056 ")) << 56 << QStringLiteral("1977年７月　56号");
        QTest::newRow("--month full-width ７４／０１")
            << month(QStringLiteral("７４／０１")) << 13 << QStringLiteral("1974年１月　13号");
    }

    void showAndMonthPrintTheWholeEntry() {
        QFETCH(QStringList, arguments);
        QFETCH(int, entry);
        QFETCH(QString, header);
        const Answer answer = aoba::cli::Run(arguments);
        QCOMPARE(answer.exitCode, 0);
        QCOMPARE(answer.err, QString());
        QVERIFY(answer.out.startsWith(header + QLatin1Char('\n')));
        QVERIFY(!answer.out.contains(QLatin1Char('\r')));
        QCOMPARE(QString(answer.out).replace(QLatin1Char('\n'), QStringLiteral("\r\n")), EntryFile(entry));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
