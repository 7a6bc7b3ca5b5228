// The form model: the live state of a dialog's controls, addressed by id.
// Handlers read and change controls only through it; the Qt front end mirrors
// it in real widgets and the headless driver works on it directly.
//
// As in the Windows controls the program was designed around, setting the
// text of an edit box notifies its change handler just as typing does, while
// checking a button or selecting a list item by program does not notify.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/Canvas.h"
#include "ui/Layout.h"
#include "ui/TableModel.h"

namespace ui {

enum class Notify { Click, Change, Focus, Select, DoubleClick };

// What changed in a control, for the view that mirrors the form.
enum class Aspect { Text, Check, Items, Selection, Enabled, Visible, Colours, Icon, Progress, Grid };

class FormView {
 public:
  virtual ~FormView() = default;
  virtual void ControlChanged(int id, Aspect aspect) = 0;
  virtual void RepaintRequested() = 0;
  virtual void Ended(int result) = 0;
};

// Receives the notifications that program changes cause (edit-box changes).
class NotifySink {
 public:
  virtual ~NotifySink() = default;
  virtual void Notified(int id, Notify what) = 0;
};

struct ControlState {
  std::string text;
  bool checked = false;
  bool enabled = true;
  bool visible = true;
  std::vector<std::string> items;
  int selection = -1;
  bool coloured = false;
  Rgb textColour, backColour;
  Picture icon;
  int progressMax = 100, progress = 0;
  std::shared_ptr<const TableModel> table;  // a grid's; none shows an empty table
};

class Form {
 public:
  explicit Form(Layout layout);

  const Layout& layout() const { return layout_; }
  const Control& control(int id) const;
  bool Has(int id) const;

  void SetView(FormView* view) { view_ = view; }
  void SetSink(NotifySink* sink) { sink_ = sink; }

  // Text of an edit box, the edit part of a combo box, or the caption of a
  // button or label. Setting an edit box's text notifies Change; setting a
  // drop list's text selects the item of that text (none when it has none).
  const std::string& Text(int id) const;
  void SetText(int id, const std::string& text);

  bool Checked(int id) const;
  // Checking a radio button clears the others of its group.
  void SetChecked(int id, bool checked);
  // The checked radio button of the group, or kNoId.
  int CheckedInGroup(int group) const;

  // Combo and list boxes. Sorted boxes insert at the sorted position.
  const std::vector<std::string>& Items(int id) const;
  int AddItem(int id, const std::string& item);
  void SetItems(int id, const std::vector<std::string>& items);
  void ClearItems(int id);
  void DeleteItem(int id, int index);
  void InsertItem(int id, int index, const std::string& item);
  void SetItem(int id, int index, const std::string& item);
  int Selection(int id) const;
  // Selects an item (-1: none); a combo box's edit part takes its text.
  void SetSelection(int id, int index);
  // Index of the item equal to the text, or -1.
  int FindItem(int id, const std::string& item) const;

  bool Enabled(int id) const;
  void SetEnabled(int id, bool enabled);
  bool Visible(int id) const;
  void SetVisible(int id, bool visible);

  void SetColours(int id, Rgb text, Rgb back);
  void SetIcon(int id, Picture icon);
  void SetProgress(int id, int value, int maximum);

  // The table a grid shows. Setting it, again the same one too after its
  // texts changed, makes the front end read it anew.
  const TableModel& Table(int id) const;
  void SetTable(int id, std::shared_ptr<const TableModel> table);

  const ControlState& State(int id) const;

  // Pixel rectangle of a control in the client area, from its dialog units.
  // The base units are those of the 9-point dialog font the layouts are
  // drawn for (6 × 12 pixels), on every platform, so that controls placed in
  // dialog units and sketches drawn in pixels always stand together.
  Rect PixelRect(int id) const;
  Rect ToPixels(Rect dialogUnits) const;

  void Invalidate();
  void End(int result);
  bool ended() const { return ended_; }
  int result() const { return result_; }

  int focused() const { return focused_; }
  void SetFocused(int id) { focused_ = id; }

 private:
  ControlState& Mutable(int id);
  void Changed(int id, Aspect aspect);

  Layout layout_;
  std::map<int, size_t> index_;
  std::vector<ControlState> states_;
  FormView* view_ = nullptr;
  NotifySink* sink_ = nullptr;
  bool ended_ = false;
  int result_ = 0;
  int focused_ = kNoId;
};

}  // namespace ui
