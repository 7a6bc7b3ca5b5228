// Every dialog the panel opens, looked at as a draftsman would: no caption,
// list entry or field clips its text, multi-line notes break only where
// their text says, and nothing of a fitting dialog's guide anchor shows.
// Before Qt, whose "slots" keyword would clash with the figure's slots().
#include "duct/FittingDialog.h"
// clang-format off
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyleOptionComboBox>

#include "app/CommandPanel.h"
#include "app/CommandTable.h"
#include "piping/CatalogueDialog.h"
#include "settings/AttributeDialog.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"
// clang-format on

namespace {

int TextWidth(const QWidget& w, const QString& text) { return w.fontMetrics().horizontalAdvance(text); }

// What of the widget's text does not fit, or empty.
std::vector<std::string> Clipped(const QWidget& w) {
  std::vector<std::string> clipped;
  auto check = [&](const QString& text, int room) {
    if (!text.isEmpty() && TextWidth(w, text) > room)
      clipped.push_back(text.toStdString() + "\" (" + std::to_string(TextWidth(w, text)) + " in " +
                        std::to_string(room) + ")");
  };
  if (auto* label = qobject_cast<const QLabel*>(&w)) {
    // A note of several lines breaks where its text says, never inside a word.
    const QStringList lines = label->text().split('\n');
    for (const QString& line : lines) check(line, label->contentsRect().width());
    if (lines.size() * w.fontMetrics().lineSpacing() > label->contentsRect().height() + 2)
      clipped.push_back(label->text().toStdString() + " (height)");
  } else if (auto* push = qobject_cast<const QPushButton*>(&w)) {
    check(push->text(), w.width() - 6);
  } else if (auto* button = qobject_cast<const QAbstractButton*>(&w)) {
    const int indicator = w.style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &w) +
                          w.style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &w);
    check(button->text(), w.width() - indicator);
  } else if (auto* combo = qobject_cast<const QComboBox*>(&w)) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const int room =
        w.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &w).width() - 4;
    // The widest entry stands for all.
    QString widest = combo->currentText();
    for (int i = 0; i < combo->count(); ++i)
      if (TextWidth(w, combo->itemText(i)) > TextWidth(w, widest)) widest = combo->itemText(i);
    check(widest, room);
  } else if (auto* edit = qobject_cast<const QLineEdit*>(&w)) {
    check(edit->text(), edit->contentsRect().width() - 6);
  } else if (auto* list = qobject_cast<const QListWidget*>(&w)) {
    for (int i = 0; i < list->count(); ++i) check(list->item(i)->text(), list->viewport()->width() - 4);
  } else if (auto* group = qobject_cast<const QGroupBox*>(&w)) {
    check(group->title(), w.width() - 8);
  }
  return clipped;
}

// Every visible control of the dialog, with what it clips.
void ExpectNothingClipped(ui::DialogHandler& dialog) {
  test::Screen screen(dialog);
  for (QWidget* w : screen.window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!w->isVisible()) continue;
    for (const std::string& text : Clipped(*w))
      ADD_FAILURE() << dialog.form().layout().caption << ": \"" << text << " does not fit its "
                    << w->metaObject()->className() << " of " << w->width() << " × " << w->height() << " pixels";
  }
}

}  // namespace

TEST(DialogPolish, NoControlClipsItsText) {
  {
    test::TestDrive t;
    app::CommandPanel panel(t.env());
    ExpectNothingClipped(panel);
  }
  for (const auto* table : {&app::DuctCommands(), &app::PipeCommands()}) {
    for (const app::Command& command : *table) {
      test::TestDrive t;
      ExpectNothingClipped(*command.open(t.env()));
    }
  }
  test::TestDrive t;
  settings::AttributeDialog attributes(t.env());
  ExpectNothingClipped(attributes);
}

// The sheet buttons take the captions of every family in turn; the longest
// ones are set smaller to fit.
TEST(DialogPolish, EveryFamilysSheetCaptionsFit) {
  test::TestDrive t;
  piping::CatalogueDialog catalogue(t.env());
  test::Screen screen(catalogue);
  const int families = static_cast<int>(catalogue.form().State(piping::kFamilyList).items.size());
  ASSERT_EQ(families, 22);
  for (int family = 0; family < families; ++family) {
    catalogue.UserSelect(piping::kFamilyList, family);
    for (QPushButton* button : screen.window().findChildren<QPushButton*>()) {
      if (!button->isVisible()) continue;
      for (const std::string& text : Clipped(*button))
        ADD_FAILURE() << "family " << family << ": \"" << text << " does not fit its button";
      EXPECT_GE(button->font().pixelSize(), 9) << button->text().toStdString();
    }
  }
}

TEST(DialogPolish, NothingOfTheGuideAnchorShows) {
  for (const app::Command& command : app::DuctCommands()) {
    test::TestDrive t;
    std::unique_ptr<ui::DialogHandler> dialog = command.open(t.env());
    auto* fitting = dynamic_cast<duct::FittingDialog*>(dialog.get());
    ASSERT_NE(fitting, nullptr) << command.caption;
    // The straight duct draws its sketch from the preview frame's corner.
    if (dialog->form().control(fitting->anchorId()).flags & ui::kBorder) continue;
    test::Screen screen(*dialog);
    QImage image = screen.Grab();
    const ui::Rect anchor = dialog->form().PixelRect(fitting->anchorId());
    const QRgb background = screen.window().palette().color(QPalette::Window).rgb();
    int shown = 0;
    for (int y = anchor.y; y < anchor.y + anchor.height; ++y)
      for (int x = anchor.x; x < anchor.x + anchor.width; ++x)
        if (image.pixel(x, y) != background && image.pixel(x, y) != qRgb(0, 0, 0)) ++shown;
    EXPECT_EQ(shown, 0) << command.caption;
  }
}
