#include "ui/Form.h"

#include <algorithm>
#include <stdexcept>

#include "ui/Text.h"

namespace ui {

Form::Form(Layout layout) : layout_(std::move(layout)) {
  states_.resize(layout_.controls.size());
  for (size_t i = 0; i < layout_.controls.size(); ++i) {
    const Control& c = layout_.controls[i];
    ControlState& s = states_[i];
    s.text = c.caption;
    s.enabled = !(c.flags & kDisabled);
    s.visible = !(c.flags & kHidden);
    if (c.id != kNoId) {
      if (index_.count(c.id)) throw std::logic_error("duplicate control id " + std::to_string(c.id));
      index_[c.id] = i;
    }
  }
}

bool Form::Has(int id) const { return index_.count(id) != 0; }

const Control& Form::control(int id) const {
  auto it = index_.find(id);
  if (it == index_.end()) throw std::logic_error("no control " + std::to_string(id) + " in " + layout_.caption);
  return layout_.controls[it->second];
}

const ControlState& Form::State(int id) const {
  auto it = index_.find(id);
  if (it == index_.end()) throw std::logic_error("no control " + std::to_string(id) + " in " + layout_.caption);
  return states_[it->second];
}

ControlState& Form::Mutable(int id) { return const_cast<ControlState&>(State(id)); }

void Form::Changed(int id, Aspect aspect) {
  if (view_) view_->ControlChanged(id, aspect);
}

const std::string& Form::Text(int id) const { return State(id).text; }

void Form::SetText(int id, const std::string& text) {
  ControlState& s = Mutable(id);
  s.text = text;
  if (control(id).kind == Kind::DropList) {
    // A list without an edit part can only show one of its items.
    s.selection = FindItem(id, text);
    if (s.selection < 0) s.text.clear();
  }
  Changed(id, Aspect::Text);
  if (control(id).kind == Kind::Edit && sink_) sink_->Notified(id, Notify::Change);
}

bool Form::Checked(int id) const { return State(id).checked; }

void Form::SetChecked(int id, bool checked) {
  const Control& c = control(id);
  if (checked && c.kind == Kind::Radio) {
    for (const Control& other : layout_.controls) {
      if (other.kind == Kind::Radio && other.group == c.group && other.id != id && other.id != kNoId &&
          Checked(other.id)) {
        Mutable(other.id).checked = false;
        Changed(other.id, Aspect::Check);
      }
    }
  }
  Mutable(id).checked = checked;
  Changed(id, Aspect::Check);
}

int Form::CheckedInGroup(int group) const {
  for (const Control& c : layout_.controls)
    if (c.kind == Kind::Radio && c.group == group && c.id != kNoId && Checked(c.id)) return c.id;
  return kNoId;
}

const std::vector<std::string>& Form::Items(int id) const { return State(id).items; }

int Form::AddItem(int id, const std::string& item) {
  ControlState& s = Mutable(id);
  int at = static_cast<int>(s.items.size());
  if (control(id).flags & kSorted) {
    auto pos = std::upper_bound(s.items.begin(), s.items.end(), item, [](const std::string& a, const std::string& b) {
      return CompareNoCase(a, b) < 0;
    });
    at = static_cast<int>(pos - s.items.begin());
  }
  s.items.insert(s.items.begin() + at, item);
  if (s.selection >= at) ++s.selection;
  Changed(id, Aspect::Items);
  return at;
}

void Form::SetItems(int id, const std::vector<std::string>& items) {
  ClearItems(id);
  for (const std::string& item : items) AddItem(id, item);
}

void Form::ClearItems(int id) {
  ControlState& s = Mutable(id);
  s.items.clear();
  s.selection = -1;
  Changed(id, Aspect::Items);
}

void Form::DeleteItem(int id, int index) {
  ControlState& s = Mutable(id);
  if (index < 0 || index >= static_cast<int>(s.items.size())) return;
  s.items.erase(s.items.begin() + index);
  if (s.selection == index) s.selection = -1;
  else if (s.selection > index) --s.selection;
  Changed(id, Aspect::Items);
}

void Form::InsertItem(int id, int index, const std::string& item) {
  ControlState& s = Mutable(id);
  index = std::clamp(index, 0, static_cast<int>(s.items.size()));
  s.items.insert(s.items.begin() + index, item);
  if (s.selection >= index) ++s.selection;
  Changed(id, Aspect::Items);
}

void Form::SetItem(int id, int index, const std::string& item) {
  ControlState& s = Mutable(id);
  if (index < 0 || index >= static_cast<int>(s.items.size())) return;
  s.items[index] = item;
  Changed(id, Aspect::Items);
}

int Form::Selection(int id) const { return State(id).selection; }

void Form::SetSelection(int id, int index) {
  ControlState& s = Mutable(id);
  if (index < -1 || index >= static_cast<int>(s.items.size())) index = -1;
  s.selection = index;
  Kind kind = control(id).kind;
  if (kind == Kind::Combo || kind == Kind::DropList) {
    s.text = index >= 0 ? s.items[index] : std::string();
    Changed(id, Aspect::Text);
  }
  Changed(id, Aspect::Selection);
}

int Form::FindItem(int id, const std::string& item) const {
  const auto& items = Items(id);
  auto it = std::find(items.begin(), items.end(), item);
  return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

bool Form::Enabled(int id) const { return State(id).enabled; }
void Form::SetEnabled(int id, bool enabled) {
  Mutable(id).enabled = enabled;
  Changed(id, Aspect::Enabled);
}
bool Form::Visible(int id) const { return State(id).visible; }
void Form::SetVisible(int id, bool visible) {
  Mutable(id).visible = visible;
  Changed(id, Aspect::Visible);
}

void Form::SetColours(int id, Rgb text, Rgb back) {
  ControlState& s = Mutable(id);
  s.coloured = true;
  s.textColour = text;
  s.backColour = back;
  Changed(id, Aspect::Colours);
}

void Form::SetIcon(int id, Picture icon) {
  Mutable(id).icon = std::move(icon);
  Changed(id, Aspect::Icon);
}

void Form::SetProgress(int id, int value, int maximum) {
  ControlState& s = Mutable(id);
  s.progress = value;
  s.progressMax = maximum;
  Changed(id, Aspect::Progress);
}

const TableModel& Form::Table(int id) const {
  static const EmptyTable empty;
  const ControlState& s = State(id);
  return s.table ? *s.table : empty;
}

void Form::SetTable(int id, std::shared_ptr<const TableModel> table) {
  Mutable(id).table = std::move(table);
  Changed(id, Aspect::Grid);
}

Rect Form::ToPixels(Rect du) const {
  constexpr int baseX = 6, baseY = 12;
  auto mul = [](int v, int base, int div) { return (v * base + div / 2) / div; };
  return Rect{mul(du.x, baseX, 4), mul(du.y, baseY, 8), mul(du.width, baseX, 4), mul(du.height, baseY, 8)};
}

Rect Form::PixelRect(int id) const { return ToPixels(control(id).rect); }

void Form::Invalidate() {
  if (view_) view_->RepaintRequested();
}

void Form::End(int result) {
  ended_ = true;
  result_ = result;
  if (view_) view_->Ended(result);
}

}  // namespace ui
