// Plays a script of user actions against the dialogs: headlessly through the
// form model, or, with --gui, on the real controls of a front end.
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
//   file PATH                the file the next file dialog returns: a path on
//                            the drive when it starts with "\", else a host path
//   expect CONTROL TEXT      fail unless the control shows TEXT
//   expect-checked CONTROL 0|1
//   expect-cell CONTROL ROW COL TEXT
//                            fail unless the grid's cell (row 0: headers) shows TEXT
//   expect-message TEXT      fail unless the next message box shown said TEXT
//                            (\n stands for a line break)
//   snapshot FILE            with a display, save a picture of the dialog in
//                            front to FILE (BMP); nothing without one
//   # ...                    a comment; blank lines are skipped
//
// CONTROL is an id or a caption; a caption with blanks is written in double
// quotes. Actions that the dialog does not allow, failed expectations and
// error messages nobody expected make the run fail.
#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "ui/headless/Driver.h"
#include "ui/headless/HeadlessServices.h"

namespace ui {

struct ScriptLine {
  int number;
  std::string verb, control, rest;
};

std::vector<ScriptLine> ParseScript(const std::vector<std::string>& lines);

// A run of a script, whatever the platform: the lines, the answers and files
// they queue for the message boxes and file dialogs to come, and the message
// boxes shown so far. The platform's services show the dialogs; whenever one
// is in front, they hand it to Drive with the road into its controls.
class Player {
 public:
  Player(std::vector<ScriptLine> script, const ui::Drive& drive, std::ostream& out);

  // Runs the outermost dialog through run(); true when the whole script
  // succeeded. Prints every dialog entered, every message box and the failure.
  bool Play(const std::function<void()>& run);
  // Performs the lines on the dialog until it ends or the script runs out.
  void Drive(DialogHandler& dialog, UserInput& input);
  // The answer for the next message box (OK unless the script queued Cancel
  // for an OK/Cancel question); Shown records the box as it was shown.
  Answer NextAnswer(Buttons buttons);
  void Shown(const std::string& text, const std::string& title, Answer answer);
  // The file the script chose for the next file dialog, or nothing (Cancel).
  std::optional<std::filesystem::path> NextFile();

 private:
  void Perform(DialogHandler& dialog, UserInput& input, const ScriptLine& line);
  void CheckMessages();

  std::vector<ScriptLine> script_;
  const ui::Drive& drive_;
  std::ostream& out_;
  size_t next_ = 0;
  std::deque<Answer> answers_;
  std::deque<std::filesystem::path> files_;
  struct Message {
    std::string text, title;
  };
  std::vector<Message> messages_;
  size_t checkedMessages_ = 0;
};

// The platform without a display, playing a script.
class PlayServices : public HeadlessServices {
 public:
  explicit PlayServices(Player& player) : player_(player) {}
  Answer Message(const std::string& text, const std::string& title, Buttons buttons) override;
  std::optional<std::filesystem::path> ChooseFile(const FileRequest& request) override;
  int RunModal(DialogHandler& dialog) override;

 private:
  Player& player_;
};

}  // namespace ui
