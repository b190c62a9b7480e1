// SPDX-License-Identifier: MIT
// The manifest reads as sha256sum writes it: the digest in lower-case hexadecimal, two spaces, the file name.
// The digests are the published test vectors of SHA-256.
#include "catalogue/entry_check/manifest.h"

#include <QTest>

class ManifestTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
