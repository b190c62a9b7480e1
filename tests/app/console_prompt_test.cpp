// SPDX-License-Identifier: MIT
// The command line at the prompt of cmd, as a reader on a Japanese Windows meets it (code page 932): what is
// typed goes to a cmd in a console of its own, and what that console then shows is read back from its screen
// (tests/app/console_session.cpp). Wine has no `more`, no PowerShell, and a `findstr` that prints nothing,
// even for ASCII; `find` stands in for the filters here.
#include "tests/support/catalogue_files.h"
#include "tests/support/expected_texts.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

namespace {

// Rows of a console: a tab runs on to the next column of eight.
QString AsShown(const QString& line) {
    QString shown;
    for (const QChar c : line) {
        if (c == u'\t')
            shown += QString(8 - shown.size() % 8, u' ');
        else
            shown += c;
    }
    return shown;
}

// A text's lines, each ended by CR LF, LF, or the lone CR of a message.
QStringList Rows(const QString& text) {
    QStringList rows = QString(text)
                           .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                           .replace(u'\r', u'\n')
                           .split(u'\n');
    while (!rows.isEmpty() && rows.constLast().isEmpty())
        rows.removeLast();
    for (QString& row : rows)
        row = AsShown(row);
    return rows;
}

// What --search prints for an issue, as its file has it: the first line holding the string, trimmed.
QString Found(int issue, const QString& needle) {
    for (const QString& line : EntryFile(issue).split(QStringLiteral("\r\n")))
        if (line.contains(needle))
            return AsShown(QString::number(issue) + u'\t' + line.trimmed());
    return {};
}

struct Session {
    QStringList screen;       // every row the console shows
    QStringList stillRunning; // programs still running once cmd has ended
};

} // namespace

class ConsolePromptTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

    // Types the lines at the prompt, the program's folder on the PATH, in an empty folder.
    Session Typed(const QStringList& lines) {
        QProcess session;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QString programs =
            QDir::toNativeSeparators(QFileInfo(QStringLiteral(AOBA_PROGRAM_DIR)).absoluteFilePath());
        environment.insert(QStringLiteral("PATH"),
                           programs + u';' + environment.value(QStringLiteral("PATH")));
        session.setProcessEnvironment(environment);
        session.setWorkingDirectory(folder_.path());
        session.start(QStringLiteral(AOBA_CONSOLE_SESSION), lines);
        if (!session.waitForFinished(90000) || session.exitCode() != 0)
            qFatal("the console session did not end: %s", session.readAllStandardError().constData());
        Session result;
        for (const QString& row : QString::fromUtf8(session.readAllStandardOutput()).split(u'\n')) {
            if (row.startsWith(QStringLiteral("still running: ")))
                result.stillRunning << row.sliced(15);
            else
                result.screen << row;
        }
        return result;
    }

    // The rows between the last line typed and the next prompt.
    static QStringList AnswerTo(const QString& typed, const QStringList& screen) {
        qsizetype at = screen.size();
        while (at > 0 && !screen[at - 1].endsWith(u'>' + typed))
            --at;
        QStringList answer;
        const QString prompt = at > 0 ? screen[at - 1].chopped(typed.size()) : QString();
        for (; at < screen.size() && !screen[at].startsWith(prompt); ++at)
            answer << screen[at];
        while (!answer.isEmpty() && answer.constLast().isEmpty())
            answer.removeLast();
        return answer;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(folder_.isValid()); }

    void eachProgramHasTheSubsystemItsRoleWants_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("subsystem");
        QTest::newRow("aoba-search.exe opens no console from the Start menu")
            << QStringLiteral("aoba-search.exe") << int(IMAGE_SUBSYSTEM_WINDOWS_GUI);
        QTest::newRow("aoba-search.com is a console program, which the prompt waits for")
            << QStringLiteral("aoba-search.com") << int(IMAGE_SUBSYSTEM_WINDOWS_CUI);
    }

    void eachProgramHasTheSubsystemItsRoleWants() {
        QFETCH(QString, file);
        QFETCH(int, subsystem);
        QFile program(QStringLiteral(AOBA_PROGRAM_DIR) + u'/' + file);
        QVERIFY(program.open(QIODevice::ReadOnly));
        const QByteArray image = program.read(4096);
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.constData());
        QCOMPARE(dos->e_magic, IMAGE_DOS_SIGNATURE);
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(image.constData() + dos->e_lfanew);
        QCOMPARE(nt->Signature, DWORD(IMAGE_NT_SIGNATURE));
        QCOMPARE(int(nt->OptionalHeader.Subsystem), subsystem);
    }

    void theConsoleShowsTheAnswerBeforeTheNextPrompt_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("shown");
        const QString showZero = QStringLiteral("aoba-search --show 0");
        const QString search = QStringLiteral("aoba-search --search 56号");
        const QStringList found = {Found(56, QStringLiteral("56号")), Found(156, QStringLiteral("56号")),
                                   Found(256, QStringLiteral("56号")), Found(356, QStringLiteral("56号"))};
        QTest::newRow("an entry") << QStringList{QStringLiteral("aoba-search --show 156")}
                                  << Rows(EntryFile(156));
        QTest::newRow("a refusal, on standard error")
            << QStringList{showZero} << Rows(expected::kShowOutOfRange);
        QTest::newRow("the refusal's exit code in %ERRORLEVEL%")
            << QStringList{showZero, QStringLiteral("echo %ERRORLEVEL%")} << QStringList{QStringLiteral("2")};
        QTest::newRow("/? is the help")
            << QStringList{QStringLiteral("aoba-search /?")}
            << QStringList{QStringLiteral("Usage: aoba-search [options]")} + Rows(expected::kHelpAfterUsage);
        QTest::newRow("an argument beyond code page 932 comes back whole")
            << QStringList{QStringLiteral("aoba-search --month 한국")}
            << QStringList{QStringLiteral("aoba-search: ") + expected::MonthForm(QStringLiteral("한국")),
                           expected::kSeeHelp};
        QTest::newRow("after chcp 65001 the console still reads it")
            << QStringList{QStringLiteral("chcp 65001"), showZero} << Rows(expected::kShowOutOfRange);
        QTest::newRow("into a file in code page 932, as type shows it")
            << QStringList{search + QStringLiteral(" > found.txt"), QStringLiteral("type found.txt")}
            << found;
        QTest::newRow("through a pipe into find")
            << QStringList{search + QStringLiteral(" | find \"156\"")} << QStringList{found[1]};
        QTest::newRow("into a file in UTF-8 after chcp 65001, as type shows it")
            << QStringList{QStringLiteral("chcp 65001"), search + QStringLiteral(" > found.txt"),
                           QStringLiteral("type found.txt")}
            << found;
        QTest::newRow("the checker's help through a pipe into find")
            << QStringList{QStringLiteral("aoba-catalogue-check --help | find \"…\"")}
            << QStringList{QStringLiteral(
                   "Checks DIR/001.txt … DIR/382.txt and reports their figures beside the expected ones.")};
    }

    void theConsoleShowsTheAnswerBeforeTheNextPrompt() {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, shown);
        const Session session = Typed(typed);
        QCOMPARE(AnswerTo(typed.constLast(), session.screen), shown);
    }

    void theWindowsOpenAndThePromptComesBackAtOnce() {
        const Session session =
            Typed({QStringLiteral("aoba-search -platform offscreen"), QStringLiteral("echo %ERRORLEVEL%")});
        QCOMPARE(AnswerTo(QStringLiteral("echo %ERRORLEVEL%"), session.screen),
                 QStringList{QStringLiteral("0")});
        QVERIFY2(session.stillRunning.contains(QStringLiteral("aoba-search.exe")),
                 qPrintable(session.stillRunning.join(u' ')));
    }
};

QTEST_GUILESS_MAIN(ConsolePromptTest)
#include "console_prompt_test.moc"
