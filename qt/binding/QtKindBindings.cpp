#include "qt/binding/QtKindBindings.h"

#include "qt/binding/KindBindingBase.h"

namespace tesmarik {

std::unique_ptr<WidgetBinding> MakeKindBinding(QtBinding& b, Control& c, QWidget* parent) {
    for (const auto make : {MakeContainerBinding, MakeInputBinding, MakeViewBinding}) {
        if (auto binding = make(b, c, parent)) {
            return binding;
        }
    }
    return nullptr;
}

}  // namespace tesmarik
