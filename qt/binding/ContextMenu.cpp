#include "qt/binding/ContextMenu.h"

#include <QAbstractScrollArea>
#include <QMenu>
#include <QPlainTextEdit>

#include "app/UserActions.h"
#include "files/QtText.h"
#include "qt/binding/QtBinding.h"

namespace tesmarik {

namespace {

// A report the user may edit also offers the desktop's own edit items, in the desktop's
// language, beside the program's: undo, redo, cut, paste, delete. Copying and selecting
// all are the program's own items already.
void AddDesktopEditItems(QWidget* widget, QMenu& menu) {
    auto* edit = qobject_cast<QPlainTextEdit*>(widget);
    if (edit == nullptr || edit->isReadOnly()) {
        return;
    }
    QMenu* standard = edit->createStandardContextMenu();
    standard->setParent(&menu, standard->windowFlags());
    menu.addSeparator();
    for (QAction* action : standard->actions()) {
        const QString name = action->objectName();
        if (name == "edit-undo" || name == "edit-redo" || name == "edit-cut" ||
            name == "edit-paste" || name == "edit-delete") {
            menu.addAction(action);
        }
    }
}

}  // namespace

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
            const auto programItems = menu.actions();
            AddDesktopEditItems(widget, menu);
            const QAction* chosen = menu.exec(global);
            const auto index = programItems.indexOf(chosen);
            if (chosen == nullptr || index < 0) {
                return;  // nothing chosen, or an edit item, which the field has done itself
            }
            binding.Act([&control, index = static_cast<std::size_t>(index)](Window& w) {
                ChooseMenuItem(w, control, index);
            });
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
