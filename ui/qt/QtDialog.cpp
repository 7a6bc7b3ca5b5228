#include "ui/qt/QtDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "ui/FrontEnd.h"
#include "ui/qt/QtCanvas.h"
#include "ui/qt/QtTable.h"

namespace ui::qt {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QString& text) { return text.toStdString(); }

// A combo box takes the height of one line; the rest of its rectangle is the
// room its list drops into.
constexpr int kComboHeightDu = 12;

// Grids: widths come in twips, 15 to a pixel at 96 dpi; rows are as high as
// the header row the take-off tables ask for.
constexpr int kTwipsPerPixel = 15;
constexpr int kGridRowHeight = 18;

// Combo boxes with a drop-down button as narrow as Windows draws it, so that
// the four-digit sizes of a narrow size list show whole.
class CompactComboStyle : public QProxyStyle {
 public:
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                       const QWidget* widget) const override {
    QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
    if (control != CC_ComboBox) return rect;
    const QRect frame = option->rect;
    const int button = 12;
    if (part == SC_ComboBoxArrow) return QRect(frame.right() - button, frame.top() + 1, button, frame.height() - 2);
    if (part == SC_ComboBoxEditField) return QRect(frame.left() + 3, frame.top() + 2, frame.width() - button - 5,
                                                   frame.height() - 4);
    return rect;
  }
};

QStyle* ComboStyle() {
  static CompactComboStyle* style = new CompactComboStyle;
  return style;
}

// A caption wider than its button (a few sheet names are) is set a few
// pixels smaller rather than clipped.
void FitCaption(QPushButton& button, const QFont& dialogFont) {
  QFont font = dialogFont;
  const int room = button.width() - 6;
  const int smallest = dialogFont.pixelSize() - 3;
  while (font.pixelSize() > smallest && QFontMetrics(font).horizontalAdvance(button.text()) > room)
    font.setPixelSize(font.pixelSize() - 1);
  button.setFont(font);
}

}  // namespace

void QtDialog::Call(const std::function<void()>& action) {
  try {
    action();
  } catch (...) {
    HoldException();
  }
}

QString FontFamily(const std::string& face) { return Q(StandInFont(face)); }

QFont DialogFont(const Layout& layout) {
  QFont font(FontFamily(layout.font));
  // Pixels at 96 dpi whatever the screen: the layouts, the guide sketches and
  // the previews are laid out together in dialog pixels.
  font.setPixelSize(layout.pointSize * 4 / 3);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

QtDialog::QtDialog(DialogHandler& handler, QWidget* parent)
    : QDialog(parent), handler_(handler), form_(handler.form()) {
  const Layout& layout = form_.layout();
  setWindowTitle(Q(layout.caption));
  setFont(DialogFont(layout));
  Rect size = form_.ToPixels(Rect{0, 0, layout.width, layout.height});
  setFixedSize(size.width, size.height);
  for (const Control& control : layout.controls) {
    QWidget* widget = Create(control);
    if (!widget) continue;
    Rect r = form_.ToPixels(control.rect);
    if (control.kind == Kind::Combo || control.kind == Kind::DropList)
      r.height = std::min(r.height, form_.ToPixels(Rect{0, 0, 0, kComboHeightDu}).height + 4);
    widget->setGeometry(r.x, r.y, r.width, r.height);
    // Static texts and buttons paint their own background, as Windows
    // controls do, so that a sketch line under a label is covered by it.
    if (control.kind != Kind::Group && control.kind != Kind::Frame) widget->setAutoFillBackground(true);
    if (control.id != kNoId) {
      widgets_[control.id] = widget;
      ids_[widget] = control.id;
      SyncAll(control.id);
    } else if (control.flags & kHidden) {
      widget->hide();
    }
  }
  form_.SetView(this);
}

QtDialog::~QtDialog() { form_.SetView(nullptr); }

QWidget* QtDialog::widget(int id) const {
  auto it = widgets_.find(id);
  return it == widgets_.end() ? nullptr : it->second;
}

QWidget* QtDialog::Create(const Control& c) {
  const int id = c.id;
  switch (c.kind) {
    case Kind::Button: {
      auto* button = new QPushButton(Q(c.caption), this);
      button->setAutoDefault(false);
      connect(button, &QPushButton::clicked, this, [this, id] { Call([&] { handler_.UserClick(id); }); });
      return button;
    }
    case Kind::Check:
    case Kind::Radio: {
      QAbstractButton* button;
      if (c.flags & kPushLike) {
        auto* push = new QPushButton(Q(c.caption), this);
        push->setAutoDefault(false);
        push->setCheckable(true);
        button = push;
      } else if (c.kind == Kind::Check) {
        button = new QCheckBox(Q(c.caption), this);
      } else {
        button = new QRadioButton(Q(c.caption), this);
      }
      button->setAutoExclusive(false);
      connect(button, &QAbstractButton::clicked, this, [this, id] {
        if (id != kNoId) Call([&] { handler_.UserClick(id); });
      });
      return button;
    }
    case Kind::Group: {
      auto* group = new QGroupBox(Q(c.caption), this);
      group->setAttribute(Qt::WA_TransparentForMouseEvents);
      group->lower();
      return group;
    }
    case Kind::Label: {
      auto* label = new QLabel(Q(c.caption), this);
      Qt::Alignment align = (c.flags & kCentred) ? Qt::AlignHCenter : (c.flags & kRight) ? Qt::AlignRight : Qt::AlignLeft;
      label->setAlignment(align | ((c.flags & kMultiline) ? Qt::AlignTop : Qt::AlignVCenter));
      label->setWordWrap(c.flags & kMultiline);
      if (c.flags & kBorder) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      label->setAttribute(Qt::WA_TransparentForMouseEvents);
      return label;
    }
    case Kind::Frame: {
      auto* frame = new QFrame(this);
      if (c.flags & kBorder) frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      frame->setAttribute(Qt::WA_TransparentForMouseEvents);
      return frame;
    }
    case Kind::Edit: {
      auto* edit = new QLineEdit(this);
      edit->setReadOnly(c.flags & kReadOnly);
      if (c.flags & kCentred) edit->setAlignment(Qt::AlignCenter);
      if (c.flags & kRight) edit->setAlignment(Qt::AlignRight);
      edit->installEventFilter(this);
      connect(edit, &QLineEdit::textEdited, this,
              [this, id](const QString& text) { Call([&] { handler_.UserEdit(id, S(text)); }); });
      return edit;
    }
    case Kind::Combo:
    case Kind::DropList: {
      auto* combo = new QComboBox(this);
      combo->setStyle(ComboStyle());
      combo->setEditable(c.kind == Kind::Combo);
      combo->setInsertPolicy(QComboBox::NoInsert);
      combo->installEventFilter(this);
      connect(combo, &QComboBox::activated, this,
              [this, id](int index) { Call([&] { handler_.UserSelect(id, index); }); });
      if (combo->lineEdit()) {
        combo->lineEdit()->installEventFilter(this);
        ids_[combo->lineEdit()] = id;
        connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                [this, id](const QString& text) { Call([&] { handler_.UserEdit(id, S(text)); }); });
      }
      return combo;
    }
    case Kind::List: {
      auto* list = new QListWidget(this);
      list->installEventFilter(this);
      connect(list, &QListWidget::currentRowChanged, this, [this, id](int row) {
        if (!syncing_ && row >= 0) Call([&] { handler_.UserSelect(id, row); });
      });
      connect(list, &QListWidget::itemDoubleClicked, this, [this, id] { Call([&] { handler_.UserDoubleClick(id); }); });
      return list;
    }
    case Kind::Progress: {
      auto* bar = new QProgressBar(this);
      bar->setTextVisible(false);
      return bar;
    }
    case Kind::Grid: {
      auto* view = new QTableView(this);
      view->setModel(new QtTable(view));
      view->verticalHeader()->hide();
      // Rows of one height, so that the view places any row without
      // measuring the rows before it.
      view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
      view->verticalHeader()->setMinimumSectionSize(1);
      view->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
      view->horizontalHeader()->setHighlightSections(false);
      view->setEditTriggers(QAbstractItemView::NoEditTriggers);
      view->setSelectionMode(QAbstractItemView::NoSelection);
      view->setWordWrap(false);
      return view;
    }
  }
  return nullptr;
}

void QtDialog::ControlChanged(int id, Aspect aspect) {
  if (widgets_.count(id)) Sync(id, aspect);
}

void QtDialog::SyncAll(int id) {
  for (Aspect aspect : {Aspect::Items, Aspect::Text, Aspect::Check, Aspect::Selection, Aspect::Enabled,
                        Aspect::Visible, Aspect::Colours, Aspect::Icon, Aspect::Progress, Aspect::Grid})
    Sync(id, aspect);
}

void QtDialog::Sync(int id, Aspect aspect) {
  QWidget* w = widgets_.at(id);
  const ControlState& s = form_.State(id);
  syncing_ = true;
  QSignalBlocker block(w);
  switch (aspect) {
    case Aspect::Text:
      if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text() != Q(s.text)) edit->setText(Q(s.text));
      } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (combo->isEditable()) {
          if (combo->currentText() != Q(s.text)) combo->setEditText(Q(s.text));
        } else {
          combo->setCurrentIndex(s.selection);
        }
      } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(s.icon ? QString() : Q(s.text));
        button->setAccessibleName(Q(s.text));
        if (auto* push = qobject_cast<QPushButton*>(button)) FitCaption(*push, font());
      } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(Q(s.text));
      } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        group->setTitle(Q(s.text));
      }
      break;
    case Aspect::Check:
      if (auto* button = qobject_cast<QAbstractButton*>(w)) button->setChecked(s.checked);
      break;
    case Aspect::Items:
      if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->clear();
        for (const std::string& item : s.items) combo->addItem(Q(item));
        combo->setCurrentIndex(s.selection);
        if (combo->isEditable()) combo->setEditText(Q(s.text));
      } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        list->clear();
        for (const std::string& item : s.items) list->addItem(Q(item));
        list->setCurrentRow(s.selection);
      }
      break;
    case Aspect::Selection:
      if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->setCurrentIndex(s.selection);
        if (combo->isEditable()) combo->setEditText(Q(s.text));
      } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        list->setCurrentRow(s.selection);
        if (s.selection < 0) list->clearSelection();
      }
      break;
    case Aspect::Enabled:
      w->setEnabled(s.enabled);
      break;
    case Aspect::Visible:
      w->setVisible(s.visible);
      break;
    case Aspect::Colours:
      if (s.coloured) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::WindowText, QColor(s.textColour.r, s.textColour.g, s.textColour.b));
        palette.setColor(QPalette::Window, QColor(s.backColour.r, s.backColour.g, s.backColour.b));
        w->setPalette(palette);
        w->setAutoFillBackground(true);
      }
      break;
    case Aspect::Icon:
      if (auto* button = qobject_cast<QAbstractButton*>(w); button && s.icon) {
        button->setIcon(QIcon(RenderPicture(s.icon, w->devicePixelRatioF())));
        button->setIconSize(QSize(s.icon.width, s.icon.height));
        button->setText(QString());
      }
      break;
    case Aspect::Progress:
      if (auto* bar = qobject_cast<QProgressBar*>(w)) {
        bar->setRange(0, std::max(1, s.progressMax));
        bar->setValue(std::clamp(s.progress, 0, std::max(1, s.progressMax)));
        // Progress moves while the one thread works: let the window show it.
        if (isVisible()) QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
      }
      break;
    case Aspect::Grid:
      if (auto* view = qobject_cast<QTableView*>(w)) {
        auto* model = static_cast<QtTable*>(view->model());
        model->Show(s.table);
        const TableModel& table = model->table();
        for (int col = 0; col < table.ColumnCount(); ++col)
          if (table.ColumnWidth(col) > 0) view->setColumnWidth(col, table.ColumnWidth(col) / kTwipsPerPixel);
        const int headerHeight = table.HeaderHeight() / kTwipsPerPixel;
        view->horizontalHeader()->setFixedHeight(headerHeight > 0 ? headerHeight : kGridRowHeight);
      }
      break;
  }
  syncing_ = false;
}

void QtDialog::Ended(int result) { done(result); }

void QtDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(font());
  QtCanvas canvas(painter);
  handler_.UserPaint(canvas);
}

void QtDialog::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    QPoint at = event->position().toPoint();
    Call([&] { handler_.UserMouseClick(at.x(), at.y()); });
  }
}

void QtDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    Call([&] { handler_.UserEnter(); });
  } else if (event->key() == Qt::Key_Escape) {
    Call([&] { handler_.UserClose(); });
  } else {
    QDialog::keyPressEvent(event);
  }
}

void QtDialog::closeEvent(QCloseEvent* event) {
  if (!form_.ended()) {
    event->ignore();
    Call([&] { handler_.UserClose(); });
  }
}

void QtDialog::reject() {
  if (!form_.ended()) Call([&] { handler_.UserClose(); });
  else QDialog::reject();
}

void QtDialog::accept() {
  if (!form_.ended()) Call([&] { handler_.UserEnter(); });
  else QDialog::accept();
}

bool QtDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    auto it = ids_.find(watched);
    if (it != ids_.end()) Call([&] { handler_.UserFocus(it->second); });
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace ui::qt
