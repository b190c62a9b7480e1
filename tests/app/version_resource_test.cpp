// SPDX-License-Identifier: MIT
// The program file as Windows shows it: the names and version in Explorer's properties and Task Manager, read
// the way Windows reads them, and the icon at the sizes Explorer and the taskbar ask for.
#include "tests/support/expected_texts.h"

#include <QTest>

#include <windows.h>

namespace {

const QString kProgram = QStringLiteral(AOBA_PROGRAM);

std::wstring Native(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

} // namespace

class VersionResourceTest : public QObject {
    Q_OBJECT

    QByteArray info_;

    // Japanese text in UTF-16: the one block of strings the program carries.
    QString Value(const QString& name) {
        const std::wstring key = (QStringLiteral("\\StringFileInfo\\041104B0\\") + name).toStdWString();
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(info_.data(), key.c_str(), &value, &length) || length == 0)
            return QStringLiteral("(none)");
        return QString::fromWCharArray(static_cast<const wchar_t*>(value), length - 1);
    }

private Q_SLOTS:
    void initTestCase() {
        const DWORD size = GetFileVersionInfoSizeW(Native(kProgram).c_str(), nullptr);
        QVERIFY2(size > 0, "the program carries no version resource");
        info_.resize(size);
        QVERIFY(GetFileVersionInfoW(Native(kProgram).c_str(), 0, size, info_.data()));
    }

    void stringsNameAndVersionTheProgram_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        const QString version = QStringLiteral(AOBA_VERSION);
        QTest::newRow("product name, the main window's title") << "ProductName" << expected::kMainTitle;
        QTest::newRow("description, Task Manager's name for it") << "FileDescription" << expected::kMainTitle;
        QTest::newRow("file version") << "FileVersion" << version;
        QTest::newRow("product version") << "ProductVersion" << version;
        QTest::newRow("publisher") << "CompanyName"
                                   << "aoba-search developers";
        QTest::newRow("file name") << "OriginalFilename"
                                   << "aoba-search.exe";
    }

    void stringsNameAndVersionTheProgram() {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(Value(name), expected);
    }

    void numbersAreTheVersion() {
        void* value = nullptr;
        UINT length = 0;
        QVERIFY(VerQueryValueW(info_.data(), L"\\", &value, &length) && length >= sizeof(VS_FIXEDFILEINFO));
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
        const HMODULE program = LoadLibraryExW(Native(kProgram).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        QVERIFY(program);
        HRSRC group = nullptr;
        EnumResourceNamesW(
            program, RT_GROUP_ICON,
            [](HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR found) -> BOOL {
                *reinterpret_cast<HRSRC*>(found) = FindResourceW(module, name, type);
                return FALSE;
            },
            reinterpret_cast<LONG_PTR>(&group));
        QVERIFY2(group, "the program carries no icon");
        auto* directory = static_cast<PBYTE>(LockResource(LoadResource(program, group)));
        const int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
        QVERIFY(id != 0);
        const HRSRC icon = FindResourceW(program, MAKEINTRESOURCEW(id), RT_ICON);
        QVERIFY(icon);
        // The chosen entry's own width, from the directory: 0 stands for 256.
        const auto* header = reinterpret_cast<const WORD*>(directory);
        const BYTE* entry = directory + 3 * sizeof(WORD);
        int width = -1;
        for (WORD i = 0; i < header[2]; ++i, entry += 14) {
            if (*reinterpret_cast<const WORD*>(entry + 12) == id)
                width = entry[0] == 0 ? 256 : entry[0];
        }
        QCOMPARE(width, size);
        FreeLibrary(program);
    }
};

QTEST_GUILESS_MAIN(VersionResourceTest)
#include "version_resource_test.moc"
