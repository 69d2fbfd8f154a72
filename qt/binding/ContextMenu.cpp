#include "qt/binding/ContextMenu.h"

#include <QAbstractScrollArea>
#include <QMenu>

#include "app/UserActions.h"
#include "files/QtText.h"
#include "qt/binding/QtBinding.h"

namespace tesmarik {

void OfferContextMenu(QtBinding& binding, Control& control, QWidget* widget) {
    SyncContextMenu(control, widget);
    QObject::connect(
        widget, &QWidget::customContextMenuRequested, widget,
        [&binding, &control, widget](const QPoint& pos) {
            // A scroll area reports the place in its viewport.
            const auto* area = qobject_cast<QAbstractScrollArea*>(widget);
            const QPoint global =
                area != nullptr ? area->viewport()->mapToGlobal(pos) : widget->mapToGlobal(pos);
            // The state the menu is opened on (a grid's current row) is the model's first.
            binding.Sync();
            QMenu menu(widget);
            for (const MenuItem& item : control.PopupMenu) {
                menu.addAction(Q(item.Caption));
            }
            const QAction* chosen = menu.exec(global);
            if (chosen == nullptr) {
                return;
            }
            const auto index = static_cast<std::size_t>(menu.actions().indexOf(chosen));
            binding.Act([&control, index](Window& w) { ChooseMenuItem(w, control, index); });
        });
}

void SyncContextMenu(const Control& control, QWidget* widget) {
    const Qt::ContextMenuPolicy wanted =
        control.PopupMenu.empty() ? Qt::DefaultContextMenu : Qt::CustomContextMenu;
    if (widget->contextMenuPolicy() != wanted) {
        widget->setContextMenuPolicy(wanted);
    }
}

}  // namespace tesmarik
