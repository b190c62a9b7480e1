// SPDX-License-Identifier: MIT
// --import and --update-manifest on copies of data/ in a scratch folder, and the build step's refusal of a
// set its manifest does not name: what lands in the folder, what never lands outside it, the lock.
#include "tests/tools/catalogue_copies.h"
#include "tests/tools/file_plants.h"

#include <QDirIterator>
#include <QTest>

#include <optional>

namespace {

const QString kChecker = QStringLiteral(AOBA_CHECKER);
const QString kEmbed = QStringLiteral(AOBA_EMBED);
const QByteArray kVictim = "outside data/, never to be written\n";

Run Import(const QString& source, const QString& destination) {
    return RunTool(kChecker, {QStringLiteral("--import"), source, QStringLiteral("--out"), destination});
}

Run Build(const QString& data, const QString& output) {
    return RunTool(kEmbed, {data, output});
}

QStringList Leftovers(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral(".import-*")},
                                  QDir::AllEntries | QDir::Hidden | QDir::System);
}

// Every name under folder, with a checksum of each file: equal before and after when nothing was changed.
QStringList Snapshot(const QString& folder) {
    QStringList names;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
#ifdef _WIN32
        // On Windows the tools lock through an empty file that stays once made.
        if (it.fileName() == QLatin1String(".catalogue-lock"))
            continue;
#endif
        names << path + QLatin1Char(' ') + QString::fromLatin1(Sum(ReadAll(path)).toHex());
    }
    names.sort();
    return names;
}

// Where nothing keeps a file or a folder from changing (the immutable attribute needs root and a file
// system that has it; Windows holds a file open without sharing, which keeps no new name out of a folder),
// the rows that need one are left out.
bool PinLeftOut(bool folder) {
    const std::unique_ptr<QTemporaryDir> probe = ScratchDir();
    const QString path = probe->filePath(QStringLiteral("probe"));
    if (!(folder ? QDir().mkdir(path) : WriteAll(path, {})))
        return true;
    return !Pinned(path).held();
}

// A scratch folder on a fast file system: data/, and source/ for a set to import.
struct Scratch {
    const std::unique_ptr<QTemporaryDir> dir = ScratchDir();
    const QString data = dir->filePath(QStringLiteral("data"));
    const QString source = dir->filePath(QStringLiteral("source"));

    // data/ holds old and its manifest, source/ holds now, as code page 932 if asked.
    bool Fill(const EntrySet& old, const EntrySet& now, bool sourceAsCp932 = false) const {
        return WriteSet(data, old, false, true) && WriteSet(source, now, sourceAsCp932, false);
    }
    QString Path(const QString& name) const { return dir->filePath(name); }
};

QString Names(const QString& folder) {
    return QDir(folder)
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
        .join(QLatin1Char(' '));
}

} // namespace

class ImportTest : public QObject {
    Q_OBJECT

    EntrySet old_ = ShippedSet();
    EntrySet new_ = OtherSet();

private Q_SLOTS:
    void importReplacesTheWholeSet_data() {
        QTest::addColumn<QString>("encoding"); // of the source files
        QTest::newRow("UTF-8 folder") << "utf-8";
        QTest::newRow("code page 932 folder") << "cp932";
        QTest::newRow("each file in its own encoding") << "mixed";
    }

    void importReplacesTheWholeSet() {
        QFETCH(QString, encoding);
        const Scratch scratch;
        QVERIFY(scratch.Fill(old_, new_, encoding == QLatin1String("cp932")));
        if (encoding == QLatin1String("mixed")) {
            for (int n = 1; n <= 382; n += 2)
                QVERIFY(
                    WriteAll(scratch.source + QLatin1Char('/') + FileName(n), ToCp932(new_.at(FileName(n)))));
        }
        const Run run = Import(scratch.source, scratch.data);
        QVERIFY2(run.exitCode == 0, qPrintable(run.all()));
        QCOMPARE(WhichSet(scratch.data, old_, new_), QStringLiteral("new"));
        QCOMPARE(Leftovers(scratch.data), QStringList());
        const Run build = Build(scratch.data, scratch.Path(QStringLiteral("generated")));
        QVERIFY2(build.exitCode == 0, qPrintable(build.all()));
    }

    // DEST stands for the destination, OUT for a folder beside it that nothing may write.
    void hostileDestinationKeepsEveryWriteInside_data() {
        QTest::addColumn<QString>("plant");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QStringList>("errors"); // lines on stderr
        const auto row = [](const char* tag, const char* plant, int exitCode, const char* outcome,
                            const QStringList& errors = {}) {
            const QString kind = QString::fromLatin1(plant);
            if ((kind.startsWith(QLatin1String("link")) && LinksLeftOut()) ||
                (kind.startsWith(QLatin1String("immutable")) &&
                 PinLeftOut(kind == QLatin1String("immutable-folder")))) {
                qInfo("left out here: %s", tag);
                return;
            }
            QTest::newRow(tag) << kind << exitCode << QString::fromLatin1(outcome) << errors;
        };
        row("a link at 001.txt.new to a file outside", "link-new", 0, "new");
        row("001.txt a link to a file outside", "link-entry", 0, "new");
        row(".import-commit a link to a folder outside", "link-commit", 0, "new");
        row("a staging name linked to a folder outside", "link-staging", 0, "new",
            QStringList{QStringLiteral(
                "aoba-catalogue-check: DEST/.import-abcdef: removing what a stopped run left")});
        row("a staging folder a stopped run left", "staging", 0, "new",
            QStringList{QStringLiteral(
                "aoba-catalogue-check: DEST/.import-k3j9x2: removing what a stopped run left")});
        row("a planted .import-commit listing a file outside", "planted-list", 1, "old",
            QStringList{
                QStringLiteral("aoba-catalogue-check: DEST/.import-commit is not an import this tool left: "
                               "its list .names names \"../../out/victim.txt\", which is not a plain file "
                               "name"),
                QStringLiteral("aoba-catalogue-check: nothing was changed in DEST")});
        row("050.txt a folder", "folder", 1, "old",
            QStringList{QStringLiteral("aoba-catalogue-check: DEST/050.txt: not a "
                                       "file, so it is not replaced"),
                        QStringLiteral("aoba-catalogue-check: nothing was changed in "
                                       "DEST")});
        row("200.txt cannot be replaced: the old set put back", "immutable", 3, "old",
            QStringList{
                QStringLiteral("aoba-catalogue-check: DEST/200.txt: cannot move the old file aside: ") +
                    PinnedReason(),
                QStringLiteral("aoba-catalogue-check: the 199 files already replaced were put back"),
                QStringLiteral("aoba-catalogue-check: nothing was changed in DEST")});
        row("the folder cannot be written", "immutable-folder", 3, "old",
            QStringList{
                QStringLiteral("aoba-catalogue-check: DEST: cannot make a folder for the new set: Operation "
                               "not permitted"),
                QStringLiteral("aoba-catalogue-check: nothing was changed in DEST")});
        row("the folder itself a link", "link-folder", 1, "old",
            QStringList{
                QStringLiteral("aoba-catalogue-check: DEST is a symbolic link; name the folder it points "
                               "to; nothing was changed")});
    }

    void hostileDestinationKeepsEveryWriteInside() {
        QFETCH(QString, plant);
        QFETCH(int, exitCode);
        QFETCH(QString, outcome);
        QFETCH(QStringList, errors);
        const Scratch scratch;
        const QString out = scratch.Path(QStringLiteral("out"));
        const QString victim = out + QStringLiteral("/victim.txt");
        QString data = scratch.data;
        QVERIFY(scratch.Fill(old_, new_, true));
        QVERIFY(QDir().mkpath(out) && WriteAll(victim, kVictim));
        const QString real = plant == QLatin1String("link-folder") ? out + QStringLiteral("/real") : data;
        if (real != data)
            QVERIFY(QDir(data).removeRecursively() && WriteSet(real, old_, false, true));
        std::optional<Pinned> pin;
        if (plant == QLatin1String("link-new")) {
            QVERIFY(MakeSymbolicLink(victim, data + QStringLiteral("/001.txt.new")));
        } else if (plant == QLatin1String("link-entry")) {
            QVERIFY(QFile::remove(data + QStringLiteral("/001.txt")));
            QVERIFY(MakeSymbolicLink(victim, data + QStringLiteral("/001.txt")));
        } else if (plant == QLatin1String("link-commit")) {
            QVERIFY(MakeSymbolicLink(out, data + QStringLiteral("/.import-commit")));
        } else if (plant == QLatin1String("link-staging")) {
            QVERIFY(MakeSymbolicLink(out, data + QStringLiteral("/.import-abcdef")));
        } else if (plant == QLatin1String("staging")) {
            QVERIFY(QDir().mkpath(data + QStringLiteral("/.import-k3j9x2")));
            QVERIFY(WriteAll(data + QStringLiteral("/.import-k3j9x2/001.txt"), "half"));
        } else if (plant == QLatin1String("planted-list")) {
            QVERIFY(QDir().mkpath(data + QStringLiteral("/.import-commit")));
            QVERIFY(WriteAll(data + QStringLiteral("/.import-commit/.names"), "../../out/victim.txt\n"));
        } else if (plant == QLatin1String("folder")) {
            QVERIFY(QFile::remove(data + QStringLiteral("/050.txt")));
            QVERIFY(QDir().mkpath(data + QStringLiteral("/050.txt")));
        } else if (plant.startsWith(QLatin1String("immutable"))) {
            pin.emplace(plant == QLatin1String("immutable") ? data + QStringLiteral("/200.txt") : data);
            QVERIFY(pin->held());
        } else if (plant == QLatin1String("link-folder")) {
            data = scratch.Path(QStringLiteral("link"));
            QVERIFY(MakeSymbolicLink(real, data));
        }
        const QString outBefore = Names(out);

        const Run run = Import(scratch.source, data);
        pin.reset();
        QVERIFY2(run.exitCode == exitCode, qPrintable(run.all()));
        for (QString line : errors) {
            line = WithPath(line, QStringLiteral("DEST"), data);
            QVERIFY2(run.err.split(QLatin1Char('\n')).contains(line),
                     qPrintable(line + QStringLiteral("\n---\n") + run.err));
        }
        QCOMPARE(ReadAll(victim), kVictim);
        QCOMPARE(Names(out), outBefore);
        if (plant == QLatin1String("folder")) {
            EntrySet rest = old_;
            rest.erase(QStringLiteral("050.txt"));
            for (const auto& [name, bytes] : rest)
                QVERIFY2(ReadAll(data + QLatin1Char('/') + name) == bytes, qPrintable(name));
        } else {
            QCOMPARE(WhichSet(real, old_, new_), outcome);
        }
        QCOMPARE(Leftovers(real), plant == QLatin1String("planted-list")
                                      ? QStringList{QStringLiteral(".import-commit")}
                                      : QStringList());
    }

    // A .import-commit this tool did not leave. The check, --import and --update-manifest say the same of
    // it, tell what to do, and change nothing.
    void foreignCommitFolderIsRefusedAlikeByEveryRun_data() {
        QTest::addColumn<QByteArray>("list"); // what .names holds; "(folder)" and "(none)" for those
        QTest::addColumn<QString>("finding");
        QTest::newRow("a list naming a file outside")
            << QByteArray("../x\n")
            << QStringLiteral("its list .names names \"../x\", which is not a plain file name");
        QTest::newRow("a list naming a file by its whole path")
            << QByteArray("001.txt\n/tmp/001.txt\n")
            << QStringLiteral("its list .names names \"/tmp/001.txt\", which is not a plain file name");
        QTest::newRow("a list naming a file in a sub-folder")
            << QByteArray("sub\\001.txt\n")
            << QStringLiteral("its list .names names \"sub\\\\001.txt\", which is not a plain file name");
        QTest::newRow("a list naming the folder above")
            << QByteArray("..\n")
            << QStringLiteral("its list .names names \"..\", which is not a plain file name");
        QTest::newRow("a list with an empty line")
            << QByteArray("001.txt\n\n002.txt\n") << QStringLiteral("its list .names has an empty line");
        QTest::newRow("a terminal's escape sequence is shown, not sent")
            << QByteArray("a\x1b]2;x\x07"
                          "b/\n")
            << QStringLiteral(
                   "its list .names names \"aU+001B]2;xU+0007b/\", which is not a plain file name");
        QTest::newRow("no list") << QByteArray("(none)") << QStringLiteral("its list .names is missing");
        QTest::newRow("a folder for a list")
            << QByteArray("(folder)") << QStringLiteral("its list .names is a folder");
    }

    void foreignCommitFolderIsRefusedAlikeByEveryRun() {
        QFETCH(QByteArray, list);
        QFETCH(QString, finding);
        const Scratch scratch;
        const QString &source = scratch.source, &data = scratch.data;
        const QString commit = data + QStringLiteral("/.import-commit");
        QVERIFY(scratch.Fill(old_, new_));
        QVERIFY(QDir().mkpath(commit));
        if (list == "(folder)")
            QVERIFY(QDir().mkpath(commit + QStringLiteral("/.names")));
        else if (list != "(none)")
            QVERIFY(WriteAll(commit + QStringLiteral("/.names"), list));
        const QStringList before = Snapshot(scratch.dir->path());
        const QString said[] = {
            QStringLiteral("aoba-catalogue-check: %1 is not an import this tool left: %2")
                .arg(NativePath(commit), finding),
            QStringLiteral(
                "aoba-catalogue-check: --import and --update-manifest change nothing in %1 while "
                "that folder is there; look at what it holds, remove it and all it holds, then run "
                "--import or --update-manifest")
                .arg(NativePath(data))};
        const QString unchanged =
            QStringLiteral("aoba-catalogue-check: nothing was changed in %1").arg(NativePath(data));

        const QStringList runs[] = {{data},
                                    {QStringLiteral("--import"), source, QStringLiteral("--out"), data},
                                    {QStringLiteral("--update-manifest"), data}};
        for (const QStringList& arguments : runs) {
            const Run run = RunTool(kChecker, arguments);
            const QString context = arguments.join(QLatin1Char(' ')) + QStringLiteral("\n---\n") + run.err;
            QVERIFY2(run.exitCode == 1, qPrintable(context));
            const QStringList lines = run.err.split(QLatin1Char('\n'));
            for (const QString& line : said)
                QVERIFY2(lines.contains(line), qPrintable(line + QStringLiteral("\n") + context));
            QCOMPARE(lines.contains(unchanged), arguments.size() > 1);
            QVERIFY2(!run.err.contains(QStringLiteral("moves it in")), qPrintable(context));
            QCOMPARE(Snapshot(scratch.dir->path()), before);
        }
    }

    // One that this tool did leave, stopped after its one step: read as the new set, and moved in.
    void stoppedImportIsCheckedAsTheNewSetAndMovedIn() {
        const Scratch scratch;
        const QString& data = scratch.data;
        const QString commit = data + QStringLiteral("/.import-commit");
        QVERIFY(scratch.Fill(old_, new_));
        QVERIFY(WriteSet(commit, new_, false, true));
        QByteArray list;
        for (const auto& [name, bytes] : new_)
            list += name.toLatin1() + '\n';
        QVERIFY(WriteAll(commit + QStringLiteral("/.names"), list + "SHA256SUMS\n"));

        const Run check = RunTool(kChecker, {data});
        QVERIFY2(check.exitCode == 0, qPrintable(check.all()));
        QVERIFY2(check.err.contains(QStringLiteral("the next --import or --update-manifest moves it in")),
                 qPrintable(check.err));
        const Run update = RunTool(kChecker, {QStringLiteral("--update-manifest"), data});
        QVERIFY2(update.exitCode == 0, qPrintable(update.all()));
        QCOMPARE(WhichSet(data, old_, new_), QStringLiteral("new"));
        QCOMPARE(Leftovers(data), QStringList());
    }

    void secondImportIsRefusedAtOnce_data() {
        QTest::addColumn<bool>("exclusive");
        QTest::newRow("while another import changes the folder") << true;
        QTest::newRow("while a build reads the folder") << false;
    }

    // The lock stays held until the import has finished: an import that waited for it would never finish.
    void secondImportIsRefusedAtOnce() {
        QFETCH(bool, exclusive);
        const Scratch scratch;
        const QString &source = scratch.source, &data = scratch.data;
        QVERIFY(scratch.Fill(old_, new_));
        const HeldLock lock(data, exclusive);
        QVERIFY(lock.held());
        const Run run = Import(source, data);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err,
                 QStringLiteral("aoba-catalogue-check: %1 is in use: another import is changing it, or a "
                                "build is reading it; nothing was changed\n")
                     .arg(NativePath(data)));
        QCOMPARE(run.out, QString());
        QCOMPARE(WhichSet(data, old_, new_), QStringLiteral("old"));
    }

    void twoImportsAtOnceLeaveOneWholeSet() {
        const Scratch scratch;
        const QString& data = scratch.data;
        const QString sources[2] = {scratch.Path(QStringLiteral("old")), scratch.Path(QStringLiteral("new"))};
        QVERIFY(scratch.Fill(old_, new_));
        QVERIFY(WriteSet(sources[0], old_, true, false));
        QVERIFY(WriteSet(sources[1], new_, false, false));
        const QString refusal =
            QStringLiteral("aoba-catalogue-check: %1 is in use: another import is changing it, or "
                           "a build is reading it; nothing was changed\n")
                .arg(NativePath(data));
        int refused = 0;
        for (int round = 0; round < 20; ++round) {
            QProcess imports[2];
            for (int i = 0; i < 2; ++i)
                imports[i].start(kChecker,
                                 {QStringLiteral("--import"), sources[i], QStringLiteral("--out"), data});
            int succeeded = 0;
            int last = -1;
            for (int i = 0; i < 2; ++i) {
                QVERIFY(imports[i].waitForFinished(120000));
                const QString err = Lines(imports[i].readAllStandardError());
                if (imports[i].exitCode() == 0) {
                    ++succeeded;
                    last = i;
                } else {
                    QCOMPARE(err, refusal);
                    ++refused;
                }
            }
            QVERIFY(succeeded >= 1);
            const QString seen = WhichSet(data, old_, new_);
            if (succeeded == 1)
                QCOMPARE(seen, last == 0 ? QStringLiteral("old") : QStringLiteral("new"));
            else
                QVERIFY2(seen == QLatin1String("old") || seen == QLatin1String("new"), qPrintable(seen));
            QCOMPARE(Leftovers(data), QStringList());
        }
        qInfo("20 rounds of two imports at once: %d refused by the lock", refused);
    }

    void buildRefusesASetItsManifestDoesNotName_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("report"); // DATA stands for the copy
        QTest::addColumn<bool>("checkerToo"); // a folder without a manifest is a source folder to the checker
        QTest::newRow("one entry edited by hand")
            << "edit"
            << QStringList{QStringLiteral("DATA/123.txt:0: manifest: does not match its line in SHA256SUMS")}
            << true;
        QTest::newRow("316 new files and 66 old, named up to ten")
            << "mix"
            << QStringList{QStringLiteral("DATA/317.txt:0: manifest: does not match its line in SHA256SUMS"),
                           QStringLiteral("DATA/326.txt:0: manifest: does not match its line in SHA256SUMS"),
                           QStringLiteral("DATA/SHA256SUMS:0: manifest: 56 more files do not match it")}
            << true;
        QTest::newRow("no manifest")
            << "no-manifest"
            << QStringList{QStringLiteral(
                   "DATA/SHA256SUMS:0: manifest: missing: an import writes it; after editing an "
                   "entry by hand, run aoba-catalogue-check --update-manifest")}
            << false;
        QTest::newRow("an entry gone")
            << "gone" << QStringList{QStringLiteral("DATA/007.txt:0: manifest: the file is missing")} << true;
        QTest::newRow("a line for an entry twice")
            << "twice"
            << QStringList{QStringLiteral("DATA/SHA256SUMS:383: manifest: names 001.txt a second time")}
            << true;
        QTest::newRow("a line for no entry")
            << "stranger"
            << QStringList{QStringLiteral(
                   "DATA/SHA256SUMS:383: manifest: names \"383.txt\", which is not an entry file")}
            << true;
        QTest::newRow("a line that is no checksum line")
            << "garbage"
            << QStringList{QStringLiteral(
                               "DATA/SHA256SUMS:2: manifest: not a line \"DIGEST  NNN.txt\": \"nonsense\""),
                           QStringLiteral("DATA/002.txt:0: manifest: has no line in SHA256SUMS")}
            << true;
    }

    void buildRefusesASetItsManifestDoesNotName() {
        QFETCH(QString, fault);
        QFETCH(QStringList, report);
        QFETCH(bool, checkerToo);
        const Scratch scratch;
        const QString& data = scratch.data;
        QVERIFY(scratch.Fill(old_, new_));
        const QString manifest = data + QStringLiteral("/SHA256SUMS");
        QByteArray sums = ReadAll(manifest);
        if (fault == QLatin1String("edit")) {
            QVERIFY(WriteAll(data + QStringLiteral("/123.txt"), new_.at(QStringLiteral("123.txt"))));
        } else if (fault == QLatin1String("mix")) {
            QVERIFY(WriteSet(data, new_, false, false));
            for (int n = 317; n <= 382; ++n)
                QVERIFY(WriteAll(data + QLatin1Char('/') + FileName(n), old_.at(FileName(n))));
            QVERIFY(WriteAll(manifest, ManifestOf(new_)));
        } else if (fault == QLatin1String("no-manifest")) {
            QVERIFY(QFile::remove(manifest));
        } else if (fault == QLatin1String("gone")) {
            QVERIFY(QFile::remove(data + QStringLiteral("/007.txt")));
        } else if (fault == QLatin1String("twice")) {
            QVERIFY(WriteAll(manifest, sums + sums.left(sums.indexOf('\n') + 1)));
        } else if (fault == QLatin1String("stranger")) {
            QVERIFY(WriteAll(manifest, sums + QByteArray(64, '0') + "  383.txt\n"));
        } else if (fault == QLatin1String("garbage")) {
            const qsizetype second = sums.indexOf('\n') + 1;
            QVERIFY(
                WriteAll(manifest, sums.replace(second, sums.indexOf('\n', second) - second, "nonsense")));
        }
        const Run run = Build(data, scratch.Path(QStringLiteral("generated")));
        QCOMPARE(run.exitCode, 1);
        const QStringList lines = run.err.split(QLatin1Char('\n'));
        for (QString line : report) {
            line = WithPath(line, QStringLiteral("DATA"), data);
            QVERIFY2(lines.contains(line), qPrintable(line + QStringLiteral("\n---\n") + run.err));
        }
        QVERIFY2(run.err.endsWith(
                     QStringLiteral("aoba-embed: %1 is not the set its manifest names; after editing an "
                                    "entry by hand, run aoba-catalogue-check --update-manifest %1 (see "
                                    "tools/README.md)\n")
                         .arg(NativePath(data))),
                 qPrintable(run.err));
        QVERIFY(!QFileInfo::exists(scratch.Path(QStringLiteral("generated/entry_store_data.cpp"))));

        // The checker says the same of the folder.
        if (!checkerToo)
            return;
        const Run check = RunTool(kChecker, {data});
        QCOMPARE(check.exitCode, 1);
        const QStringList reported = check.out.split(QLatin1Char('\n'));
        for (QString line : report) {
            line = WithPath(line, QStringLiteral("DATA"), data);
            QVERIFY2(reported.contains(line), qPrintable(line + QStringLiteral("\n---\n") + check.out));
        }
    }

    void updateManifestAfterAHandEditLetsTheBuildTakeIt() {
        const Scratch scratch;
        const QString& data = scratch.data;
        const QString generated = scratch.Path(QStringLiteral("generated"));
        QVERIFY(scratch.Fill(old_, new_));
        QVERIFY(WriteAll(data + QStringLiteral("/123.txt"), new_.at(QStringLiteral("123.txt"))));
        QCOMPARE(Build(data, generated).exitCode, 1);

        const Run update = RunTool(kChecker, {QStringLiteral("--update-manifest"), data});
        QVERIFY2(update.exitCode == 0, qPrintable(update.all()));
        QVERIFY2(update.out.contains(NativePath(data + QStringLiteral("/123.txt")) +
                                     QStringLiteral(":0: manifest: does not match its line in SHA256SUMS\n") +
                                     QStringLiteral("wrote %1 for the 382 files it holds\n")
                                         .arg(NativePath(data + QStringLiteral("/SHA256SUMS")))),
                 qPrintable(update.out));
        EntrySet edited = old_;
        edited[QStringLiteral("123.txt")] = new_.at(QStringLiteral("123.txt"));
        QCOMPARE(ReadAll(data + QStringLiteral("/SHA256SUMS")), ManifestOf(edited));
        QCOMPARE(Leftovers(data), QStringList());
        const Run build = Build(data, generated);
        QVERIFY2(build.exitCode == 0, qPrintable(build.all()));

        const Run again = RunTool(kChecker, {QStringLiteral("--update-manifest"), data});
        QVERIFY2(again.exitCode == 0, qPrintable(again.all()));
        QVERIFY(
            again.out.endsWith(QStringLiteral("%1 already names the files %2 holds; nothing was changed\n")
                                   .arg(NativePath(data + QStringLiteral("/SHA256SUMS")), NativePath(data))));
    }

    // A manifest is no use for a file the build would refuse.
    void updateManifestOfAFileThatBreaksARuleWritesNothing() {
        const Scratch scratch;
        const QString& data = scratch.data;
        QVERIFY(scratch.Fill(old_, new_));
        QByteArray bytes = old_.at(QStringLiteral("123.txt"));
        QVERIFY(WriteAll(data + QStringLiteral("/123.txt"), bytes.insert(LineStart(bytes, 3), '\t')));
        const Run update = RunTool(kChecker, {QStringLiteral("--update-manifest"), data});
        QCOMPARE(update.exitCode, 1);
        QVERIFY2(update.out.contains(QStringLiteral("%1 was not written: the files break the rules above\n")
                                         .arg(NativePath(data + QStringLiteral("/SHA256SUMS")))),
                 qPrintable(update.out));
        QCOMPARE(ReadAll(data + QStringLiteral("/SHA256SUMS")), ManifestOf(old_));
    }
};

QTEST_GUILESS_MAIN(ImportTest)
#include "import_test.moc"
