// A dialog layout: its caption, size and font, and every control with its
// kind, id, caption and rectangle in dialog units. Layouts are plain data;
// the Qt front end builds real windows from them and the tests drive them
// headlessly through the form model.
#pragma once

#include <string>
#include <vector>

namespace ui {

struct Rgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
  int right() const { return x + width; }
  int bottom() const { return y + height; }
  bool operator==(const Rect&) const = default;
};

enum class Kind {
  Button,       // push button
  Check,        // check box
  Radio,        // radio button; with PushLike it looks like a push button
  Group,        // framed group with a caption
  Label,        // static text
  Frame,        // caption-less static area the dialog paints into
  Edit,         // single-line edit box
  Combo,        // combo box with an edit part
  DropList,     // combo box without an edit part
  List,         // list box
  Progress,     // progress bar
  Grid,         // table of cell texts
};

// Control flags.
enum : unsigned {
  kHidden = 1u << 0,
  kDisabled = 1u << 1,
  kSorted = 1u << 2,     // combo and list boxes keep their items sorted
  kPushLike = 1u << 3,   // radio and check boxes drawn as push buttons
  kDefault = 1u << 4,    // the default push button (Enter)
  kReadOnly = 1u << 5,
  kCentred = 1u << 6,
  kRight = 1u << 7,
  kBorder = 1u << 8,     // frames and labels with a sunken border
  kMultiline = 1u << 9,  // labels that wrap
};

// Ids of the two standard commands: Enter and Esc (or the close box).
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
// Controls that nothing addresses (plain labels, frames of groups).
constexpr int kNoId = -1;

struct Control {
  Kind kind = Kind::Label;
  int id = kNoId;
  std::string caption;
  Rect rect;           // dialog units
  unsigned flags = 0;
  int group = 0;       // radio buttons of one group share a number
};

// The IPA font (Debian's fonts-ipafont) that stands in for a Windows font
// where that is not installed.
std::string StandInFont(const std::string& windowsFace);

struct Layout {
  std::string caption;
  int width = 0, height = 0;  // dialog units
  std::string font = "ＭＳ Ｐゴシック";
  int pointSize = 9;
  std::vector<Control> controls;

  // Builders, so that a layout reads like a resource script.
  Layout& Add(Kind kind, int id, std::string caption, Rect rect, unsigned flags = 0, int group = 0);
  Layout& Button(int id, std::string caption, Rect rect, unsigned flags = 0);
  Layout& Check(int id, std::string caption, Rect rect, unsigned flags = 0);
  Layout& Radio(int id, std::string caption, Rect rect, int group, unsigned flags = 0);
  Layout& Group(std::string caption, Rect rect);
  Layout& Label(int id, std::string caption, Rect rect, unsigned flags = 0);
  Layout& Frame(int id, Rect rect, unsigned flags = 0);
  Layout& Edit(int id, Rect rect, unsigned flags = 0);
  Layout& Combo(int id, Rect rect, unsigned flags = 0);
  Layout& DropList(int id, Rect rect, unsigned flags = 0);
  Layout& List(int id, Rect rect, unsigned flags = 0);
};

}  // namespace ui
