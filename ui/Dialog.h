// Base of every dialog: owns the form built from the dialog's layout and
// receives its notifications. User actions enter through the User* calls,
// which are the boundary where a file error (or any other failure) stops the
// action, is shown in a message box, and leaves the window open.
#pragma once

#include <functional>

#include "ui/Form.h"
#include "ui/Services.h"

namespace ui {

class DialogHandler : public NotifySink {
 public:
  DialogHandler(Env env, Layout layout);
  ~DialogHandler() override;

  Form& form() { return form_; }
  const Form& form() const { return form_; }
  const Drive& drive() const { return env_.drive; }
  Services& services() const { return env_.services; }
  Env env() const { return env_; }

  // Runs the dialog modally through the platform; returns its result.
  int RunModal();

  // Entry points of user actions (from the Qt front end or the headless driver).
  void UserInit();
  void UserFocus(int id);
  void UserEdit(int id, const std::string& text);
  void UserClick(int id);
  void UserSelect(int id, int index);
  void UserDoubleClick(int id);
  void UserMouseClick(int x, int y);
  void UserEnter();
  void UserClose();
  void UserPaint(Canvas& canvas);

 protected:
  virtual void OnInit() {}
  virtual void OnNotify(int id, Notify what) {}
  virtual void OnPaint(Canvas& canvas) {}
  virtual void OnMouseClick(int x, int y) {}
  // Enter, or a click on the button with id 1: ends the dialog by default.
  virtual void OnOk() { form_.End(kIdOk); }
  // Esc, the close box, or a click on the button with id 2.
  virtual void OnCancel() { form_.End(kIdCancel); }
  // The opening stopped on a failure, after its message. The dialog then
  // shows neither what the files hold nor what the user left, so it closes
  // without saving anything; a dialog that can serve with what it has
  // keeps itself open instead.
  virtual void OnOpeningFailed() { form_.End(kIdCancel); }

  void EndDialog(int result) { form_.End(result); }
  Answer Message(const std::string& text, const std::string& title, Buttons buttons = Buttons::Ok) {
    return env_.services.Message(text, title, buttons);
  }

 private:
  void Notified(int id, Notify what) override;
  void Guarded(const std::function<void()>& action);
  void Dispatch(int id, Notify what);

  Env env_;
  Form form_;
  int depth_ = 0;
};

}  // namespace ui
