// Plays a script of user actions against the dialogs, with no display.
// One action per line, always on the dialog in front:
//
//   click CONTROL            press a button, check box or radio button
//   press CONTROL            the same
//   type CONTROL TEXT        focus an edit box and type TEXT (may be empty)
//   select CONTROL ITEM      choose the item ITEM of a combo or list box
//   select-index CONTROL N   choose item N (from 0)
//   focus CONTROL            put the focus on a control
//   dblclick CONTROL         double-click a list box
//   mouse X Y                click the dialog at pixel X, Y
//   enter | close            press Enter | Esc (or the close box)
//   answer ok|cancel         the answer to the next OK/Cancel question
//   file PATH                the file the next file dialog returns
//   expect CONTROL TEXT      fail unless the control shows TEXT
//   expect-checked CONTROL 0|1
//   expect-cell CONTROL ROW COL TEXT
//                            fail unless the grid's cell (row 0: headers) shows TEXT
//   expect-message TEXT      fail unless the next message box shown said TEXT
//                            (\n stands for a line break)
//   # ...                    a comment; blank lines are skipped
//
// CONTROL is an id or a caption; a caption with blanks is written in double
// quotes. Actions that the dialog does not allow, failed expectations and
// error messages nobody expected make the run fail.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "ui/headless/HeadlessServices.h"

namespace ui {

struct ScriptLine {
  int number;
  std::string verb, control, rest;
};

std::vector<ScriptLine> ParseScript(const std::vector<std::string>& lines);

class PlayServices : public HeadlessServices {
 public:
  PlayServices(std::vector<ScriptLine> script, std::ostream& out);
  // Runs the outermost dialog; returns true when the whole script succeeded.
  bool Play(DialogHandler& mainDialog);

 private:
  void Drive(DialogHandler& dialog);
  void Perform(DialogHandler& dialog, const ScriptLine& line);
  void CheckMessages();

  std::vector<ScriptLine> script_;
  size_t next_ = 0;
  size_t checkedMessages_ = 0;
  std::ostream& out_;
  bool failed_ = false;
};

}  // namespace ui
