// SPDX-License-Identifier: MIT
// The form builder gives a control its looks when it makes it and never again: what a window sets on a
// control afterwards stays, and the captions widened at the end are the form's own.
#include "lookandfeel/form.h"
#include "lookandfeel/look.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

namespace {

constexpr aoba::texts::Control kWords{.caption = u"a caption much wider than its box", .description = u"-"};

} // namespace

class FormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aControlKeepsWhatWasSetOnItAfterItWasMade_data() {
        QTest::addColumn<aoba::Kind>("kind");
        QTest::addColumn<aoba::Face>("face");
        QTest::newRow("a frame, painted flat when made")
            << aoba::Kind(aoba::New<QGroupBox>) << aoba::Face::Frame;
        QTest::newRow("a peach button, painted flat when made")
            << aoba::Kind(aoba::New<QPushButton>) << aoba::Face::Peach;
        QTest::newRow("a caption, widened at the end")
            << aoba::Kind(aoba::NewCaption) << aoba::Face::BoldCaption;
    }

    void aControlKeepsWhatWasSetOnItAfterItWasMade() {
        QFETCH(aoba::Kind, kind);
        QFETCH(aoba::Face, face);
        QWidget window;
        aoba::Form form(window, "Form", kWords, 6000, 3000, aoba::DefaultFont());
        const aoba::FormRow row{"Control", kind, kWords, 0, 0, 450, 255, face};
        form.Add(&window, {&row, 1});
        auto* stray = new QLabel(kWords.caption.toString(), &window);
        stray->setGeometry(0, 100, 30, 17);

        QWidget* control = form.Control<QWidget>("Control");
        QStyle* own = QStyleFactory::create(QStringLiteral("Fusion"));
        own->setParent(&window);
        control->setStyle(own);
        QFont font(QStringLiteral("Serif"));
        font.setPointSize(20);
        control->setFont(font);
        form.Finish();
        QCOMPARE(control->style(), own);
        QCOMPARE(control->font().family(), font.family());
        QCOMPARE(control->font().pointSize(), 20);
        QCOMPARE(stray->width(), 30);
    }
};

QTEST_MAIN(FormTest)
#include "form_test.moc"
