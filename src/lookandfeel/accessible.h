// SPDX-License-Identifier: MIT
// A control class whose accessible interface is its own: what Qt would report for it is wrong (a radio
// button that is not auto-exclusive reads as a check box) or costly (names set on 380 labels).
#pragma once

#include <QAccessible>
#include <QWidget>

namespace aoba {

// From now on, every Widget a screen reader asks about answers through an Interface made for it. Call it
// from Widget's constructor: the factory is installed the first time only.
template <class Widget, class Interface> void UseAccessibleInterface() {
    static const bool installed =
        (QAccessible::installFactory([](const QString& className, QObject* object) {
             const bool ours =
                 className == QLatin1String(Widget::staticMetaObject.className()) && object->isWidgetType();
             return ours ? static_cast<QAccessibleInterface*>(new Interface(static_cast<QWidget*>(object)))
                         : nullptr;
         }),
         true);
    Q_UNUSED(installed)
}

} // namespace aoba
