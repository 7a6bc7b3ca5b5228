// A real Qt dialog built from a layout, mirroring the form model and passing
// every user action to the dialog's handler.
#pragma once

#include <QDialog>
#include <functional>
#include <map>

#include "ui/Dialog.h"

class QWidget;

namespace ui::qt {

// Qt font family standing in for a Windows font name.
QString FontFamily(const std::string& windowsFace);
QFont DialogFont(const Layout& layout);

class QtDialog : public QDialog, public FormView {
 public:
  QtDialog(DialogHandler& handler, QWidget* parent);
  ~QtDialog() override;

  void ControlChanged(int id, Aspect aspect) override;
  void RepaintRequested() override { update(); }
  void Ended(int result) override;

  QWidget* widget(int id) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void reject() override;
  void accept() override;

 private:
  // Calls the handler, keeping what it throws.
  void Call(const std::function<void()>& action);
  QWidget* Create(const Control& control);
  void Sync(int id, Aspect aspect);
  void SyncAll(int id);

  DialogHandler& handler_;
  Form& form_;
  std::map<int, QWidget*> widgets_;
  std::map<QObject*, int> ids_;
  bool syncing_ = false;
};

}  // namespace ui::qt
