// SPDX-License-Identifier: MIT
// The program files as Windows shows them: the names and version in Explorer's properties and Task Manager,
// read the way Windows reads them, the icon at the sizes Explorer and the taskbar ask for, and what the
// manifest lets Windows assume.
#include "tests/support/expected_texts.h"

#include <QTest>
#include <QXmlStreamReader>

#include <windows.h>

namespace {

const QString kProgram = QStringLiteral(AOBA_PROGRAM);
const QString kCompanion = QStringLiteral(AOBA_COMPANION);
const QString kChecker = QStringLiteral(AOBA_CHECKER);

std::wstring Native(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

QByteArray VersionInfo(const QString& file) {
    const DWORD size = GetFileVersionInfoSizeW(Native(file).c_str(), nullptr);
    QByteArray info(static_cast<qsizetype>(size), '\0');
    if (size == 0 || !GetFileVersionInfoW(Native(file).c_str(), 0, size, info.data()))
        return {};
    return info;
}

// Japanese text in UTF-16: the one block of strings the programs carry.
QString Value(QByteArray info, const QString& name) {
    const std::wstring key = (QStringLiteral("\\StringFileInfo\\041104B0\\") + name).toStdWString();
    void* value = nullptr;
    UINT length = 0;
    if (info.isEmpty() || !VerQueryValueW(info.data(), key.c_str(), &value, &length) || length == 0)
        return QStringLiteral("(none)");
    return QString::fromWCharArray(static_cast<const wchar_t*>(value), length - 1);
}

// The resource file as data, not as a program to run.
struct Loaded {
    HMODULE module;
    explicit Loaded(const QString& file)
        : module(LoadLibraryExW(Native(file).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~Loaded() {
        if (module)
            FreeLibrary(module);
    }
};

// The element's attribute that says what it means (Id, level), else its text; "(none)" without the element.
QString ManifestValue(const QString& file, const QString& element) {
    const Loaded program(file);
    const HRSRC found =
        program.module ? FindResourceW(program.module, MAKEINTRESOURCEW(1), RT_MANIFEST) : nullptr;
    if (!found)
        return QStringLiteral("(no manifest)");
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(program.module, found)));
    QXmlStreamReader xml(QByteArray(bytes, SizeofResource(program.module, found)));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != element)
            continue;
        for (const QString& attribute : {QStringLiteral("Id"), QStringLiteral("level")})
            if (xml.attributes().hasAttribute(attribute))
                return xml.attributes().value(attribute).toString();
        return xml.readElementText();
    }
    return xml.hasError() ? xml.errorString() : QStringLiteral("(none)");
}

} // namespace

class VersionResourceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void stringsNameAndVersionTheProgram_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        const QString version = QStringLiteral(AOBA_VERSION);
        QTest::newRow("product name, the main window's title")
            << kProgram << "ProductName" << expected::kMainTitle;
        QTest::newRow("description, Task Manager's name for it")
            << kProgram << "FileDescription" << expected::kMainTitle;
        QTest::newRow("file version") << kProgram << "FileVersion" << version;
        QTest::newRow("product version") << kProgram << "ProductVersion" << version;
        QTest::newRow("publisher") << kProgram << "CompanyName"
                                   << "aoba-search developers";
        QTest::newRow("copyright") << kProgram << "LegalCopyright"
                                   << "Copyright (c) 2026 The aoba-search developers, MIT licence";
        QTest::newRow("file name") << kProgram << "OriginalFilename"
                                   << "aoba-search.exe";
        QTest::newRow("the console companion's file name") << kCompanion << "OriginalFilename"
                                                           << "aoba-search.com";
        QTest::newRow("the console companion's name") << kCompanion << "ProductName" << expected::kMainTitle;
    }

    void stringsNameAndVersionTheProgram() {
        QFETCH(QString, file);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(Value(VersionInfo(file), name), expected);
    }

    void numbersAreTheVersion() {
        QByteArray info = VersionInfo(kProgram);
        void* value = nullptr;
        UINT length = 0;
        QVERIFY(!info.isEmpty() && VerQueryValueW(info.data(), L"\\", &value, &length) &&
                length >= sizeof(VS_FIXEDFILEINFO));
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
        QCOMPARE(fixed->dwSignature, DWORD(0xFEEF04BD));
        const QStringList parts = QStringLiteral(AOBA_VERSION).split(QLatin1Char('.'));
        QCOMPARE(parts.size(), 3);
        const DWORD high = MAKELONG(parts[1].toUShort(), parts[0].toUShort());
        const DWORD low = MAKELONG(0, parts[2].toUShort());
        QCOMPARE(fixed->dwFileVersionMS, high);
        QCOMPARE(fixed->dwFileVersionLS, low);
        QCOMPARE(fixed->dwProductVersionMS, high);
        QCOMPARE(fixed->dwProductVersionLS, low);
        QCOMPARE(fixed->dwFileType, DWORD(VFT_APP));
    }

    // Windows files a resource under a language; Explorer shows the version block of the user's language
    // first, and the texts are Japanese.
    void versionIsFiledUnderJapanese_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("aoba-search.exe") << kProgram;
        QTest::newRow("aoba-search.com") << kCompanion;
    }

    void versionIsFiledUnderJapanese() {
        QFETCH(QString, file);
        const Loaded program(file);
        QVERIFY(program.module);
        WORD language = 0;
        EnumResourceLanguagesW(
            program.module, RT_VERSION, MAKEINTRESOURCEW(VS_VERSION_INFO),
            [](HMODULE, LPCWSTR, LPCWSTR, WORD found, LONG_PTR into) -> BOOL {
                *reinterpret_cast<WORD*>(into) = found;
                return FALSE;
            },
            reinterpret_cast<LONG_PTR>(&language));
        QCOMPARE(language, WORD(0x0411));
    }

    void manifestSaysWhatWindowsMayAssume_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("value");
        const QString windows10And11 = QStringLiteral("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}");
        QTest::newRow("the program is made for Windows 10 and 11")
            << kProgram << "supportedOS" << windows10And11;
        QTest::newRow("it is sharp at each monitor's own scale") << kProgram << "dpiAwareness"
                                                                 << "PerMonitorV2";
        QTest::newRow("it asks for no administrator rights") << kProgram << "requestedExecutionLevel"
                                                             << "asInvoker";
        QTest::newRow("the companion is made for Windows 10 and 11")
            << kCompanion << "supportedOS" << windows10And11;
        QTest::newRow("the checker may open long paths") << kChecker << "longPathAware"
                                                         << "true";
    }

    void manifestSaysWhatWindowsMayAssume() {
        QFETCH(QString, file);
        QFETCH(QString, element);
        QFETCH(QString, value);
        QCOMPARE(ManifestValue(file, element), value);
    }

    void iconHasEverySizeWindowsAsksFor_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("small, title bar and lists") << 16;
        QTest::newRow("large, desktop and Alt+Tab") << 32;
        QTest::newRow("extra large list") << 48;
        QTest::newRow("Explorer's largest view") << 256;
    }

    // The group icon Explorer takes is the first; each size must be there as drawn, not scaled from another.
    void iconHasEverySizeWindowsAsksFor() {
        QFETCH(int, size);
        const Loaded program(kProgram);
        QVERIFY(program.module);
        HRSRC group = nullptr;
        EnumResourceNamesW(
            program.module, RT_GROUP_ICON,
            [](HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR found) -> BOOL {
                *reinterpret_cast<HRSRC*>(found) = FindResourceW(module, name, type);
                return FALSE;
            },
            reinterpret_cast<LONG_PTR>(&group));
        QVERIFY2(group, "the program carries no icon");
        auto* directory = static_cast<PBYTE>(LockResource(LoadResource(program.module, group)));
        const int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
        QVERIFY(id != 0);
        QVERIFY(FindResourceW(program.module, MAKEINTRESOURCEW(id), RT_ICON));
        // The chosen entry's own width, from the directory: 0 stands for 256.
        const auto* header = reinterpret_cast<const WORD*>(directory);
        const BYTE* entry = directory + 3 * sizeof(WORD);
        int width = -1;
        for (WORD i = 0; i < header[2]; ++i, entry += 14) {
            if (*reinterpret_cast<const WORD*>(entry + 12) == id)
                width = entry[0] == 0 ? 256 : entry[0];
        }
        QCOMPARE(width, size);
    }
};

QTEST_GUILESS_MAIN(VersionResourceTest)
#include "version_resource_test.moc"
