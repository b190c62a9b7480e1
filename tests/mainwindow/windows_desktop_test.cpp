// SPDX-License-Identifier: MIT
// Both windows on the Windows desktop itself, through Qt's windows platform: the title-bar buttons and
// titles Windows draws from the windows' styles, the fonts Windows really gives for the names asked for, and
// every caption whole in them, and the input method where the reader may type.
#include "lookandfeel/look.h"
#include "resultswindow/results_window.h"
#include "tests/support/expected_texts.h"
#include "tests/support/widget_test_support.h"
#include "tests/support/window_fixture.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

// imm.h needs windows.h before it.
// clang-format off
#include <windows.h>
#include <imm.h>
// clang-format on

namespace {

const QString kGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString kMincho = QStringLiteral("ＭＳ Ｐ明朝");

struct TitleBar {
    QString title;
    bool minimise = false;
    bool maximise = false;
    bool close = false;
    bool sizingBorder = false;
};

TitleBar TitleBarOf(const QWidget& window) {
    const auto handle = reinterpret_cast<HWND>(window.winId());
    const LONG_PTR style = GetWindowLongPtrW(handle, GWL_STYLE);
    wchar_t title[256] = {};
    GetWindowTextW(handle, title, 256);
    return {QString::fromWCharArray(title), (style & WS_MINIMIZEBOX) != 0, (style & WS_MAXIMIZEBOX) != 0,
            (style & WS_SYSMENU) != 0, (style & WS_THICKFRAME) != 0};
}

} // namespace

class WindowsDesktopTest : public WindowFixture {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("windows"));
        WindowFixture::initTestCase();
    }

    void titleBarsShowTheirTitlesAndButtons() {
        const TitleBar main = TitleBarOf(*window_);
        QCOMPARE(main.title, expected::kMainTitle);
        QVERIFY2(main.minimise && main.close && !main.maximise, "Form1: minimise and close, no maximise");
        QVERIFY2(!main.sizingBorder, "Form1: a fixed border, not one that resizes");

        Control<QLineEdit>(*window_, "Text2")->setText(QStringLiteral("号"));
        Click(*window_, "Command7");
        aoba::ResultsWindow* results = window_->Results();
        QVERIFY(results && results->isVisible());
        const TitleBar form2 = TitleBarOf(*results);
        QCOMPARE(form2.title, expected::kResultsTitle);
        QVERIFY2(form2.close && !form2.minimise && !form2.maximise, "Form2: close only");
        QVERIFY2(!form2.sizingBorder, "Form2: a fixed border, not one that resizes");
    }

    // Japanese Windows has both fonts; they are asked for by name and used as they are. The Wine prefixes of
    // the build have them too, as the IPA fonts under those names.
    void fontsAreTheNamedOnesWhereWindowsHasThem_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("family");
        QTest::newRow("Label1, Gothic") << "Label1" << kGothic;
        QTest::newRow("Text3, Mincho") << "Text3" << kMincho;
        QTest::newRow("Command7, Mincho") << "Command7" << kMincho;
    }

    void fontsAreTheNamedOnesWhereWindowsHasThem() {
        QFETCH(QString, control);
        QFETCH(QString, family);
        QVERIFY2(QFontDatabase::families().contains(family),
                 qPrintable(family +
                            QStringLiteral(" is missing: not a Japanese Windows, nor the build's prefix")));
        const QWidget* widget = Control(*window_, control.toLatin1().constData());
        QCOMPARE(widget->font().family(), family);
        QCOMPARE(QFontInfo(widget->font()).family(), family);
    }

    void captionsShowWholeInTheFontsWindowsGives() {
        QList<QWidget*> captions;
        for (QLabel* label : window_->findChildren<QLabel*>())
            captions << label;
        for (QRadioButton* option : window_->findChildren<QRadioButton*>())
            captions << option;
        QVERIFY(captions.size() >= 6);
        for (const QWidget* caption : captions)
            QVERIFY2(caption->width() >= caption->sizeHint().width(),
                     qPrintable(QStringLiteral("%1: %2 wide, its text %3")
                                    .arg(caption->objectName())
                                    .arg(caption->width())
                                    .arg(caption->sizeHint().width())));
    }

    // Windows keeps an input method context on a window while the control with the focus takes its text, and
    // takes it away over the read-only pane, where the reader's kana would otherwise land.
    void inputMethodIsOnOverTheFieldsOnly_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("on");
        QTest::newRow("Text1") << QStringLiteral("Text1") << true;
        QTest::newRow("Text2") << QStringLiteral("Text2") << true;
        QTest::newRow("Text3, the contents pane") << QStringLiteral("Text3") << false;
    }

    void inputMethodIsOnOverTheFieldsOnly() {
        QFETCH(QString, control);
        QFETCH(bool, on);
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        Control(*window_, qPrintable(control))->setFocus();
        QCoreApplication::processEvents();
        const auto handle = reinterpret_cast<HWND>(window_->winId());
        const HIMC context = ImmGetContext(handle);
        ImmReleaseContext(handle, context);
        QCOMPARE(context != nullptr, on);
    }
};

QTEST_MAIN(WindowsDesktopTest)
#include "windows_desktop_test.moc"
