// SPDX-License-Identifier: MIT
// The real Foreground: a window asked for comes back from being minimised, is raised and becomes active.
#include "lookandfeel/foreground.h"

#include <QApplication>
#include <QTest>

#include <memory>

namespace {

// The offscreen platform answers every raise with this warning; counting it is how the test sees a raise.
int& Raises() {
    static int raises = 0;
    return raises;
}

QtMessageHandler previousHandler = nullptr;

void CountRaises(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message == QLatin1String("This plugin does not support raise()"))
        ++Raises();
    else if (previousHandler)
        previousHandler(type, context, message);
}

std::unique_ptr<QWidget> ShownWindow(const char* name) {
    auto window = std::make_unique<QWidget>();
    window->setObjectName(QLatin1String(name));
    window->resize(200, 100);
    window->show();
    return window;
}

} // namespace

class ForegroundTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { previousHandler = qInstallMessageHandler(CountRaises); }

    void bringsEachWindowInFrontAndActivatesIt() {
        const auto first = ShownWindow("first");
        const auto second = ShownWindow("second");
        QVERIFY(QTest::qWaitForWindowExposed(second.get()));
        aoba::DesktopForeground foreground;
        for (QWidget* window : {first.get(), second.get(), first.get()}) {
            const int raisesBefore = Raises();
            foreground.Bring(*window);
            QTRY_COMPARE(QApplication::activeWindow(), window);
            QCOMPARE(Raises(), raisesBefore + 1);
        }
    }

    void restoresAMinimisedWindow() {
        const auto window = ShownWindow("minimised");
        window->showMinimized();
        QVERIFY(window->isMinimized());
        aoba::DesktopForeground().Bring(*window);
        QVERIFY(!window->isMinimized());
        QVERIFY(window->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), window.get());
    }
};

QTEST_MAIN(ForegroundTest)
#include "foreground_test.moc"
