#include "duct/FittingDialog.h"

#include "figure/DrawData.h"
#include "figure/Preview.h"
#include "figure/RotationButtons.h"
#include "settings/Paths.h"
#include "ui/Text.h"

namespace duct {

SettingLine TextLine(int id) { return SettingLine{SettingLine::kText, id, {}}; }
SettingLine CheckLine(int id) { return SettingLine{SettingLine::kCheck, id, {}}; }
SettingLine ChoiceLine(std::vector<int> buttons, int first) {
  return SettingLine{SettingLine::kChoice, ui::kNoId, std::move(buttons), first};
}

double AlongYAngle(double angle) {
  double turned = angle + 270;
  return turned > 360 ? turned - 360 : turned;
}

FittingDialog::FittingDialog(ui::Env env, ui::Layout layout, FittingSetup setup, std::vector<SettingLine> settings)
    : DialogHandler(env, std::move(layout)), setup_(std::move(setup)), settings_(std::move(settings)) {}

void FittingDialog::OnInit() {
  if (!setup_.templateFile.empty()) template_ = figure::ReadTemplate(drive(), settings::SetFile(setup_.templateFile));
  form().SetColours(ids().status, ui::Rgb{50, 50, 255}, ui::Rgb{192, 192, 192});
  SetStatus(setup_.openingStatus);
  figure_.SetSlots(settings::ReadSlotTable(drive()));
  if (setup_.commonLines > 0) common_ = settings::ReadCommonLengths(drive(), setup_.commonLines);
  FillLists();
  LoadSettings(setup_.settingsFile, settings_);
  Rebuild();
}

void FittingDialog::ReadGuide(const std::string& templateFile) {
  template_ = figure::ReadTemplate(drive(), settings::SetFile(templateFile));
  form().Invalidate();
}

void FittingDialog::LoadSettings(const std::string& file, const std::vector<SettingLine>& settings) {
  std::vector<std::string> lines = drive().ReadLines(settings::SetFile(file));
  for (size_t i = 0; i < settings.size(); ++i) {
    const SettingLine& setting = settings[i];
    const std::string& value = ui::LineAt(lines, static_cast<int>(i) + 1);
    switch (setting.kind) {
      case SettingLine::kText:
        form().SetText(setting.id, value);
        break;
      case SettingLine::kCheck:
        if (value == "1" || value == "0") form().SetChecked(setting.id, value == "1");
        break;
      case SettingLine::kChoice: {
        int choice = ui::ToInt(value) - setting.first;
        if (std::to_string(choice + setting.first) == value && choice >= 0 &&
            choice < static_cast<int>(setting.choices.size()))
          form().SetChecked(setting.choices[choice], true);
        break;
      }
    }
  }
  if (ids().angle == ui::kNoId) return;
  angle_ = Value(ids().angle);
  int button = figure::RotationIndex(angle_);
  if (button >= 0 && ids().rotation[button] != ui::kNoId) form().SetChecked(ids().rotation[button], true);
}

std::vector<std::string> FittingDialog::SettingsLines() const { return SettingsLines(settings_); }

std::vector<std::string> FittingDialog::SettingsLines(const std::vector<SettingLine>& settings) const {
  std::vector<std::string> lines;
  for (const SettingLine& setting : settings) {
    switch (setting.kind) {
      case SettingLine::kText:
        lines.push_back(form().Text(setting.id));
        break;
      case SettingLine::kCheck:
        lines.push_back(form().Checked(setting.id) ? "1" : "0");
        break;
      case SettingLine::kChoice: {
        std::string value;
        for (size_t b = 0; b < setting.choices.size(); ++b)
          if (form().Checked(setting.choices[b])) value = std::to_string(static_cast<int>(b) + setting.first);
        lines.push_back(value);
        break;
      }
    }
  }
  return lines;
}

void FittingDialog::OnNotify(int id, ui::Notify what) {
  const FittingIds& c = ids();
  if (what == ui::Notify::Change)
    for (const ListedBox& listed : setup_.listedBoxes)
      if (listed.box == id) form().SetText(listed.list, form().Text(id));
  if (what == ui::Notify::Change && id == c.angle) return AngleChanged();
  if (what == ui::Notify::Click) {
    for (int i = 0; i < 8; ++i) {
      if (c.rotation[i] != ui::kNoId && id == c.rotation[i]) {
        return form().SetText(c.angle, std::to_string(figure::kRotationAngles[i]));
      }
    }
    if (id == c.mirror) return MirrorClicked();
    if (id == c.currentLayer) return SetStatus(kStatusSet);
    if (id == c.update) return Update();
    if (id == c.place) return Place();
  }
  OnCommand(id, what);
}

void FittingDialog::AngleChanged() {
  const std::string& text = form().Text(ids().angle);
  if (text.empty()) return;
  angle_ = ui::ToReal(text);
  Rebuild();
  SetStatus(kStatusSet);
}

// Enter places when "配置実行" is the default button and otherwise does
// nothing: it never closes the dialog behind the user's back.
void FittingDialog::OnOk() {
  if (ids().place == ui::kIdOk) Place();
}

void FittingDialog::Rebuild() {
  figure_.Clear();
  figure_.placement = figure::Placement{};
  figure_.placement.mirror = mirrored();
  figure_.placement.angle = angle_;
  Build();
  form().Invalidate();
}

void FittingDialog::Place() {
  Rebuild();
  if (!CheckBeforePlacing() || !WriteDrawing()) return;
  SaveSettings();
  SetStatus(kStatusPlaced);
}

bool FittingDialog::WriteDrawing() {
  if (!figure_.finite()) {
    Message(figure::InvalidFigure().what(), "入力確認");
    return false;
  }
  if (!figure_.drawsSomething()) {
    Message("作図する図形がありません。形状と寸法を確認してください。", "入力確認");
    return false;
  }
  figure::WriteDrawData(drive(), figure_, form().Checked(ids().currentLayer));
  return true;
}

void FittingDialog::SaveSettings() {
  std::vector<std::string> lines = SettingsLines();
  drive().WriteLines(settings::SetFile(setup_.settingsFile), lines);
  if (auto prefix = DrawNamePrefix()) {
    std::vector<std::string> values = lines;
    if (setup_.drawNameLines > 0 && values.size() > static_cast<size_t>(setup_.drawNameLines))
      values.resize(setup_.drawNameLines);
    settings::WriteDrawName(drive(), *prefix, values, common_);
  }
}

void FittingDialog::OnPaint(ui::Canvas& canvas) {
  // The anchor only places the sketch: it is not painted, so nothing of it shows.
  ui::Rect anchor = form().PixelRect(ids().anchor);
  figure::DrawGuide(canvas, template_, setup_.guide, {anchor.x, anchor.y});
  figure::DrawPreview(canvas, figure_, PreviewScale(), form().PixelRect(ids().preview));
}

void FittingDialog::SetStatus(const std::string& text) { form().SetText(ids().status, text); }

double FittingDialog::Value(int id) const { return ui::ToReal(form().Text(id)); }

void FittingDialog::SetWhole(int id, double value) { form().SetText(id, ui::FormatWhole(value)); }

void FittingDialog::FillSizeList(int id) { form().SetItems(id, settings::ReadSizeList(drive())); }

}  // namespace duct
