#include "ui/Dialog.h"

#include "ui/Drive.h"

namespace ui {

void ReportError(Services& services, const std::exception& error) {
  if (dynamic_cast<const FileError*>(&error)) {
    services.Message(error.what(), "Tavrin");
  } else {
    services.Message(std::string("処理を中断しました。\n") + error.what(), "Tavrin");
  }
}

DialogHandler::DialogHandler(Env env, Layout layout) : env_(env), form_(std::move(layout)) { form_.SetSink(this); }

DialogHandler::~DialogHandler() { form_.SetSink(nullptr); }

int DialogHandler::RunModal() { return env_.services.RunModal(*this); }

void DialogHandler::Guarded(const std::function<void()>& action) {
  // Only the outermost action reports: a failure inside a notification that
  // a program change caused stops the whole user action.
  if (depth_ > 0) {
    action();
    return;
  }
  ++depth_;
  try {
    action();
  } catch (const std::exception& error) {
    depth_ = 0;
    ReportError(env_.services, error);
    return;
  }
  --depth_;
}

void DialogHandler::Dispatch(int id, Notify what) {
  if (what == Notify::Click && id == kIdOk) return OnOk();
  if (what == Notify::Click && id == kIdCancel) return OnCancel();
  OnNotify(id, what);
}

void DialogHandler::Notified(int id, Notify what) {
  Guarded([&] { Dispatch(id, what); });
}

void DialogHandler::UserInit() {
  bool opened = false;
  Guarded([&] {
    OnInit();
    opened = true;
  });
  if (!opened) OnOpeningFailed();
}

void DialogHandler::UserFocus(int id) {
  if (form_.focused() == id) return;
  form_.SetFocused(id);
  Kind kind = form_.control(id).kind;
  if (kind == Kind::Edit || kind == Kind::Combo || kind == Kind::DropList || kind == Kind::List)
    Guarded([&] { Dispatch(id, Notify::Focus); });
}

void DialogHandler::UserEdit(int id, const std::string& text) {
  Guarded([&] {
    Kind kind = form_.control(id).kind;
    if (kind == Kind::Edit) {
      form_.SetText(id, text);  // notifies Change
    } else {
      form_.SetText(id, text);
      Dispatch(id, Notify::Change);
    }
  });
}

void DialogHandler::UserClick(int id) {
  Guarded([&] {
    form_.SetFocused(id);
    const Control& c = form_.control(id);
    if (c.kind == Kind::Check) form_.SetChecked(id, !form_.Checked(id));
    if (c.kind == Kind::Radio) form_.SetChecked(id, true);
    Dispatch(id, Notify::Click);
  });
}

void DialogHandler::UserSelect(int id, int index) {
  Guarded([&] {
    form_.SetSelection(id, index);
    Dispatch(id, Notify::Select);
  });
}

void DialogHandler::UserDoubleClick(int id) {
  Guarded([&] { Dispatch(id, Notify::DoubleClick); });
}

void DialogHandler::UserMouseClick(int x, int y) {
  Guarded([&] { OnMouseClick(x, y); });
}

void DialogHandler::UserEnter() {
  int id = kIdOk;
  for (const Control& c : form_.layout().controls)
    if (c.kind == Kind::Button && (c.flags & kDefault) && c.id != kNoId) id = c.id;
  if (form_.Has(id) && !form_.Enabled(id)) return;
  Guarded([&] { Dispatch(id, Notify::Click); });
}

void DialogHandler::UserClose() {
  Guarded([&] { OnCancel(); });
}

void DialogHandler::UserPaint(Canvas& canvas) {
  // Painting never shows a message box: a drawing that fails is left unfinished.
  try {
    OnPaint(canvas);
  } catch (const std::exception&) {
  }
}

}  // namespace ui
