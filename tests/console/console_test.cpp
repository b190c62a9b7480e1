// SPDX-License-Identifier: MIT
// Text as a pipe or file receives it, and a write that cannot go anywhere reported as failed. What a console
// shows is read back from a real console by app.console_prompt.
#include "console/console.h"

#include <QTest>

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

using aoba::console::Stream;

namespace {

#ifdef _WIN32

// Writes through a pipe put in place of the stream; the bytes that came out, or nullopt when Write failed.
std::optional<QByteArray> ThroughAPipe(Stream stream, const QString& text, bool readerGone = false) {
    HANDLE reader = nullptr;
    HANDLE writer = nullptr;
    if (!CreatePipe(&reader, &writer, nullptr, 1 << 16))
        qFatal("no pipe");
    if (readerGone)
        CloseHandle(reader);
    const DWORD which = stream == Stream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
    const HANDLE before = GetStdHandle(which);
    SetStdHandle(which, writer);
    const bool written = aoba::console::Write(stream, text);
    SetStdHandle(which, before);
    CloseHandle(writer);
    if (readerGone)
        return written ? std::optional<QByteArray>(QByteArray()) : std::nullopt;
    QByteArray bytes(1 << 16, '\0');
    DWORD read = 0;
    ReadFile(reader, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(reader);
    bytes.resize(read);
    return written ? std::optional<QByteArray>(bytes) : std::nullopt;
}

#else

std::optional<QByteArray> ThroughAPipe(Stream stream, const QString& text, bool readerGone = false) {
    int ends[2];
    if (pipe(ends) != 0)
        qFatal("no pipe");
    if (readerGone)
        close(ends[0]);
    const int fd = stream == Stream::Output ? STDOUT_FILENO : STDERR_FILENO;
    const int before = dup(fd);
    dup2(ends[1], fd);
    close(ends[1]);
    const bool written = aoba::console::Write(stream, text);
    dup2(before, fd);
    close(before);
    if (readerGone)
        return written ? std::optional<QByteArray>(QByteArray()) : std::nullopt;
    QByteArray bytes(1 << 16, '\0');
    const ssize_t read = ::read(ends[0], bytes.data(), static_cast<size_t>(bytes.size()));
    close(ends[0]);
    bytes.resize(read < 0 ? 0 : read);
    return written ? std::optional<QByteArray>(bytes) : std::nullopt;
}

#endif

} // namespace

class ConsoleTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
#ifndef _WIN32
        // A pipe without a reader answers EPIPE here instead of ending the test.
        std::signal(SIGPIPE, SIG_IGN);
#endif
    }

    void aPipeGetsTheDocumentedBytes_data() {
        QTest::addColumn<Stream>("stream");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
#ifdef _WIN32
        // No console here: the OEM code page, 932 in a Japanese Windows.
        QTest::newRow("Japanese in code page 932, lines ended by CR LF")
            << Stream::Output << QStringLiteral("56\t浅野\n") << QByteArray("56\t\x90\xf3\x96\xec\r\n");
        QTest::newRow("standard error alike")
            << Stream::Error << QStringLiteral("号\n") << QByteArray("\x8d\x86\r\n");
#else
        QTest::newRow("Japanese in UTF-8, lines ended by LF")
            << Stream::Output << QStringLiteral("56\t浅野\n") << QByteArray("56\t\xe6\xb5\x85\xe9\x87\x8e\n");
        QTest::newRow("standard error alike")
            << Stream::Error << QStringLiteral("号\n") << QByteArray("\xe5\x8f\xb7\n");
#endif
        QTest::newRow("nothing to write writes nothing") << Stream::Output << QString() << QByteArray();
    }

    void aPipeGetsTheDocumentedBytes() {
        QFETCH(Stream, stream);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        const std::optional<QByteArray> out = ThroughAPipe(stream, text);
        QVERIFY(out);
        QCOMPARE(*out, bytes);
    }

    void aWriteNobodyReadsFails() {
        QVERIFY(!ThroughAPipe(Stream::Output, QStringLiteral("156\n"), true));
    }

#ifdef _WIN32
    void noStandardOutputIsAFailedWrite() {
        const HANDLE before = GetStdHandle(STD_OUTPUT_HANDLE);
        SetStdHandle(STD_OUTPUT_HANDLE, nullptr);
        const bool written = aoba::console::Write(Stream::Output, QStringLiteral("156\n"));
        SetStdHandle(STD_OUTPUT_HANDLE, before);
        QVERIFY(!written);
    }

    void eachCodePageGetsItsOwnBytes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("codePage");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("932: the Windows table's wave dash and minus")
            << QStringLiteral("～－") << 932u << QByteArray("\x81\x60\x81\x7c");
        QTest::newRow("932: half-width katakana are one byte each")
            << QStringLiteral("ｶﾞｲﾄﾞ") << 932u << QByteArray("\xb6\xde\xb2\xc4\xde");
        QTest::newRow("932: a character it lacks is a question mark, not a look-alike")
            << QStringLiteral("é한") << 932u << QByteArray("??");
        QTest::newRow("65001 after chcp 65001: UTF-8")
            << QStringLiteral("浅野\n") << 65001u << QByteArray("\xe6\xb5\x85\xe9\x87\x8e\r\n");
        QTest::newRow("437, an English console's") << QStringLiteral("é\n") << 437u << QByteArray("\x82\r\n");
        QTest::newRow("a CR LF already there stays one")
            << QStringLiteral("a\r\nb\n\n") << 932u << QByteArray("a\r\nb\r\n\r\n");
    }

    void eachCodePageGetsItsOwnBytes() {
        QFETCH(QString, text);
        QFETCH(uint, codePage);
        QFETCH(QByteArray, bytes);
        QCOMPARE(aoba::console::Encoded(text, codePage), bytes);
    }
#endif
};

QTEST_GUILESS_MAIN(ConsoleTest)
#include "console_test.moc"
