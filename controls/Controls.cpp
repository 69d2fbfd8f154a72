#include "controls/Controls.h"

#include <cstdio>
#include <stdexcept>

#include "common/Text.h"

namespace tesmarik {

std::string ColorText(Color c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", c.r, c.g, c.b);
    return buffer;
}

void ControlRegistry::Register(Control& control) {
    controls_.push_back(&control);
}

Control* ControlRegistry::Find(const std::string& name) const {
    for (Control* c : controls_) {
        if (c->Name == name) {
            return c;
        }
    }
    return nullptr;
}

Control::Control(ControlRegistry& registry, std::string name, ControlKind kind)
    : Name(std::move(name)), Kind(kind) {
    registry.Register(*this);
}

Control& Control::Place(Control* parent, int left, int top, int width, int height) {
    Parent = parent;
    Left = left;
    Top = top;
    Width = width;
    Height = height;
    return *this;
}

void ComboBox::SetItemIndex(int index) {
    if (index < 0 || index >= static_cast<int>(Items.size())) {
        itemIndex_ = -1;
        Text.clear();
        return;
    }
    itemIndex_ = index;
    Text = Items[static_cast<std::size_t>(index)];
}

void ComboBox::SetItems(std::vector<std::string> items) {
    Items = std::move(items);
    itemIndex_ = -1;
    if (Style == ComboStyle::Pick) {
        Text.clear();
    }
}

void ComboBox::Clear() {
    Items.clear();
    itemIndex_ = -1;
    Text.clear();
}

void RadioGroup::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(Items.size())) {
        index = -1;
    }
    if (index == itemIndex_) {
        return;
    }
    itemIndex_ = index;
    if (index != -1 && OnClick) {
        OnClick();
    }
}

const std::string& StringGrid::Cell(int col, int row) const {
    static const std::string empty;
    const auto it = cells_.find({col, row});
    return it == cells_.end() ? empty : it->second;
}

void StringGrid::SetCell(int col, int row, std::string text) {
    cells_[{col, row}] = std::move(text);
}

int StringGrid::ColWidth(int col) const {
    const auto it = ColWidths.find(col);
    return it == ColWidths.end() ? DefaultColWidth : it->second;
}

std::string Memo::JoinedText() const {
    std::string text;
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        if (i > 0) {
            text += "\r\n";
        }
        text += Lines[i];
    }
    return text;
}

void Memo::SetJoinedText(const std::string& text) {
    Lines.clear();
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            Lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            line += c;
        }
    }
    if (!line.empty()) {
        Lines.push_back(line);
    }
}

std::string Memo::ShownText() const {
    std::string text;
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        if (i > 0) {
            text += '\n';
        }
        for (const char c : Lines[i]) {
            if (c != '\r') {
                text += c;
            }
        }
    }
    return text;
}

std::string Memo::SelectedText() const {
    return CharSlice(ShownText(), SelStart, SelLength);
}

void Memo::SelectAll() {
    SelStart = 0;
    SelLength = CharCount(ShownText());
}

bool IsShown(const Control& control) {
    for (const Control* c = &control; c != nullptr; c = c->Parent) {
        if (!c->Visible && c->Kind != ControlKind::Form) {
            return false;
        }
        if (c->Kind == ControlKind::TabSheet) {
            const auto* pages = static_cast<const PageControl*>(c->Parent);
            if (pages == nullptr || &pages->ActivePage() != c) {
                return false;
            }
        }
    }
    return true;
}

bool IsReachable(const Control& control) {
    if (!IsShown(control)) {
        return false;
    }
    for (const Control* c = &control; c != nullptr; c = c->Parent) {
        if (!c->Visible || !c->Enabled) {
            return false;
        }
        if (c->Kind == ControlKind::Form && static_cast<const FormControl*>(c)->Blocked) {
            return false;
        }
    }
    return true;
}

FormControl& FormOf(const ControlRegistry& registry) {
    for (Control* c : registry.All()) {
        if (c->Kind == ControlKind::Form && c->Parent == nullptr) {
            return static_cast<FormControl&>(*c);
        }
    }
    throw std::logic_error("a form's registry without its form control");
}

}  // namespace tesmarik
