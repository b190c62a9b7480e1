// SPDX-License-Identifier: MIT
// The manifest reads as sha256sum writes it: the digest in lower-case hexadecimal, two spaces, the file name.
// The digests are the published test vectors of SHA-256.
#include "catalogue/entry_check/manifest.h"

#include <QTest>

namespace {

const QByteArray kDigest = QByteArray(64, 'a');

} // namespace

class ManifestTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void manifestLinesReadAsSha256sumWritesThem_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("digests");
        QTest::addColumn<QStringList>("problems"); // "LINE: DETAIL"
        QTest::newRow("text mode, two spaces") << kDigest + "  001.txt\n" << 1 << QStringList();
        QTest::newRow("binary mode of sha256sum -b, a star before the name") << kDigest + " *001.txt\n"
                                                                             << 1 << QStringList();
        QTest::newRow("upper-case digest") << kDigest.toUpper() + "  001.txt\n" << 1 << QStringList();
        QTest::newRow("CR LF line ends") << kDigest + "  001.txt\r\n" + kDigest + "  002.txt\r\n"
                                         << 2 << QStringList();
        QTest::newRow("no line end after the last line") << kDigest + "  382.txt" << 1 << QStringList();
        QTest::newRow("one space, the line quoted in part")
            << kDigest + " 001.txt\n"
            << 0
            << QStringList{QStringLiteral("1: not a line \"DIGEST  NNN.txt\": \"") + QString(60, u'a') +
                           QStringLiteral("…\" (the first 60 of 72 characters)")};
        QTest::newRow("no digest") << QByteArray("abc  001.txt\n") << 0
                                   << QStringList{QStringLiteral(
                                          "1: not a line \"DIGEST  NNN.txt\": \"abc  001.txt\"")};
        QTest::newRow("no such entry")
            << kDigest + "  383.txt\n"
            << 0 << QStringList{QStringLiteral("1: names \"383.txt\", which is not an entry file")};
        QTest::newRow("an entry twice") << kDigest + "  001.txt\n" + kDigest + "  001.txt\n"
                                        << 1 << QStringList{QStringLiteral("2: names 001.txt a second time")};
        QStringList tenThenACount;
        for (int line = 1; line <= 10; ++line)
            tenThenACount << QStringLiteral("%1: names \"000.txt\", which is not an entry file").arg(line);
        QTest::newRow("eleven bad lines: ten listed, then a count")
            << QByteArray(kDigest + "  000.txt\n").repeated(11) << 0
            << tenThenACount + QStringList{QStringLiteral("0: 1 more lines like these")};
    }

    void manifestLinesReadAsSha256sumWritesThem() {
        QFETCH(QByteArray, text);
        QFETCH(int, digests);
        QFETCH(QStringList, problems);
        const aoba::ManifestText manifest = aoba::ReadManifestText(text.toStdString());
        QStringList found;
        for (const aoba::ManifestProblem& problem : manifest.problems)
            found << QStringLiteral("%1: %2").arg(problem.line).arg(QString::fromStdString(problem.detail));
        QCOMPARE(found, problems);
        QCOMPARE(static_cast<int>(manifest.digests.size()), digests);
        for (const auto& [entry, digest] : manifest.digests)
            QCOMPARE(QByteArray::fromStdString(digest), kDigest);
    }

    void manifestNamesEachFileWithItsPublishedDigest() {
        const std::vector<std::string> entries{
            "", "abc", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", std::string(1000000, 'a'),
            "abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrs"
            "mn"
            "opqrstnopqrstu"};
        QCOMPARE(QByteArray::fromStdString(aoba::RenderManifest(entries)),
                 QByteArray("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855  001.txt\n"
                            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad  002.txt\n"
                            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1  003.txt\n"
                            "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0  004.txt\n"
                            "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1  005.txt\n"));
    }
};

QTEST_GUILESS_MAIN(ManifestTest)
#include "manifest_test.moc"
