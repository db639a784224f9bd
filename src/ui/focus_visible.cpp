// A frame around a list that has the keyboard focus: the style marks only its current entry,
// so an empty list, or one with no current entry, would not show the focus at all.

#include "elements.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFocusFrame>
#include <QPointer>

namespace tavik::ui {

void montre_le_focus()
{
    static QPointer<QObject> installe;
    if (installe) return;
    installe = new QObject(qApp);
    QObject::connect(qApp, &QApplication::focusChanged, installe,
                     [cadre = QPointer<QFocusFrame>()](QWidget*, QWidget* focus) mutable {
                         if (!qobject_cast<QAbstractItemView*>(focus)) {
                             if (cadre) cadre->setWidget(nullptr);
                             return;
                         }
                         if (!cadre) cadre = new QFocusFrame(focus);
                         cadre->setWidget(focus);
                     });
}

} // namespace tavik::ui
