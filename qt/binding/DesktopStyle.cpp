#include "qt/binding/DesktopStyle.h"

#include <QApplication>
#include <QProxyStyle>

namespace tesmarik {

namespace {

constexpr const char* kStyleName = "tesmarik-desktop";

class DesktopStyle : public QProxyStyle {
public:
    DesktopStyle() { setObjectName(kStyleName); }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup) {
            return 0;  // a list below the box, not a menu over it
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

void UseDesktopStyle() {
    if (QApplication::style()->objectName() != kStyleName) {
        QApplication::setStyle(new DesktopStyle);
    }
}

}  // namespace tesmarik
