// SPDX-License-Identifier: MIT
// Runs the built aoba-catalogue-check on the shipped catalogue and on copies of it with one fault each.
#include "tools/entry_check/cp932.h"
#include "tools/entry_check/utf8.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kDataDir = QStringLiteral(AOBA_DATA_DIR);
const QLatin1String kMark("<< differs");

QString FileName(int n) {
    return QStringLiteral("%1.txt").arg(n, 3, 10, QLatin1Char('0'));
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Through the same iconv table the tool reads with; empty if a character has no code.
QByteArray ToCp932(const QByteArray& utf8) {
    const std::optional<std::u16string> text =
        aoba::DecodeUtf8(std::string_view(utf8.constData(), utf8.size()));
    if (!text)
        return {};
    aoba::Cp932 codePage;
    QByteArray bytes;
    for (const char16_t c : *text) {
        const std::string_view code = codePage.Encode(c);
        if (code.empty())
            return {};
        bytes.append(code.data(), static_cast<qsizetype>(code.size()));
    }
    return bytes;
}

bool CopyCatalogue(const QString& to, bool asCp932) {
    for (int n = 1; n <= 382; ++n) {
        const QByteArray bytes = ReadAll(kDataDir + QLatin1Char('/') + FileName(n));
        if (bytes.isEmpty() ||
            !WriteAll(to + QLatin1Char('/') + FileName(n), asCp932 ? ToCp932(bytes) : bytes))
            return false;
    }
    return true;
}

// Where line `line` (1-based) of an entry's bytes begins.
qsizetype LineStart(const QByteArray& bytes, int line) {
    qsizetype at = 0;
    for (int i = 1; i < line; ++i)
        at = bytes.indexOf("\r\n", at) + 2;
    return at;
}

struct Run {
    int exitCode = -1;
    QString output;
};

Run Check(const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(AOBA_CHECKER), arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, QStringLiteral("the checker did not finish: ") + process.errorString()};
    return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

} // namespace

class ToolTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        const qsizetype files = QDir(kDataDir).entryList({QStringLiteral("*.txt")}, QDir::Files).size();
        QVERIFY2(files == 382,
                 qPrintable(QStringLiteral("%1 holds %2 entry files, not 382").arg(kDataDir).arg(files)));
    }

    void shippedCatalogue_passesWithStrictFigures() {
        const Run run = Check({QStringLiteral("--strict-figures"), kDataDir});
        QVERIFY2(run.exitCode == 0, qPrintable(run.output));
        QVERIFY2(!run.output.contains(kMark), qPrintable(run.output));
        QVERIFY(run.output.contains(QStringLiteral("0 rule violations in 0 files, 0 figure differences")));
    }

    void brokenCopy_namesFileAndRule_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<int>("line");
        QTest::newRow("deleted file") << 200 << "delete"
                                      << "missing" << 0;
        QTest::newRow("line ended by LF alone") << 100 << "lf"
                                                << "line-end" << 3;
        QTest::newRow("tab in a body line") << 156 << "tab"
                                            << "tab" << 3;
        QTest::newRow("U+301C wave dash") << 30 << "wave-dash"
                                          << "repertoire" << 3;
        QTest::newRow("header changed") << 380 << "header"
                                        << "header" << 1;
        QTest::newRow("byte order mark, said once") << 12 << "bom"
                                                    << "bom" << 1;
    }

    void brokenCopy_namesFileAndRule() {
        QFETCH(int, entry);
        QFETCH(QString, fault);
        QFETCH(QString, rule);
        QFETCH(int, line);
        QTemporaryDir dir;
        QVERIFY(CopyCatalogue(dir.path(), false));
        const QString path = dir.filePath(FileName(entry));
        QByteArray bytes = ReadAll(path);
        const qsizetype third = LineStart(bytes, 3);
        if (fault == QLatin1String("delete"))
            QVERIFY(QFile::remove(path));
        else if (fault == QLatin1String("lf"))
            bytes.remove(LineStart(bytes, 4) - 2, 1);
        else if (fault == QLatin1String("tab"))
            bytes.insert(third, '\t');
        else if (fault == QLatin1String("wave-dash"))
            bytes.insert(third, "\xE3\x80\x9C");
        else if (fault == QLatin1String("header"))
            bytes.replace(0, 4, "1999");
        else if (fault == QLatin1String("bom"))
            bytes.prepend("\xEF\xBB\xBF");
        if (fault != QLatin1String("delete"))
            QVERIFY(WriteAll(path, bytes));

        const Run run = Check({dir.path()});
        QCOMPARE(run.exitCode, 1);
        const QString report = QStringLiteral("%1:%2: %3: ").arg(path).arg(line).arg(rule);
        QVERIFY2(run.output.contains(report), qPrintable(run.output));
        QVERIFY2(run.output.contains(QStringLiteral("1 rule violation in 1 file,")), qPrintable(run.output));
    }

    void encoding_choosesHowFilesAreRead_data() {
        QTest::addColumn<bool>("cp932Copy");
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("UTF-8 copy read as UTF-8") << false << "utf-8" << 0;
        QTest::newRow("code page 932 copy detected") << true << "detect" << 0;
        QTest::newRow("code page 932 copy read as code page 932") << true << "cp932" << 0;
        QTest::newRow("code page 932 copy read as UTF-8") << true << "utf-8" << 1;
    }

    void encoding_choosesHowFilesAreRead() {
        QFETCH(bool, cp932Copy);
        QFETCH(QString, encoding);
        QFETCH(int, exitCode);
        QTemporaryDir dir;
        QVERIFY(CopyCatalogue(dir.path(), cp932Copy));
        const Run run =
            Check({QStringLiteral("--strict-figures"), QStringLiteral("--encoding"), encoding, dir.path()});
        QVERIFY2(run.exitCode == exitCode, qPrintable(run.output));
        if (exitCode != 0)
            QVERIFY2(run.output.contains(dir.filePath(FileName(1)) + QStringLiteral(":0: encoding: ")),
                     qPrintable(run.output));
    }

    void import_writesTheShippedBytesBack() {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("cp932"));
        const QString out = dir.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(source));
        QVERIFY(CopyCatalogue(source, true));
        QVERIFY(ReadAll(source + QStringLiteral("/001.txt")) !=
                ReadAll(kDataDir + QStringLiteral("/001.txt")));

        const Run run = Check({QStringLiteral("--import"), source, QStringLiteral("--out"), out});
        QVERIFY2(run.exitCode == 0, qPrintable(run.output));
        QVERIFY(!run.output.contains(kMark));
        QCOMPARE(QDir(out).entryList(QDir::Files).size(), 382);
        for (int n = 1; n <= 382; ++n)
            QVERIFY2(ReadAll(out + QLatin1Char('/') + FileName(n)) ==
                         ReadAll(kDataDir + QLatin1Char('/') + FileName(n)),
                     qPrintable(FileName(n)));
    }

    void import_ofABrokenFolder_writesNothing() {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("cp932"));
        const QString out = dir.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(source));
        QVERIFY(CopyCatalogue(source, true));
        const QString broken = source + QStringLiteral("/381.txt");
        QByteArray bytes = ReadAll(broken);
        QVERIFY(WriteAll(broken, bytes.insert(LineStart(bytes, 3), '\t')));

        const Run run = Check({QStringLiteral("--import"), source, QStringLiteral("--out"), out});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.output.contains(broken + QStringLiteral(":3: tab: ")), qPrintable(run.output));
        QVERIFY(QDir(out).entryList(QDir::Files).isEmpty());
    }

    void badUsage_exitsWithTwo_data() {
        QTest::addColumn<QStringList>("arguments");
        const QString folder = kDataDir;
        QTest::newRow("no folder") << QStringList{};
        QTest::newRow("two folders") << QStringList{folder, folder};
        QTest::newRow("unknown encoding")
            << QStringList{QStringLiteral("--encoding"), QStringLiteral("latin1"), folder};
        QTest::newRow("encoding without a value") << QStringList{folder, QStringLiteral("--encoding")};
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--fast"), folder};
        QTest::newRow("out without import") << QStringList{QStringLiteral("--out"), folder, folder};
        QTest::newRow("import with an encoding") << QStringList{
            QStringLiteral("--import"), folder, QStringLiteral("--encoding"), QStringLiteral("cp932")};
        QTest::newRow("import with a folder besides")
            << QStringList{QStringLiteral("--import"), folder, folder};
        QTest::newRow("folder that does not exist") << QStringList{folder + QStringLiteral("/none")};
    }

    void badUsage_exitsWithTwo() {
        QFETCH(QStringList, arguments);
        const Run run = Check(arguments);
        QVERIFY2(run.exitCode == 2, qPrintable(run.output));
    }
};

QTEST_GUILESS_MAIN(ToolTest)
#include "tool_test.moc"
