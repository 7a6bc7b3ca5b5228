// "配管線作図": chooses the pipe, its nominal size and the options for the
// pipe-drawing program, and on "配置実行" leaves it Haikan.ini (what to
// draw), KanSekisan.ini (the take-off marker) and HaikanInp.ini (this
// dialog's state for the next opening).
#pragma once

#include <string>
#include <vector>

#include "piping/PipeFiles.h"
#include "ui/Dialog.h"

namespace piping {

enum PipeLineId {
  kPipeNameList = 1101,
  kSizeList = 1102,
  kOuterLabel = 1103,
  kFixed45 = 1104,
  kPipeCurrentLayer = 1105,
  kPipeTakeoff = 1106,
  kPipeClassification = 1107,
  kPipeClassificationLabel = 1108,
  kPipeKind = 1109,
  kPipeKindLabel = 1110,
  kSlopeLabel = 1111,
  kSlope = 1112,
  kSlopeUnit = 1113,
  kSlopeHint = 1114,
  kSlopeZero = 1115,
  kPipePlace = 1116,
  kPipeStatus = 1117,
};

// Size list and pipe-kind list type (1..5 KanName<n>.ini, 6 round duct) of
// pipe index 0..12.
const char* PipeSizeListFile(int pipe);
int PipeKindListType(int pipe);

class PipeLineDialog : public ui::DialogHandler {
 public:
  explicit PipeLineDialog(ui::Env env);

 protected:
  void OnInit() override;
  void OnNotify(int id, ui::Notify what) override;

 private:
  void SelectPipe(int pipe);
  void ShowOuterDiameter();
  void EnableTakeoff();
  void Place();
  std::vector<std::string> MarkerLines() const;

  int pipe_ = -1;
  std::vector<SizeEntry> sizes_;
  int kindListType_ = 0;
};

}  // namespace piping
