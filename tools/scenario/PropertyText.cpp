#include "tools/scenario/PropertyText.h"

namespace tesmarik {

namespace {

bool HasText(ControlKind k) {
    return k != ControlKind::PageControl && k != ControlKind::StringGrid &&
           k != ControlKind::Image && k != ControlKind::Timer;
}

bool HasFont(ControlKind k) {
    return k != ControlKind::Image && k != ControlKind::Timer;
}

std::string Join(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            out += '|';
        }
        out += items[i];
    }
    return out;
}

std::string Bool(bool b) {
    return b ? "true" : "false";
}

}  // namespace

std::optional<std::string> PropertyText(const Control& c, const std::string& p) {
    const ControlKind k = c.Kind;
    if (p == "Visible") {
        return Bool(c.Visible);
    }
    if (p == "Enabled") {
        return Bool(c.Enabled);
    }
    if (p == "Left") {
        return std::to_string(c.Left);
    }
    if (p == "Top") {
        return std::to_string(c.Top);
    }
    if (p == "Width") {
        return std::to_string(c.Width);
    }
    if (p == "Height") {
        return std::to_string(c.Height);
    }
    if (p == "Text" && HasText(k)) {
        if (k == ControlKind::Memo) {
            return static_cast<const Memo&>(c).JoinedText();
        }
        return c.Text;
    }
    if (HasFont(k)) {
        if (p == "FontSize") {
            return std::to_string(c.Font.size);
        }
        if (p == "FontColor") {
            return ColorText(c.Font.color);
        }
        if (p == "FontStyle") {
            if (c.Font.bold && c.Font.underline) {
                return "bold underline";
            }
            return c.Font.bold ? "bold" : c.Font.underline ? "underline" : "regular";
        }
    }
    if (k == ControlKind::ComboBox) {
        const auto& box = static_cast<const ComboBox&>(c);
        if (p == "Items") {
            return Join(box.Items);
        }
        if (p == "ItemIndex") {
            return std::to_string(box.ItemIndex());
        }
        if (p == "Style") {
            return box.Style == ComboStyle::Pick ? "pick" : "editable";
        }
    }
    if (k == ControlKind::RadioGroup) {
        const auto& group = static_cast<const RadioGroup&>(c);
        if (p == "Items") {
            return Join(group.Items);
        }
        if (p == "ItemIndex") {
            return std::to_string(group.ItemIndex());
        }
    }
    if (k == ControlKind::CheckBox && p == "Checked") {
        return Bool(static_cast<const CheckBox&>(c).Checked);
    }
    if (k == ControlKind::StringGrid) {
        const auto& grid = static_cast<const StringGrid&>(c);
        if (p == "RowCount") {
            return std::to_string(grid.RowCount);
        }
        if (p == "ColCount") {
            return std::to_string(grid.ColCount);
        }
    }
    if (k == ControlKind::PageControl && p == "ActivePage") {
        return static_cast<const PageControl&>(c).ActivePage().Name;
    }
    return std::nullopt;
}

}  // namespace tesmarik
