#include "ui/Layout.h"

namespace ui {

std::string StandInFont(const std::string& face) {
  if (face == "ＭＳ 明朝" || face == "MS Mincho") return "IPAMincho";
  if (face == "ＭＳ Ｐ明朝" || face == "MS PMincho") return "IPAPMincho";
  if (face == "ＭＳ ゴシック" || face == "MS Gothic") return "IPAGothic";
  return "IPAPGothic";
}

Layout& Layout::Add(Kind kind, int id, std::string caption, Rect rect, unsigned flags, int group) {
  controls.push_back(Control{kind, id, std::move(caption), rect, flags, group});
  return *this;
}

Layout& Layout::Button(int id, std::string caption, Rect rect, unsigned flags) {
  return Add(Kind::Button, id, std::move(caption), rect, flags);
}
Layout& Layout::Check(int id, std::string caption, Rect rect, unsigned flags) {
  return Add(Kind::Check, id, std::move(caption), rect, flags);
}
Layout& Layout::Radio(int id, std::string caption, Rect rect, int group, unsigned flags) {
  return Add(Kind::Radio, id, std::move(caption), rect, flags, group);
}
Layout& Layout::Group(std::string caption, Rect rect) { return Add(Kind::Group, kNoId, std::move(caption), rect); }
Layout& Layout::Label(int id, std::string caption, Rect rect, unsigned flags) {
  return Add(Kind::Label, id, std::move(caption), rect, flags);
}
Layout& Layout::Frame(int id, Rect rect, unsigned flags) { return Add(Kind::Frame, id, "", rect, flags); }
Layout& Layout::Edit(int id, Rect rect, unsigned flags) { return Add(Kind::Edit, id, "", rect, flags); }
Layout& Layout::Combo(int id, Rect rect, unsigned flags) { return Add(Kind::Combo, id, "", rect, flags); }
Layout& Layout::DropList(int id, Rect rect, unsigned flags) { return Add(Kind::DropList, id, "", rect, flags); }
Layout& Layout::List(int id, Rect rect, unsigned flags) { return Add(Kind::List, id, "", rect, flags); }

}  // namespace ui
