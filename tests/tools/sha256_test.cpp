// SPDX-License-Identifier: MIT
#include "tools/entry_check/sha256.h"

#include <QCryptographicHash>
#include <QTest>

class Sha256Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void digest_isThePublishedOne_data() {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QByteArray>("digest");
        QTest::newRow("empty") << QByteArray()
                               << QByteArray(
                                      "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
        QTest::newRow("abc") << QByteArray("abc")
                             << QByteArray(
                                    "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
        QTest::newRow("448 bits, padding in a second block")
            << QByteArray("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")
            << QByteArray("248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
        QTest::newRow("896 bits") << QByteArray("abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijk"
                                                "lmnoijklmnopjklmnopqklmnopqrlmnopqrs"
                                                "mnopqrstnopqrstu")
                                  << QByteArray(
                                         "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1");
        QTest::newRow("a million a")
            << QByteArray(1000000, 'a')
            << QByteArray("cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
    }

    void digest_isThePublishedOne() {
        QFETCH(QByteArray, message);
        QFETCH(QByteArray, digest);
        QCOMPARE(QByteArray::fromStdString(aoba::Sha256Hex(message.toStdString())), digest);
    }

    // Every length around the block and padding boundaries, and bytes above 0x7F.
    void digest_agreesWithQtForEveryShortLength() {
        QByteArray message;
        for (int length = 0; length <= 200; ++length) {
            QCOMPARE(QByteArray::fromStdString(aoba::Sha256Hex(message.toStdString())),
                     QCryptographicHash::hash(message, QCryptographicHash::Sha256).toHex());
            message += static_cast<char>(length * 37 + 0x80);
        }
    }
};

QTEST_GUILESS_MAIN(Sha256Test)
#include "sha256_test.moc"
