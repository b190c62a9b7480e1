// SPDX-License-Identifier: MIT
// Runs the built aoba-catalogue-check on the shipped catalogue and on copies of it with one fault each.
#include "tests/tools/catalogue_copies.h"
#include "tests/tools/file_plants.h"

#include <QTest>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

const QLatin1String kMark("<< differs");

struct Checked {
    int exitCode = -1;
    QString output; // stdout, then stderr
};

Checked Check(const QStringList& arguments, const QString& workingDirectory = {}) {
    const Run run = RunTool(QStringLiteral(AOBA_CHECKER), arguments, workingDirectory);
    return {run.exitCode, run.all()};
}

const QByteArray kHeader381 = "1985年11月 156付録";

// The report lines about one file, without the path in front.
QByteArrayList LinesAbout(const QString& output, const QString& path) {
    QByteArrayList lines;
    for (const QString& line : output.split(QLatin1Char('\n'))) {
        if (line.startsWith(path + QLatin1Char(':')))
            lines << line.mid(path.size() + 1).toUtf8();
    }
    return lines;
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

    void shippedCataloguePassesWithStrictFigures() {
        const Checked run = Check({QStringLiteral("--strict-figures"), kDataDir});
        QVERIFY2(run.exitCode == 0, qPrintable(run.output));
        QVERIFY2(!run.output.contains(kMark), qPrintable(run.output));
        QVERIFY2(!run.output.contains(QStringLiteral("passed over")), qPrintable(run.output)); // its manifest
        QVERIFY(run.output.contains(QStringLiteral("0 rule violations in 0 files, 0 figure differences")));
    }

#ifndef _WIN32 // Windows has no device that is always full
    void reportThatCannotBeWrittenIsAnError() {
        QProcess tool;
        tool.setStandardOutputFile(QStringLiteral("/dev/full"));
        tool.start(QStringLiteral(AOBA_CHECKER), {kDataDir});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 3);
    }
#endif

    void brokenCopyNamesFileAndRule_data() {
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

    void brokenCopyNamesFileAndRule() {
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

        const Checked run = Check({dir.path()});
        QCOMPARE(run.exitCode, 1);
        const QString report = QStringLiteral("%1:%2: %3: ").arg(NativePath(path)).arg(line).arg(rule);
        QVERIFY2(run.output.contains(report), qPrintable(run.output));
        QVERIFY2(run.output.contains(QStringLiteral("1 rule violation in 1 file,")), qPrintable(run.output));
    }

    void hostileFileIsReportedBriefly_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("kind");       // what the file is: bytes, folder, fifo, link or sparse
        QTest::addColumn<QByteArray>("content"); // the bytes, the link's target, the sparse file's size
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArrayList>("report"); // the lines about the file, after "PATH:"
        QTest::addColumn<int>("violations");
        const QStringList none;
        const QStringList cp932{QStringLiteral("--encoding"), QStringLiteral("cp932")};
        const QByteArray cp932Start = ToCp932(kHeader381 + "\r\n\r\n　");
        QTest::newRow("a folder named 001.txt")
            << 1 << "folder" << QByteArray() << none
            << QByteArrayList{"0: not-regular: not a regular file: a folder"} << 1;
#ifndef _WIN32 // a Windows folder holds no pipes or devices
        QTest::newRow("a named pipe, never opened")
            << 100 << "fifo" << QByteArray() << none
            << QByteArrayList{"0: not-regular: not a regular file: a named pipe"} << 1;
        QTest::newRow("a link to /dev/zero")
            << 200 << "link" << QByteArray("/dev/zero") << none
            << QByteArrayList{"0: not-regular: not a regular file: a link to a device"} << 1;
        QTest::newRow("a link to /dev/urandom")
            << 201 << "link" << QByteArray("/dev/urandom") << none
            << QByteArrayList{"0: not-regular: not a regular file: a link to a device"} << 1;
#endif
        if (LinksLeftOut())
            qInfo("the row with a link to nothing is left out: this system makes no symbolic links");
        else
            QTest::newRow("a link to nothing") << 202 << "link" << QByteArray("/nonexistent/202.txt") << none
                                               << QByteArrayList{"0: missing: the file is missing"} << 1;
        QTest::newRow("10 MB of control characters, not read")
            << 300 << "bytes" << QByteArray(10 * 1024 * 1024, '\x01') << none
            << QByteArrayList{"0: too-large: 10485760 bytes, more than the 65536 an entry file may have; not "
                              "read"}
            << 1;
        QTest::newRow("100 MB, not read") << 301 << "sparse" << QByteArray("104857600") << none
                                          << QByteArrayList{"0: too-large: 104857600 bytes, more than the "
                                                            "65536 an entry file may have; not read"}
                                          << 1;
        QTest::newRow("60,000 control characters: three listed, then a count")
            << 381 << "bytes" << kHeader381 + "\r\n\r\n　" + QByteArray(60000, '\x01') + "\r\n"
            << none
            << QByteArrayList{"3: control: control character U+0001", "3: control: control character U+0001",
                              "3: control: control character U+0001",
                              "0: control: 59997 more like these, not listed"}
            << 60000;
        QTest::newRow("a header of 60,000 characters, quoted in part")
            << 381 << "bytes" << kHeader381 + QByteArray(60000, 'a') + "\r\n\r\n　「題」\r\n"
            << none
            << QByteArrayList{"1: header: expected \"1985年11月 156付録\" with nothing after it, found "
                              "\"1985年11月 156付録" +
                              QByteArray(46, 'a') + "…\" (the first 60 of 60014 characters)"}
            << 1;
        QTest::newRow("LF line ends throughout, each line counted")
            << 381 << "bytes" << ReadAll(kDataDir + QStringLiteral("/381.txt")).replace("\r\n", "\n") << none
            << QByteArrayList{"1: line-end: LF without CR", "2: line-end: LF without CR",
                              "3: line-end: LF without CR", "0: line-end: 3 more like these, not listed"}
            << 6;
        QTest::newRow("a bad byte in code page 932, with its place")
            << 381 << "bytes" << cp932Start + "abc\xFF\r\n"
            << cp932 << QByteArrayList{"0: encoding: not valid code page 932 at byte 27, line 3"} << 1;
        QTest::newRow("neither encoding, both places")
            << 381 << "bytes" << cp932Start + "abc\xFF\r\n"
            << none
            << QByteArrayList{"0: encoding: neither valid UTF-8 (at byte 4, line 1) nor valid code page 932 "
                              "(at byte "
                              "27, line 3)"}
            << 1;
        QTest::newRow("a bad byte first on its line, on that line")
            << 381 << "bytes" << ToCp932(kHeader381 + "\r\n\r\n") + "\xFF\r\n"
            << cp932 << QByteArrayList{"0: encoding: not valid code page 932 at byte 22, line 3"} << 1;
        QTest::newRow("a two-byte character cut off at the end")
            << 381 << "bytes" << cp932Start + "\x81" << cp932
            << QByteArrayList{"0: encoding: not valid code page 932 at byte 24, line 3"} << 1;
        QTest::newRow("bad UTF-8, with its place")
            << 381 << "bytes" << kHeader381 + "\r\n\r\n　\xC3(\r\n"
            << QStringList{QStringLiteral("--encoding"), QStringLiteral("utf-8")}
            << QByteArrayList{"0: encoding: not valid UTF-8 at byte 29, line 3"} << 1;
        QTest::newRow("an overlong A (C1 81) is not UTF-8")
            << 381 << "bytes" << kHeader381 + "\r\n\r\n　\xC1\x81\r\n"
            << QStringList{QStringLiteral("--encoding"), QStringLiteral("utf-8")}
            << QByteArrayList{"0: encoding: not valid UTF-8 at byte 29, line 3"} << 1;
        QTest::newRow("a private-use character, code page 932 F0 40")
            << 381 << "bytes" << cp932Start + "\xF0\x40\r\n"
            << cp932
            << QByteArrayList{"3: repertoire: U+E000 is a private-use character (user-defined in code page "
                              "932)"}
            << 1;
    }

    // Whatever stands in the folder, the checker finishes, names the file and says a few lines about it.
    void hostileFileIsReportedBriefly() {
        QFETCH(int, entry);
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArrayList, report);
        QFETCH(int, violations);
        const std::unique_ptr<QTemporaryDir> scratch = ScratchDir();
        const QTemporaryDir& dir = *scratch;
        const bool cp932 = arguments.contains(QStringLiteral("cp932"));
        QVERIFY(CopyCatalogue(dir.path(), cp932));
        const QString path = dir.filePath(FileName(entry));
        QVERIFY(QFile::remove(path));
        if (kind == QLatin1String("bytes"))
            QVERIFY(WriteAll(path, content));
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(path));
#ifndef _WIN32
        else if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
#endif
        else if (kind == QLatin1String("link"))
            QVERIFY(MakeSymbolicLink(QString::fromUtf8(content), path));
        else if (kind == QLatin1String("sparse"))
            QVERIFY(WriteAll(path, {}) && QFile(path).resize(content.toLongLong()));

        const Checked run = Check(arguments << dir.path());
        QVERIFY2(run.exitCode == 1, qPrintable(run.output));
        QCOMPARE(LinesAbout(run.output, NativePath(path)), report);
        QVERIFY2(run.output.contains(QStringLiteral("%1 rule violation%2 in 1 file,")
                                         .arg(violations)
                                         .arg(violations == 1 ? QString() : QStringLiteral("s"))),
                 qPrintable(run.output.right(300)));
    }

    void doubleDashEndsTheOptions() {
        QTemporaryDir dir;
        QVERIFY(CopyCatalogue(dir.filePath(QStringLiteral("-x")), false));
        QCOMPARE(Check({QStringLiteral("-x")}, dir.path()).exitCode, 2);
        const Checked run = Check({QStringLiteral("--"), QStringLiteral("-x")}, dir.path());
        QVERIFY2(run.exitCode == 0, qPrintable(run.output));
    }

    // Folders named like options, in a scratch folder: "catalogue" and "--help" hold copies of the catalogue.
    void optionValueIsNeverAnOption_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("importedInto"); // a folder that must then hold the 382 files, or none
        QTest::addColumn<bool>("usage");           // the usage on stdout
        const QString catalogue = QStringLiteral("catalogue");
        QTest::newRow("--out --help imports into the folder --help")
            << QStringList{QStringLiteral("--import"), catalogue, QStringLiteral("--out"),
                           QStringLiteral("--help")}
            << 0 << QStringLiteral("--help") << false;
        QTest::newRow("--out -h imports into the folder -h")
            << QStringList{QStringLiteral("--import"), catalogue, QStringLiteral("--out"),
                           QStringLiteral("-h")}
            << 0 << QStringLiteral("-h") << false;
        QTest::newRow("--import --help imports from the folder --help")
            << QStringList{QStringLiteral("--import"), QStringLiteral("--help"), QStringLiteral("--out"),
                           QStringLiteral("out")}
            << 0 << QStringLiteral("out") << false;
        QTest::newRow("--encoding --help is a wrong encoding")
            << QStringList{QStringLiteral("--encoding"), QStringLiteral("--help"), catalogue} << 2
            << QString() << false;
        QTest::newRow("after --, --help is a folder to check")
            << QStringList{QStringLiteral("--"), QStringLiteral("--help")} << 0 << QString() << false;
        QTest::newRow("--help after a folder asks for the usage")
            << QStringList{catalogue, QStringLiteral("--help")} << 0 << QString() << true;
        QTest::newRow("--help after an unknown option: the first error wins")
            << QStringList{QStringLiteral("--fast"), QStringLiteral("--help")} << 2 << QString() << false;
    }

    void optionValueIsNeverAnOption() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, importedInto);
        QFETCH(bool, usage);
        const std::unique_ptr<QTemporaryDir> scratch = ScratchDir();
        QVERIFY(CopyCatalogue(scratch->filePath(QStringLiteral("catalogue")), false));
        QVERIFY(CopyCatalogue(scratch->filePath(QStringLiteral("--help")), false));
        const Run run = RunTool(QStringLiteral(AOBA_CHECKER), arguments, scratch->path());
        QVERIFY2(run.exitCode == exitCode, qPrintable(run.all()));
        QCOMPARE(run.out.startsWith(QStringLiteral("usage: aoba-catalogue-check ")), usage);
        if (!importedInto.isEmpty()) {
            QVERIFY2(run.out.contains(QStringLiteral("wrote 382 files to ") + importedInto),
                     qPrintable(run.all()));
            const QDir imported(scratch->filePath(importedInto));
            QCOMPARE(imported.entryList({QStringLiteral("*.txt")}, QDir::Files).size(), 382);
            QVERIFY(imported.exists(QStringLiteral("SHA256SUMS")));
        }
    }

    void encodingChoosesHowFilesAreRead_data() {
        QTest::addColumn<bool>("cp932Copy");
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("UTF-8 copy read as UTF-8") << false << "utf-8" << 0;
        QTest::newRow("code page 932 copy detected") << true << "detect" << 0;
        QTest::newRow("code page 932 copy read as code page 932") << true << "cp932" << 0;
        QTest::newRow("code page 932 copy read as UTF-8") << true << "utf-8" << 1;
    }

    void encodingChoosesHowFilesAreRead() {
        QFETCH(bool, cp932Copy);
        QFETCH(QString, encoding);
        QFETCH(int, exitCode);
        QTemporaryDir dir;
        QVERIFY(CopyCatalogue(dir.path(), cp932Copy));
        const Checked run =
            Check({QStringLiteral("--strict-figures"), QStringLiteral("--encoding"), encoding, dir.path()});
        QVERIFY2(run.exitCode == exitCode, qPrintable(run.output));
        if (exitCode != 0)
            QVERIFY2(
                run.output.contains(NativePath(dir.filePath(FileName(1))) + QStringLiteral(":0: encoding: ")),
                qPrintable(run.output));
    }

    // SCRATCH stands for an empty scratch folder, DATA for the shipped catalogue; none of the runs may leave
    // anything in SCRATCH.
    void exitStatusTellsBadUsageFromAFolderThatCannotBeOpened_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        const QString data = QStringLiteral("DATA");
        const QString none = QStringLiteral("SCRATCH/none");
        const QString out = QStringLiteral("SCRATCH/out");
        const QString import = QStringLiteral("--import");
        const QString update = QStringLiteral("--update-manifest");
        QTest::newRow("no folder") << QStringList{} << 2;
        QTest::newRow("two folders") << QStringList{data, data} << 2;
        QTest::newRow("unknown encoding")
            << QStringList{QStringLiteral("--encoding"), QStringLiteral("latin1"), data} << 2;
        QTest::newRow("encoding without a value") << QStringList{data, QStringLiteral("--encoding")} << 2;
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--fast"), data} << 2;
        QTest::newRow("out without import") << QStringList{QStringLiteral("--out"), out, data} << 2;
        QTest::newRow("import with an encoding") << QStringList{import,
                                                                data,
                                                                QStringLiteral("--out"),
                                                                out,
                                                                QStringLiteral("--encoding"),
                                                                QStringLiteral("cp932")}
                                                 << 2;
        QTest::newRow("import with a folder besides")
            << QStringList{import, data, QStringLiteral("--out"), out, data} << 2;
        QTest::newRow("import without a destination") << QStringList{import, data} << 2;
        QTest::newRow("update-manifest without a folder") << QStringList{update} << 2;
        QTest::newRow("import and update-manifest at once")
            << QStringList{import, data, QStringLiteral("--out"), out, update} << 2;
        QTest::newRow("a folder that does not exist") << QStringList{none} << 3;
        QTest::newRow("a file, not a folder") << QStringList{QStringLiteral("DATA/001.txt")} << 3;
        QTest::newRow("import from a folder that does not exist, no destination made")
            << QStringList{import, none, QStringLiteral("--out"), out} << 3;
        QTest::newRow("update-manifest of a folder that does not exist, none made")
            << QStringList{update, none} << 3;
    }

    void exitStatusTellsBadUsageFromAFolderThatCannotBeOpened() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QTemporaryDir scratch;
        for (QString& argument : arguments)
            argument.replace(QLatin1String("SCRATCH"), scratch.path())
                .replace(QLatin1String("DATA"), kDataDir);
        const Checked run = Check(arguments);
        QVERIFY2(run.exitCode == exitCode, qPrintable(run.output));
        // The system's reason too is UTF-8, whatever the code page.
        QVERIFY2(!run.output.contains(QChar::ReplacementCharacter), qPrintable(run.output));
        QCOMPARE(QDir(scratch.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
    }

    // A copy that keeps every rule with one figure changed (９・11 in one entry fewer), and one with a tab.
    void copyIsCheckedAndImportedAsItsFaultsSay_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("import");
        QTest::addColumn<bool>("strict");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("summary");
        const QString figure = QStringLiteral("0 rule violations in 0 files, 1 figure difference\n");
        QTest::newRow("one figure changed: a check reports it") << "figure" << false << false << 0 << figure;
        QTest::newRow("one figure changed: a strict check fails") << "figure" << false << true << 1 << figure;
        QTest::newRow("one figure changed: an import takes the copy")
            << "figure" << true << false << 0 << figure;
        QTest::newRow("one figure changed: a strict import writes nothing")
            << "figure" << true << true << 1 << figure;
        QTest::newRow("a tab: an import writes nothing")
            << "tab" << true << false << 1 << "1 rule violation in 1 file, ";
    }

    void copyIsCheckedAndImportedAsItsFaultsSay() {
        QFETCH(QString, fault);
        QFETCH(bool, import);
        QFETCH(bool, strict);
        QFETCH(int, exitCode);
        QFETCH(QString, summary);
        const std::unique_ptr<QTemporaryDir> scratch = ScratchDir();
        const QString copy = scratch->filePath(QStringLiteral("copy"));
        const QString out = scratch->filePath(QStringLiteral("out"));
        EntrySet set = ShippedSet();
        if (fault == QLatin1String("tab")) {
            QByteArray& bytes = set.at(QStringLiteral("381.txt"));
            bytes.insert(LineStart(bytes, 3), '\t');
        } else {
            const auto changed = std::find_if(
                set.begin(), set.end(), [](const auto& entry) { return entry.second.contains("９・11"); });
            QVERIFY(changed != set.end());
            changed->second.replace("９・11", "９・12");
        }
        QVERIFY(WriteSet(copy, set, false, false));
        QStringList arguments =
            import ? QStringList{QStringLiteral("--import"), copy, QStringLiteral("--out"), out}
                   : QStringList{copy};
        if (strict)
            arguments << QStringLiteral("--strict-figures");
        const Checked run = Check(arguments);
        QVERIFY2(run.exitCode == exitCode, qPrintable(run.output));
        QVERIFY2(run.output.contains(summary), qPrintable(run.output));
        if (import)
            QCOMPARE(QDir(out).entryList(QDir::Files).size(), exitCode == 0 ? 383 : 0);
    }

    void filesBesideTheEntriesAreNamedNotCounted() {
        QTemporaryDir dir;
        QVERIFY(CopyCatalogue(dir.path(), false));
        for (const char* name : {"000.txt", "383.txt", "readme.txt"})
            QVERIFY(WriteAll(dir.filePath(QString::fromLatin1(name)), "x"));
        const Checked run = Check({QStringLiteral("--strict-figures"), dir.path()});
        QVERIFY2(run.exitCode == 0, qPrintable(run.output));
        QVERIFY2(run.output.contains(QStringLiteral("passed over, not entry files: \"000.txt\" \"383.txt\" "
                                                    "\"readme.txt\"\n")),
                 qPrintable(run.output));
    }

    // In a Japanese locale, Windows hands main() the arguments in code page 932; the tool must reach and
    // write these folders, and no other.
    void japaneseFolderNamesWithSpacesAreReachedInAndOut() {
        const std::unique_ptr<QTemporaryDir> scratch = ScratchDir();
        const QString source = scratch->filePath(QStringLiteral("検査 元/utf8"));
        const QString out = scratch->filePath(QStringLiteral("出力 先/data"));
        QVERIFY(CopyCatalogue(source, false));
        const Checked check = Check({source});
        QVERIFY2(check.exitCode == 0, qPrintable(check.output));
        const Checked import = Check({QStringLiteral("--import"), source, QStringLiteral("--out"), out});
        QVERIFY2(import.exitCode == 0, qPrintable(import.output));
        QVERIFY2(import.output.contains(QStringLiteral("wrote 382 files to ") + NativePath(out)),
                 qPrintable(import.output));
        QCOMPARE(ReadAll(out + QStringLiteral("/SHA256SUMS")),
                 ReadAll(kDataDir + QStringLiteral("/SHA256SUMS")));
        const Checked update = Check({QStringLiteral("--update-manifest"), out});
        QVERIFY2(update.exitCode == 0 && update.output.contains(QStringLiteral("nothing was changed")),
                 qPrintable(update.output));
        QCOMPARE(QDir(scratch->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 (QStringList{QStringLiteral("出力 先"), QStringLiteral("検査 元")}));
    }
};

QTEST_GUILESS_MAIN(ToolTest)
#include "tool_test.moc"
