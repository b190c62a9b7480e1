// SPDX-License-Identifier: MIT
// Which family the fonts ask for, given what is installed: the wanted one by its name where it is there, a
// substitute by the substitute's own name elsewhere; and the real choice on the machine the tests run on.
#include "lookandfeel/font_family.h"
#include "lookandfeel/look.h"
#include "tests/support/expected_fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

using aoba::Face;

Q_DECLARE_METATYPE(aoba::Face)

namespace {

using expected::kWantedGothic;
using expected::kWantedMincho;

// The Japanese families of a Debian machine with both IPA packages, as the font database lists them.
const QStringList kIpaJapanese{QStringLiteral("IPAGothic"), QStringLiteral("IPAMincho"),
                               QStringLiteral("IPAPGothic"), QStringLiteral("IPAPMincho")};
const QStringList kDebianInstalled = QStringList{QStringLiteral("C059"), QStringLiteral("DejaVu Sans")} +
                                     kIpaJapanese + QStringList{QStringLiteral("Nimbus Sans")};

} // namespace

class FontFamilyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void askedFor_data() {
        QTest::addColumn<Face>("face");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("japanese");
        QTest::addColumn<QString>("asked");

        const QStringList windows{QStringLiteral("Arial"), kWantedGothic, kWantedMincho,
                                  QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAPGothic")};
        QTest::newRow("Japanese Windows: the Gothic by its name")
            << Face::Gothic << windows << windows << kWantedGothic;
        QTest::newRow("Japanese Windows: the Mincho by its name")
            << Face::Mincho << windows << windows << kWantedMincho;
        QTest::newRow("listed in another case, still by its name")
            << Face::Gothic << QStringList{QStringLiteral("ｍｓ ｐゴシック"), QStringLiteral("IPAPGothic")}
            << QStringList{} << kWantedGothic;
        QTest::newRow("only the Gothic installed: the Mincho is substituted")
            << Face::Mincho << QStringList{kWantedGothic, QStringLiteral("IPAPMincho")} << QStringList{}
            << QStringLiteral("IPAPMincho");

        const QStringList english{QStringLiteral("MS PGothic"), QStringLiteral("MS PMincho"),
                                  QStringLiteral("IPAPGothic"), QStringLiteral("IPAPMincho")};
        QTest::newRow("listed by English names: the same font")
            << Face::Gothic << english << english << QStringLiteral("MS PGothic");
        QTest::newRow("listed by English names: the same Mincho")
            << Face::Mincho << english << english << QStringLiteral("MS PMincho");

        QTest::newRow("Debian with the IPA fonts: proportional Gothic")
            << Face::Gothic << kDebianInstalled << kIpaJapanese << QStringLiteral("IPAPGothic");
        QTest::newRow("Debian with the IPA fonts: proportional Mincho")
            << Face::Mincho << kDebianInstalled << kIpaJapanese << QStringLiteral("IPAPMincho");
        QTest::newRow("the substitutes' order, not the listing's")
            << Face::Gothic << QStringList{QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic")}
            << QStringList{QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic")}
            << QStringLiteral("IPAexGothic");
        QTest::newRow("the proportional Mincho before the IPAex one")
            << Face::Mincho << QStringList{QStringLiteral("IPAexMincho"), QStringLiteral("IPAPMincho")}
            << QStringList{QStringLiteral("IPAexMincho"), QStringLiteral("IPAPMincho")}
            << QStringLiteral("IPAPMincho");
        QTest::newRow("no Mincho: a proportional Gothic before a fixed-pitch one")
            << Face::Mincho << QStringList{QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic")}
            << QStringList{QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic")}
            << QStringLiteral("IPAPGothic");
        QTest::newRow("no Gothic: a Mincho is not a Gothic's substitute, any Japanese font is")
            << Face::Gothic << QStringList{QStringLiteral("IPAPMincho"), QStringLiteral("Noto Sans CJK JP")}
            << QStringList{QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPMincho")}
            << QStringLiteral("Noto Sans CJK JP");
        QTest::newRow("no IPA font: the first Japanese family")
            << Face::Mincho << QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Serif CJK JP")}
            << QStringList{QStringLiteral("Noto Serif CJK JP")} << QStringLiteral("Noto Serif CJK JP");
        QTest::newRow("no Japanese font: the wanted name, left to the fallbacks")
            << Face::Gothic << QStringList{QStringLiteral("DejaVu Sans")} << QStringList{} << kWantedGothic;
        QTest::newRow("nothing listed at all")
            << Face::Mincho << QStringList{} << QStringList{} << kWantedMincho;
    }

    void askedFor() {
        QFETCH(Face, face);
        QFETCH(QStringList, installed);
        QFETCH(QStringList, japanese);
        QFETCH(QString, asked);
        QCOMPARE(aoba::FamilyToAskFor(face, installed, japanese), asked);
    }

    // Where the wanted family is installed it is asked for by its name; elsewhere the set-up has installed
    // the IPA fonts, and the proportional one is asked for by its own name. Either way the font lookup
    // resolves the font to exactly the family asked for, with no fallback.
    void asksForWhatTheLookupFinds_data() {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QString>("asked");
        aoba::ChooseFontFamilies();
        QTest::newRow("Gothic") << aoba::GothicFont(9, true) << expected::GothicFamily();
        QTest::newRow("Mincho") << aoba::MinchoFont(11.25, true) << expected::MinchoFamily();
        QTest::newRow("default") << aoba::DefaultFont() << expected::GothicFamily();
    }

    void asksForWhatTheLookupFinds() {
        QFETCH(QFont, font);
        QFETCH(QString, asked);
        QCOMPARE(font.family(), asked);
        QCOMPARE(QFontInfo(font).family(), asked);
    }
};

QTEST_MAIN(FontFamilyTest)
#include "font_family_test.moc"
