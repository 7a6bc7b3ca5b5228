// The life cycle every square-duct fitting dialog shares: it opens with its
// guide sketch, line attributes, common duct lengths and last settings,
// rebuilds its figure on every change, previews it, and on "配置実行" writes
// the drawing data and its settings and stays open for the next placement.
// A command adds its controls, settings lines, construction and messages.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "figure/Figure.h"
#include "figure/Template.h"
#include "settings/DuctSettings.h"
#include "ui/Dialog.h"

namespace duct {

inline const std::string kStatusStale = "《表示更新をクリック》";
inline const std::string kStatusSet = "設定後配置実行をクリック";
inline const std::string kStatusPlaced = "<<配置できます>>";

// The controls every fitting dialog has. A dialog without rotation buttons
// leaves `rotation` at kNoId, one without an angle box or mirror (the
// straight duct) `angle` and `mirror`.
struct FittingIds {
  int place = ui::kIdOk;  // "配置実行"
  int close = ui::kIdCancel;  // "終了"
  int update;             // "表示更新"
  int angle = ui::kNoId;  // the edit box after "角度="
  std::array<int, 8> rotation{ui::kNoId, ui::kNoId, ui::kNoId, ui::kNoId, ui::kNoId, ui::kNoId, ui::kNoId, ui::kNoId};
  int mirror = ui::kNoId;  // "左右反転"
  int currentLayer;       // "現在のレイヤに作図"
  int anchor;             // guide anchor: the sketch is drawn from its corner
  int preview;            // the frame under "《プレビュー》"
  int status;             // status label
};

// A drop list whose choice lands in an edit box: the list shows the entry
// equal to the box's text, or none, whatever put the text there.
struct ListedBox {
  int list;
  int box;
};

struct FittingSetup {
  std::string templateFile;  // in \Tavrin\set\, e.g. "AnemoB.tec" (empty: the command reads its own)
  std::string settingsFile;  // in \Tavrin\set\, e.g. "AnemoB.ini"
  figure::GuideScale guide;
  int commonLines = 4;  // lines of KyotuSet.ini the command reads (3 or 4; 0: not read)
  std::string openingStatus = kStatusStale;
  FittingIds ids;
  int drawNameLines = 0;  // settings lines the drawing name is formed from (0: all)
  std::vector<ListedBox> listedBoxes = {};
};

// One line of a command's settings file: a control's text, a check box as
// "1"/"0", or a radio group as "1", "2" ... for its buttons in order (a few
// files count them from "0").
struct SettingLine {
  enum Kind { kText, kCheck, kChoice };
  Kind kind;
  int id = ui::kNoId;
  std::vector<int> choices;
  int first = 1;  // the value of the first button
};
SettingLine TextLine(int id);
SettingLine CheckLine(int id);
SettingLine ChoiceLine(std::vector<int> buttons, int first = 1);

// The placement angle of a fitting built along +y, so that at the angle 0 it
// points along +x: angle + 270°, less 360° when the sum exceeds 360°.
double AlongYAngle(double angle);

class FittingDialog : public ui::DialogHandler {
 public:
  FittingDialog(ui::Env env, ui::Layout layout, FittingSetup setup, std::vector<SettingLine> settings);

  const figure::Figure& figure() const { return figure_; }
  double angle() const { return angle_; }
  int anchorId() const { return setup_.ids.anchor; }
  const std::vector<ListedBox>& listedBoxes() const { return setup_.listedBoxes; }

 protected:
  // Appends the frame record and the records of the fitting for the
  // current controls (the figure is empty and its placement set).
  virtual void Build() = 0;
  // Pixels per millimetre of the preview.
  virtual double PreviewScale() const = 0;
  // Fills the combo boxes when the dialog opens.
  virtual void FillLists() {}
  // Notifications of the command's own controls.
  virtual void OnCommand(int id, ui::Notify what) {}
  // "表示更新": rebuilds unless the command checks its input first.
  virtual void Update() { Rebuild(); }
  // The angle box changed: θ from its text (when not empty), rebuild.
  virtual void AngleChanged();
  // "左右反転" clicked: rebuild.
  virtual void MirrorClicked() { Rebuild(); }
  // The drawing name's prefix for commands that leave one.
  virtual std::optional<std::string> DrawNamePrefix() const { return std::nullopt; }
  // Before the placement writes anything: false refuses it (after a message).
  virtual bool CheckBeforePlacing() { return true; }
  // What a placement writes, all of it or (when one write fails) none:
  // first what the placing program reads (DrawData.txt), then the settings
  // file and the drawing name. A figure that is not finite or draws nothing
  // is refused with a message (no files): the old drawing data is kept and
  // nothing else written.
  virtual std::optional<std::vector<ui::Drive::Lines>> DrawingFiles();
  virtual std::vector<ui::Drive::Lines> SettingsFiles() const;

  // Clears the figure, builds it with the current placement and redraws.
  void Rebuild();
  // Rebuilds, writes DrawData.txt, the settings file and the drawing name
  // together, and shows "<<配置できます>>"; nothing when the checks or the
  // drawing data refuse.
  void Place();

  void SetStatus(const std::string& text);
  // The control's text as a number (atof).
  double Value(int id) const;
  // Writes a computed dimension as a whole number (truncated toward zero).
  void SetWhole(int id, double value);
  // Fills a combo box with the remembered duct sizes of KiokuSize.ini.
  void FillSizeList(int id);
  // The settings lines as they would be written now.
  std::vector<std::string> SettingsLines() const;
  // The same for a command's further settings file, and setting the
  // controls from one (a line that matches no value leaves its control).
  std::vector<std::string> SettingsLines(const std::vector<SettingLine>& settings) const;
  void LoadSettings(const std::string& file, const std::vector<SettingLine>& settings);
  // Reads the guide sketch from a template of \Tavrin\set\ and repaints.
  void ReadGuide(const std::string& templateFile);
  // The template's lines, for a command that paints its guide itself.
  const std::vector<std::string>& guideLines() const { return template_; }

  const FittingIds& ids() const { return setup_.ids; }
  const settings::CommonLengths& common() const { return common_; }
  figure::Figure& fig() { return figure_; }
  figure::Placement& placement() { return figure_.placement; }
  bool mirrored() const { return setup_.ids.mirror != ui::kNoId && form().Checked(setup_.ids.mirror); }
  void SetAngle(double angle) { angle_ = angle; }

  void OnInit() override;
  void OnPaint(ui::Canvas& canvas) override;
  void OnOk() override;

 private:
  void OnNotify(int id, ui::Notify what) final;

  FittingSetup setup_;
  std::vector<SettingLine> settings_;
  std::vector<std::string> template_;
  settings::CommonLengths common_;
  figure::Figure figure_;
  double angle_ = 0;
};

}  // namespace duct
