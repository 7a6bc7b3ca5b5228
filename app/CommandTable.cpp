#include "app/CommandTable.h"

#include "duct/AnemoBox.h"
#include "duct/AnemoUnineck.h"
#include "duct/ButtBranch.h"
#include "duct/Damper.h"
#include "duct/DiagonalDuct.h"
#include "duct/DuctUpDown.h"
#include "duct/ElbowUpDown.h"
#include "duct/ElbowUpDownRun.h"
#include "duct/FlexDuct.h"
#include "duct/GeneralElbow.h"
#include "duct/GrilleBox.h"
#include "duct/LinedBox.h"
#include "duct/SPipe.h"
#include "duct/ShortPipe.h"
#include "duct/SilencerElbow.h"
#include "duct/StraightDuct.h"
#include "duct/ThreeWayBranch.h"
#include "duct/TwoWayBranch.h"
#include "piping/CatalogueDialog.h"
#include "piping/FittingAttributeDialog.h"
#include "piping/PipeLineAttributeDialog.h"
#include "piping/PipeLineDialog.h"
#include "takeoff/ResultsDialog.h"
#include "takeoff/TakeoffSettingsDialog.h"

namespace app {
namespace {

constexpr auto F = BatchMode::Figure;
const std::nullopt_t none = std::nullopt;

}  // namespace

const std::vector<Command>& PipeCommands() {
  static const std::vector<Command> commands = {
      {1201, "継手・部材選択", "継手配置", F, 0, &Open<piping::CatalogueDialog>},
      {1202, "属性設定", none, F, 2, &Open<piping::FittingAttributeDialog>},
      {1203, "サイズ選択", "配管線作図", BatchMode::PipeLine, none, &Open<piping::PipeLineDialog>},
      {1204, "属性設定", none, F, 16, &Open<piping::PipeLineAttributeDialog>},
      {1205, "集計", none, F, 26, &Open<takeoff::ResultsDialog>},
      {1206, "初期設定", none, F, 27, &Open<takeoff::TakeoffSettingsDialog>},
  };
  return commands;
}

const std::vector<Command>& DuctCommands() {
  static const std::vector<Command> commands = {
      {1101, "割込分岐：三方向　　　　", "割込分岐：三方向", F, 2, &Open<duct::ThreeWayBranch>},
      {1102, "割込分岐：二・双・T方向", "割込分岐：二方向", F, 3, &Open<duct::TwoWayBranch>},
      {1103, "一般両エルボ", "一般両エルボ", F, 4, &Open<duct::GeneralElbow>},
      {1104, "消音付エルボ", "消音付エルボ", F, 5, &Open<duct::SilencerElbow>},
      {1105, "エルボ上下：単独", "エルボ上下：単独", F, 7, &Open<duct::ElbowUpDown>},
      {1106, "エルボ上下：連続", "エルボ上下：連続", F, 24, &Open<duct::ElbowUpDownRun>},
      {1107, "突付け分岐枝管", "突付け分岐枝管", F, 6, &Open<duct::ButtBranch>},
      {1108, "短管・片落管", "短管・片落管", F, 10, &Open<duct::ShortPipe>},
      {1109, "S字管", "S字管", F, 8, &Open<duct::SPipe>},
      {1110, "内貼り付ボックス", "内貼り付ボックス", F, 9, &Open<duct::LinedBox>},
      {1111, "アネモ+ユニネック", "アネモ+ユニネック", F, 11, &Open<duct::AnemoUnineck>},
      {1112, "アネモ+ボックス", "アネモ+ボックス", F, 12, &Open<duct::AnemoBox>},
      {1113, "角形制気口+ボックス", "角形制気+ボックス", F, 23, &Open<duct::GrilleBox>},
      {1114, "フレキダクト", "フレキダクト", F, 19, &Open<duct::FlexDuct>},
      {1115, "斜め上下振りダクト", "斜め上下振りダクト", F, 20, &Open<duct::DiagonalDuct>},
      {1116, "アップダウン", "アップダウン", F, 22, &Open<duct::DuctUpDown>},
      {1117, "ダンパー", "ダンパー", F, 21, &Open<duct::Damper>},
      {1118, "直管作図", "直管作図", BatchMode::StraightDuct, 13, &Open<duct::StraightDuct>},
  };
  return commands;
}

const Command* FindCommand(int buttonId) {
  for (const auto* table : {&DuctCommands(), &PipeCommands()})
    for (const Command& command : *table)
      if (command.buttonId == buttonId) return &command;
  return nullptr;
}

}  // namespace app
