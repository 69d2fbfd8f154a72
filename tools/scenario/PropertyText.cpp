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

using Text = std::optional<std::string>;

// What every control has: its place, its size, whether it is shown and enabled, its
// tooltip.
Text PlaceProperty(const Control& c, const std::string& p) {
    if (p == "Visible") {
        return Bool(c.Visible);
    }
    if (p == "Hint") {
        return c.Hint;
    }
    if (p == "Enabled") {
        return Bool(c.Enabled);
    }
    const int* value = p == "Left"     ? &c.Left
                       : p == "Top"    ? &c.Top
                       : p == "Width"  ? &c.Width
                       : p == "Height" ? &c.Height
                                       : nullptr;
    return value != nullptr ? Text(std::to_string(*value)) : std::nullopt;
}

// The text and the font of the controls that show them.
Text TextProperty(const Control& c, const std::string& p) {
    if (p == "Text" && HasText(c.Kind)) {
        return c.Kind == ControlKind::Memo ? static_cast<const Memo&>(c).JoinedText() : c.Text;
    }
    if (!HasFont(c.Kind)) {
        return std::nullopt;
    }
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
    return std::nullopt;
}

// The items of a drop-down list or radio group, and the one picked.
Text ItemsProperty(const Control& c, const std::string& p) {
    if (c.Kind == ControlKind::ComboBox) {
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
    if (c.Kind == ControlKind::RadioGroup) {
        const auto& group = static_cast<const RadioGroup&>(c);
        if (p == "Items") {
            return Join(group.Items);
        }
        if (p == "ItemIndex") {
            return std::to_string(group.ItemIndex());
        }
    }
    return std::nullopt;
}

// What only a check box, a grid or a tab control has.
Text KindProperty(const Control& c, const std::string& p) {
    const ControlKind k = c.Kind;
    if (k == ControlKind::CheckBox && p == "Checked") {
        return Bool(static_cast<const CheckBox&>(c).Checked);
    }
    if (k == ControlKind::StringGrid && (p == "RowCount" || p == "ColCount")) {
        const auto& grid = static_cast<const StringGrid&>(c);
        return std::to_string(p == "RowCount" ? grid.RowCount : grid.ColCount);
    }
    if (k == ControlKind::PageControl && p == "ActivePage") {
        return static_cast<const PageControl&>(c).ActivePage().Name;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> PropertyText(const Control& c, const std::string& p) {
    for (const auto property : {PlaceProperty, TextProperty, ItemsProperty, KindProperty}) {
        if (auto text = property(c, p)) {
            return text;
        }
    }
    return std::nullopt;
}

}  // namespace tesmarik
