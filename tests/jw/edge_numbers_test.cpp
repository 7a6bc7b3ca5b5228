// Numbers at the edges: every numeric field of every placing dialog is fed,
// at random but from a fixed seed, values a user or an old settings file may
// hold (0, negative, tiny, huge, "inf", "nan", "1e999", twelve digits,
// full-width digits, empty), and the dialog places. The result is either a
// message that refuses the input, with nothing written, or a placement that
// says so and whose files the placing program draws; never a crash, an
// internal error, a placement slower than a second, or a success report with
// an empty or broken file.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <random>

#include "app/CommandTable.h"
#include "jw/DuctRun.h"
#include "jw/Exchange.h"
#include "jw/FigPlace.h"
#include "jw/Files.h"
#include "jw/PipeRun.h"
#include "settings/AttributeDialog.h"
#include "tests/jw/JwTestDrive.h"
#include "ui/headless/Driver.h"

namespace fs = std::filesystem;

namespace {

const char* const kEdgeValues[] = {"0",     "-1",    "-250",         "1e-300",     "1e308", "-1e308",
                                   "inf",   "nan",   "1e999",        "123456789012", "１２３", ""};

#if defined(__SANITIZE_ADDRESS__)
constexpr auto kPlacementBudget = std::chrono::seconds(5);  // the sanitizers slow everything down
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr auto kPlacementBudget = std::chrono::seconds(5);
#else
constexpr auto kPlacementBudget = std::chrono::seconds(1);
#endif
#else
constexpr auto kPlacementBudget = std::chrono::seconds(1);
#endif

struct Placing {
  std::string name;
  int button;                                      // the panel's button of the command
  std::function<void(ui::Driver&)> before = nullptr;  // what the user does before filling the fields
};

void PrintTo(const Placing& placing, std::ostream* out) { *out << placing.name; }

std::vector<Placing> Placings() {
  std::vector<Placing> placings;
  for (const app::Command& command : app::DuctCommands())
    placings.push_back({"duct_" + std::to_string(command.buttonId), command.buttonId});
  placings.push_back({"catalogue", 1201, test::PickCatalogueElbow});
  // With take-off information: the distance field of its straight pipe too.
  placings.push_back({"catalogue_takeoff", 1201, [](ui::Driver& user) {
                        test::PickCatalogueElbow(user);
                        if (!user.Checked("積算情報を付加する")) user.Click("積算情報を付加する");
                        user.Select(1663, "給水");
                        user.Select(1665, "SGP(白)");
                      }});
  placings.push_back({"pipe_line", 1203, [](ui::Driver& user) {
                        user.SelectIndex(1102, 2);  // a size, without which nothing is placed
                        if (!user.Checked("積算情報を付加する")) user.Click("積算情報を付加する");
                      }});
  return placings;
}

bool Shows(const ui::Form& form, std::initializer_list<const char*> texts) {
  for (const ui::Control& control : form.layout().controls)
    for (const char* text : texts)
      if (control.id != ui::kNoId && form.Text(control.id) == text) return true;
  return false;
}

// The files a placement leaves for the placing programs, as bytes.
struct Left {
  std::string drawData, choku, chokuSet, haikan, kanSekisan;
  bool operator==(const Left&) const = default;
};

Left Files(const test::TestDrive& t) {
  return {t.Bytes(R"(\Tavrin\set\DrawData.txt)"), t.Bytes(R"(\Tavrin\set\Choku.ini)"),
          t.Bytes(R"(\Tavrin\set\ChokuSet.ini)"), t.Bytes(R"(\Tavrin\HaikanSet\Haikan.ini)"),
          t.Bytes(R"(\Tavrin\HaikanSet\KanSekisan.ini)")};
}

// The placing programs draw what the placement left: shapes, each with
// finite numbers (the exchange reader takes no other).
void ExpectDrawable(const test::TestDrive& t, const Left& before, const Left& after) {
  auto lines = [&](const char* path) { return jw::ReadLinesOf(t.drive().Locate(path)); };
  auto shapes = [](const std::vector<std::string>& exchange) {
    size_t n = 0;
    for (const jw::Item& item : jw::ParseExchange(exchange, "drawn"))
      n += item.kind == jw::Item::Kind::Shape;
    return n;
  };
  try {
    if (after.drawData != before.drawData) {
      EXPECT_GT(shapes(jw::PlaceFigure(lines(R"(\Tavrin\set\DrawData.txt)"), {1000, 500})), 0u) << "an empty figure";
    }
    if (after.choku != before.choku || after.chokuSet != before.chokuSet) {
      EXPECT_GT(shapes(jw::DrawDuct(lines(R"(\Tavrin\set\Choku.ini)"), lines(R"(\Tavrin\set\ChokuSet.ini)"), {0, 0},
                                    {3000, 0})),
                0u);
    }
    if (after.haikan != before.haikan || after.kanSekisan != before.kanSekisan) {
      EXPECT_GT(shapes(jw::DrawPipe(lines(R"(\Tavrin\HaikanSet\Haikan.ini)"),
                                    lines(R"(\Tavrin\HaikanSet\KanSekisan.ini)"), {0, 0}, {2500, 0})),
                0u);
    }
  } catch (const jw::Error& error) {
    ADD_FAILURE() << "placed, but the placing program refuses it: " << error.what();
  }
}

// Places and checks the outcome: refused with a message and nothing
// written, or placed, quickly, with files the placing program draws.
void PlaceAndCheck(test::TestDrive& t, ui::DialogHandler& dialog) {
  Left before = Files(t);
  size_t shown = t.services().messages.size();
  auto start = std::chrono::steady_clock::now();
  ui::Driver(dialog).Click("配置実行");
  EXPECT_LT(std::chrono::steady_clock::now() - start, kPlacementBudget);
  std::vector<ui::HeadlessServices::Shown> messages(t.services().messages.begin() + shown,
                                                    t.services().messages.end());
  for (const auto& message : messages) EXPECT_NE(message.title, "Tavrin") << message.text;
  if (Shows(dialog.form(), {"<<配置できます>>", "配置できます", "配置できます。"})) {
    ExpectDrawable(t, before, Files(t));
  } else {
    EXPECT_FALSE(messages.empty()) << "neither placed nor refused";
    EXPECT_TRUE(Files(t) == before) << "refused, but written";
  }
}

class EdgeNumbers : public testing::TestWithParam<Placing> {};

TEST_P(EdgeNumbers, AreRefusedOrPlacedDrawably) {
  const Placing& placing = GetParam();
  test::JwTestDrive t;
  std::mt19937 random(1500 + placing.button);
  for (int round = 0; round < 12; ++round) {
    auto dialog = app::FindCommand(placing.button)->open(t.env());
    dialog->UserInit();
    ui::Driver user(*dialog);
    if (placing.before) placing.before(user);
    std::string typed;
    for (const ui::Control& control : dialog->form().layout().controls) {
      if (control.kind != ui::Kind::Edit || (control.flags & ui::kReadOnly) || random() % 2) continue;
      if (!dialog->form().Visible(control.id) || !dialog->form().Enabled(control.id)) continue;
      const char* value = kEdgeValues[random() % std::size(kEdgeValues)];
      user.Type(control.id, value);
      typed += " " + std::to_string(control.id) + "=\"" + value + "\"";
    }
    SCOPED_TRACE("round " + std::to_string(round) + ":" + typed);

    PlaceAndCheck(t, *dialog);
  }
}

// The common duct lengths of the attribute dialog feed every duct command.
TEST(EdgeNumbers, InTheCommonLengthsAreRefusedOrPlacedDrawably) {
  test::JwTestDrive t;
  std::mt19937 random(1700);
  for (int round = 0; round < 4; ++round) {
    settings::AttributeDialog attributes(t.env());
    attributes.UserInit();
    ui::Driver user(attributes);
    std::string typed;
    for (int id : {settings::kAngleWidth, settings::kFlange, settings::kHatchWidth}) {
      const char* value = kEdgeValues[random() % std::size(kEdgeValues)];
      user.Type(id, value);
      typed += " " + std::to_string(id) + "=\"" + value + "\"";
    }
    user.Click("OK");
    SCOPED_TRACE("round " + std::to_string(round) + ":" + typed);
    for (const app::Command& command : app::DuctCommands()) {
      SCOPED_TRACE(command.caption);
      auto dialog = command.open(t.env());
      dialog->UserInit();
      PlaceAndCheck(t, *dialog);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryPlacingDialog, EdgeNumbers, testing::ValuesIn(Placings()),
                         [](const testing::TestParamInfo<Placing>& info) { return info.param.name; });

}  // namespace
