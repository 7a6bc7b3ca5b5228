#include "piping/PipeLineDialog.h"

#include "piping/Marker.h"
#include "settings/Paths.h"
#include "ui/Drive.h"
#include "ui/Text.h"

namespace piping {
namespace {

using settings::HaikanFile;


const int kTakeoffControls[] = {kPipeClassification, kPipeClassificationLabel, kPipeKind, kPipeKindLabel,
                                kSlopeLabel,         kSlope,                   kSlopeUnit, kSlopeHint,
                                kSlopeZero};

ui::Layout PipeLineLayout() {
  ui::Layout layout;
  layout.caption = "配管線作図";
  layout.width = 318;
  layout.height = 214;
  layout.Group("《継手名》", {7, 5, 130, 172});
  layout.List(kPipeNameList, {13, 17, 118, 154}, ui::kBorder);
  layout.Group("<<呼径>>", {143, 5, 58, 172});
  layout.List(kSizeList, {149, 17, 46, 140}, ui::kBorder);
  layout.Label(kOuterLabel, "", {143, 180, 90, 10});

  layout.Check(kFixed45, "45°固定", {208, 10, 100, 12});
  layout.Check(kPipeCurrentLayer, "現在のレイヤに作図", {208, 25, 100, 12});
  layout.Check(kPipeTakeoff, "積算情報を付加する", {208, 40, 100, 12});
  layout.Label(kPipeClassificationLabel, "【分　類】", {208, 56, 100, 10});
  layout.Combo(kPipeClassification, {208, 67, 100, 120});
  layout.Label(kPipeKindLabel, "【配管種類】", {208, 84, 100, 10});
  layout.Combo(kPipeKind, {208, 95, 100, 120});
  layout.Label(kSlopeLabel, "傾き角度", {208, 115, 40, 10});
  layout.Edit(kSlope, {248, 113, 28, 12}, ui::kRight);
  layout.Label(kSlopeUnit, "°", {278, 115, 8, 10});
  layout.Button(kSlopeZero, "0", {290, 113, 18, 12});
  layout.Label(kSlopeHint, "（0～89までの整数値：\n0は水平）", {208, 130, 104, 20}, ui::kMultiline);

  layout.Button(kPipePlace, "配置実行", {208, 156, 100, 18}, ui::kDefault);
  layout.Button(ui::kIdCancel, "終了", {258, 190, 53, 17});
  layout.Label(kPipeStatus, "", {7, 194, 130, 12}, ui::kCentred);
  return layout;
}

}  // namespace

const char* PipeSizeListFile(int pipe) {
  static const char* const files[kPipeNames] = {
      "Gaikei_Enbi.ini",   "Gaikei_Enbi.ini",   "Gaikei_Koukan.ini", "Gaikei_Koukan.ini", "Gaikei_Koukan.ini",
      "Gaikei_Koukan.ini", "Gaikei_Doukan.ini", "Gaikei_Koukan.ini", "Gaikei_sus.ini",    "Gaikei_sus.ini",
      "Gaikei_Koukan.ini", "Gaikei_cip.ini",    "Gaikei_Maru.ini"};
  return files[pipe];
}

int PipeKindListType(int pipe) {
  static const int types[kPipeNames] = {2, 2, 1, 1, 1, 1, 3, 1, 4, 4, 1, 5, 6};
  return types[pipe];
}

PipeLineDialog::PipeLineDialog(ui::Env env) : DialogHandler(env, PipeLineLayout()) {}

void PipeLineDialog::OnInit() {
  form().SetColours(kPipeStatus, kStatusText, kStatusBack);
  std::vector<std::string> names = drive().ReadLines(HaikanFile("HaikanName.ini"));
  names.resize(kPipeNames);
  form().SetItems(kPipeNameList, names);

  std::vector<std::string> state = drive().ReadLines(HaikanFile("HaikanInp.ini"));
  form().SetChecked(kFixed45, ui::ToInt(ui::LineAt(state, 3)) != 0);
  form().SetChecked(kPipeCurrentLayer, ui::ToInt(ui::LineAt(state, 4)) != 0);
  form().SetChecked(kPipeTakeoff, ui::ToInt(ui::LineAt(state, 5)) != 0);
  form().SetItems(kPipeClassification, drive().ReadLines(HaikanFile("KanBunruiName.ini")));

  int pipe = ui::ToInt(ui::LineAt(state, 1));
  if (pipe >= 0 && pipe < kPipeNames) {
    SelectPipe(pipe);
    form().SetSelection(kSizeList, ui::ToInt(ui::LineAt(state, 2)));
  }
  form().SetText(kPipeClassification, ui::LineAt(state, 6));
  form().SetText(kPipeKind, ui::LineAt(state, 7));
  form().SetText(kSlope, ui::LineAt(state, 8));
  ShowOuterDiameter();
  EnableTakeoff();
}

void PipeLineDialog::OnNotify(int id, ui::Notify what) {
  if (id == kPipeNameList && what == ui::Notify::Select) {
    form().SetText(kPipeStatus, "");
    return SelectPipe(form().Selection(kPipeNameList));
  }
  if (id == kSizeList && what == ui::Notify::Select) {
    form().SetText(kPipeStatus, "");
    return ShowOuterDiameter();
  }
  if (what != ui::Notify::Click) return;
  if (id == kPipeTakeoff) return EnableTakeoff();
  if (id == kSlopeZero) return form().SetText(kSlope, "0");
  if (id == kPipePlace) return Place();
}

// The lists are read before anything changes: a list that cannot be read
// leaves the pipe shown before, whole, with its name selected.
void PipeLineDialog::SelectPipe(int pipe) {
  if (pipe < 0 || pipe >= kPipeNames) return;
  form().SetSelection(kPipeNameList, pipe_);
  std::vector<SizeEntry> sizes = ReadSizeList(drive(), PipeSizeListFile(pipe));
  const int kindListType = PipeKindListType(pipe);
  std::vector<std::string> kinds = kindListType == 6 ? std::vector<std::string>{} : ReadPipeKinds(drive(), kindListType);
  pipe_ = pipe;
  form().SetSelection(kPipeNameList, pipe);
  sizes_ = std::move(sizes);
  std::vector<std::string> nominals;
  for (const SizeEntry& size : sizes_) nominals.push_back(size.nominal);
  form().SetItems(kSizeList, nominals);
  form().SetText(kOuterLabel, "");
  kindListType_ = kindListType;
  form().SetItems(kPipeKind, kinds);
  form().SetText(kPipeKind, kindListType_ == 6 ? kRoundDuct : "");
}

void PipeLineDialog::ShowOuterDiameter() {
  int size = form().Selection(kSizeList);
  form().SetText(kOuterLabel, size >= 0 ? "作図外径=" + sizes_[size].outer : "");
}

void PipeLineDialog::EnableTakeoff() {
  bool on = form().Checked(kPipeTakeoff);
  for (int id : kTakeoffControls) form().SetEnabled(id, on);
}

void PipeLineDialog::Place() {
  int size = form().Selection(kSizeList);
  if (size < 0) {
    Message("呼径を選択してください。", "確認");
    return;
  }
  form().SetText(kPipeStatus, "配置できます。");
  std::string attributes = ui::LineAt(drive().ReadLines(HaikanFile("HaikanSet.ini")), pipe_ + 1);
  std::vector<std::string> parameters;
  for (int n = 1; n <= 4; ++n) parameters.push_back(ui::GetListField(attributes, n, '-'));
  parameters.insert(parameters.end(), {sizes_[size].outer, "-", Flag(form().Checked(kFixed45)),
                                       Flag(form().Checked(kPipeCurrentLayer))});
  drive().WriteLines(HaikanFile("Haikan.ini"), parameters);

  drive().WriteLines(HaikanFile("HaikanInp.ini"),
                     {std::to_string(pipe_), std::to_string(size), Flag(form().Checked(kFixed45)),
                      Flag(form().Checked(kPipeCurrentLayer)), Flag(form().Checked(kPipeTakeoff)),
                      form().Text(kPipeClassification), form().Text(kPipeKind), form().Text(kSlope)});
  drive().WriteLines(HaikanFile("KanSekisan.ini"), MarkerLines());
}

std::vector<std::string> PipeLineDialog::MarkerLines() const {
  std::vector<std::string> settings = drive().ReadLines(HaikanFile("SekisanSet.ini"));
  const std::string& size = form().Items(kSizeList)[form().Selection(kSizeList)];
  auto position = [&](int id) { return ListPosition(form().Items(id), form().Text(id)); };
  // The pipe by its place in the list (names may repeat); none when it has no name.
  const int pipeName = ui::LineAt(form().Items(kPipeNameList), pipe_ + 1).empty() ? 0 : pipe_ + 1;
  return {Flag(form().Checked(kPipeTakeoff)),
          ui::LineAt(settings, 4),
          ui::LineAt(settings, 5),
          ui::LineAt(settings, 6),
          size,
          MarkerRadius(9, 222),
          MarkerRadius(8, position(kPipeClassification)),
          MarkerRadius(7, position(kPipeKind)),
          MarkerRadius(6, pipeName),
          MarkerRadius(5, ui::ToInt(size)),
          MarkerRadius(4, ui::ToInt(form().Text(kSlope))),
          MarkerRadius(3, kindListType_),
          MarkerRadius(2, 0),
          MarkerRadius(1, 0)};
}

}  // namespace piping
