#include "ui/qt/QtPlay.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTableView>
#include <QTimer>

#include "ui/FrontEnd.h"
#include "ui/HostFiles.h"

namespace ui::qt {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QString& text) { return text.toStdString(); }

// Lets Qt deliver what the last action caused, then throws whatever the
// dialogs' handlers threw meanwhile.
void Settle() {
  QApplication::processEvents();
  RethrowHeld();
}

void Press(QWidget* target, QPoint at, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons) {
  QMouseEvent event(type, at, target->mapToGlobal(at), button, buttons, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &event);
}

void MouseClick(QWidget* target, QPoint at) {
  Press(target, at, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
  Press(target, at, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
}

}  // namespace

QWidget* QtInput::Usable(int id) const {
  QWidget* widget = window_.widget(id);
  if (!widget) throw DriverError("ID " + std::to_string(id) + " のコントロールが画面にありません");
  if (!widget->isVisible()) throw DriverError("ID " + std::to_string(id) + " のコントロールが画面に表示されていません");
  if (!widget->isEnabled()) throw DriverError("ID " + std::to_string(id) + " のコントロールは画面で使用できません");
  return widget;
}

void QtInput::Focus(int id) {
  QWidget* widget = Usable(id);
  window_.activateWindow();
  widget->setFocus(Qt::MouseFocusReason);
  Settle();
}

void QtInput::Type(int id, const std::string& text) {
  QWidget* widget = Usable(id);
  QLineEdit* edit = qobject_cast<QLineEdit*>(widget);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) edit = combo->lineEdit();
  if (!edit) throw DriverError("ID " + std::to_string(id) + " は画面で入力できません");
  // As when the user selects the field's text and types over it.
  edit->selectAll();
  edit->insert(Q(text));
  Settle();
}

void QtInput::Click(int id) {
  auto* button = qobject_cast<QAbstractButton*>(Usable(id));
  if (!button) throw DriverError("ID " + std::to_string(id) + " は画面でボタンではありません");
  button->click();
  Settle();
}

void QtInput::Select(int id, int index) {
  QWidget* widget = Usable(id);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    // Open the list and click the item in it.
    combo->showPopup();
    Settle();
    QAbstractItemView* view = combo->view();
    QModelIndex item = combo->model()->index(index, combo->modelColumn());
    view->scrollTo(item);
    MouseClick(view->viewport(), view->visualRect(item).center());
  } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
    QListWidgetItem* item = list->item(index);
    list->scrollToItem(item);
    MouseClick(list->viewport(), list->visualItemRect(item).center());
  } else {
    throw DriverError("ID " + std::to_string(id) + " は画面で一覧ではありません");
  }
  Settle();
}

void QtInput::DoubleClick(int id) {
  auto* list = qobject_cast<QListWidget*>(Usable(id));
  if (!list) throw DriverError("ID " + std::to_string(id) + " は画面で一覧ではありません");
  QWidget* viewport = list->viewport();
  QPoint at = list->visualItemRect(list->currentItem()).center();
  MouseClick(viewport, at);
  Press(viewport, at, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton);
  Press(viewport, at, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
  Settle();
}

void QtInput::Mouse(int x, int y) {
  QWidget* target = window_.childAt(x, y);
  if (!target) target = &window_;
  MouseClick(target, target->mapFrom(&window_, QPoint(x, y)));
  Settle();
}

void QtInput::Key(int key) {
  QWidget* target = QApplication::focusWidget();
  if (!target || target->window() != &window_) target = &window_;
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &release);
  Settle();
}

void QtInput::Enter() { Key(Qt::Key_Return); }
void QtInput::Close() { Key(Qt::Key_Escape); }

std::string QtInput::Text(int id) const {
  QWidget* widget = window_.widget(id);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return S(edit->text());
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return S(combo->currentText());
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return S(button->accessibleName());
  if (auto* label = qobject_cast<QLabel*>(widget)) return S(label->text());
  if (auto* group = qobject_cast<QGroupBox*>(widget)) return S(group->title());
  return "";
}

bool QtInput::Checked(int id) const {
  auto* button = qobject_cast<QAbstractButton*>(window_.widget(id));
  return button && button->isChecked();
}

std::optional<std::string> QtInput::Cell(int id, int row, int col) const {
  auto* view = qobject_cast<QTableView*>(window_.widget(id));
  if (!view) return std::nullopt;
  // Row 0 is the view's header; the rows below it are the model's.
  const QAbstractItemModel* model = view->model();
  if (row < 0 || col < 0 || row > model->rowCount() || col >= model->columnCount()) return std::nullopt;
  QVariant text = row == 0 ? model->headerData(col, Qt::Horizontal, Qt::DisplayRole)
                           : model->data(model->index(row - 1, col), Qt::DisplayRole);
  return S(text.toString());
}

void QtInput::Snapshot(const std::filesystem::path& file) {
  if (!window_.grab().save(Q(Utf8Of(file)))) throw FileError(file, true);
}

int QtPlayServices::Exec(QtDialog& window, DialogHandler& dialog) {
  window.setWindowModality(Qt::ApplicationModal);
  window.show();
  window.activateWindow();
  Settle();
  QtInput input(window);
  player_.Drive(dialog, input);
  if (!dialog.form().ended()) input.Close();
  if (!dialog.form().ended()) dialog.form().End(kIdCancel);
  return dialog.form().result();
}

void QtPlayServices::Exec(QMessageBox& box, Buttons buttons) {
  const Answer answer = player_.NextAnswer(buttons);
  // Once the box shows, read it and press Enter (OK) or Esc (Cancel) on it.
  QTimer::singleShot(0, &box, [&] {
    player_.Shown(S(box.text()), S(box.windowTitle()), answer);
    QKeyEvent key(QEvent::KeyPress, answer == Answer::Ok ? Qt::Key_Return : Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &key);
  });
  box.exec();
}

bool QtPlayServices::Exec(QFileDialog& dialog) {
  const std::optional<std::filesystem::path> file = player_.NextFile();
  QTimer::singleShot(0, &dialog, [&] {
    if (!file) return dialog.reject();
    dialog.selectFile(Q(Utf8Of(*file)));
    QMetaObject::invokeMethod(&dialog, "accept");
  });
  return dialog.exec() == QDialog::Accepted;
}

int QtPlayServices::Exec(QDialog& dialog) {
  QTimer::singleShot(0, &dialog, [&] { dialog.reject(); });
  return dialog.exec();
}

}  // namespace ui::qt
