#include "ui/headless/PlayScript.h"

#include <ostream>

#include "ui/Drive.h"
#include "ui/Text.h"

namespace ui {
namespace {

// Thrown to unwind every open dialog when the script fails. It is not a
// std::exception, so no dialog's error boundary takes it for its own.
struct PlayAbort {
  std::string message;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Splits off the next word; a word may be quoted to hold blanks.
std::string NextWord(std::string_view& rest) {
  while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
  std::string word;
  if (!rest.empty() && rest.front() == '"') {
    size_t end = rest.find('"', 1);
    if (end == std::string_view::npos) end = rest.size();
    word = std::string(rest.substr(1, end - 1));
    rest.remove_prefix(std::min(end + 1, rest.size()));
  } else {
    size_t end = 0;
    while (end < rest.size() && !IsBlank(rest[end])) ++end;
    word = std::string(rest.substr(0, end));
    rest.remove_prefix(end);
  }
  if (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
  return word;
}

bool TakesControl(const std::string& verb) {
  return verb != "mouse" && verb != "enter" && verb != "close" && verb != "answer" && verb != "file" &&
         verb != "expect-message" && verb != "snapshot";
}

}  // namespace

std::vector<ScriptLine> ParseScript(const std::vector<std::string>& lines) {
  std::vector<ScriptLine> script;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string_view rest = lines[i];
    while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
    if (rest.empty() || rest.front() == '#') continue;
    ScriptLine line{static_cast<int>(i + 1), NextWord(rest), "", ""};
    if (TakesControl(line.verb)) line.control = NextWord(rest);
    line.rest = std::string(rest);
    script.push_back(std::move(line));
  }
  return script;
}

Player::Player(std::vector<ScriptLine> script, const ui::Drive& drive, std::ostream& out)
    : script_(std::move(script)), drive_(drive), out_(out) {}

bool Player::Play(const std::function<void()>& run) {
  try {
    run();
    CheckMessages();
    return true;
  } catch (const PlayAbort& abort) {
    out_ << "play: " << abort.message << "\n";
    return false;
  }
}

void Player::Drive(DialogHandler& dialog, UserInput& input) {
  out_ << "dialog 「" << dialog.form().layout().caption << "」\n";
  while (!dialog.form().ended() && next_ < script_.size()) {
    const ScriptLine& line = script_[next_++];
    try {
      Perform(dialog, input, line);
    } catch (const DriverError& error) {
      throw PlayAbort{"line " + std::to_string(line.number) + ": " + error.what()};
    }
    CheckMessages();
  }
}

Answer Player::NextAnswer(Buttons buttons) {
  if (buttons != Buttons::OkCancel || answers_.empty()) return Answer::Ok;
  Answer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void Player::Shown(const std::string& text, const std::string& title, Answer answer) {
  messages_.push_back({text, title});
  out_ << "[" << title << "] " << text << (answer == Answer::Cancel ? " -> キャンセル" : "") << "\n";
}

std::optional<std::filesystem::path> Player::NextFile() {
  if (files_.empty()) return std::nullopt;
  std::filesystem::path file = files_.front();
  files_.pop_front();
  return file;
}

// Error messages (file errors and other failures) make the script fail
// unless an expect-message line follows to take them.
void Player::CheckMessages() {
  if (next_ < script_.size() && script_[next_].verb == "expect-message") return;
  for (; checkedMessages_ < messages_.size(); ++checkedMessages_)
    if (messages_[checkedMessages_].title == "Tavrin")
      throw PlayAbort{"エラーが表示されました: " + messages_[checkedMessages_].text};
}

void Player::Perform(DialogHandler& dialog, UserInput& input, const ScriptLine& line) {
  Driver driver(dialog, input);
  const std::string& verb = line.verb;
  auto fail = [&](const std::string& why) { throw PlayAbort{"line " + std::to_string(line.number) + ": " + why}; };
  if (verb == "click" || verb == "press") {
    driver.Click(line.control);
  } else if (verb == "type") {
    driver.Type(line.control, line.rest);
  } else if (verb == "select") {
    driver.Select(line.control, line.rest);
  } else if (verb == "select-index") {
    driver.SelectIndex(line.control, ToInt(line.rest));
  } else if (verb == "focus") {
    driver.Focus(line.control);
  } else if (verb == "dblclick") {
    driver.DoubleClick(line.control);
  } else if (verb == "mouse") {
    driver.Mouse(ToInt(GetListField(line.rest, 1, ' ')), ToInt(GetListField(line.rest, 2, ' ')));
  } else if (verb == "enter") {
    driver.Enter();
  } else if (verb == "close") {
    driver.Close();
  } else if (verb == "answer") {
    if (line.rest != "ok" && line.rest != "cancel") fail("answer は ok か cancel です");
    answers_.push_back(line.rest == "ok" ? Answer::Ok : Answer::Cancel);
  } else if (verb == "file") {
    files_.push_back(StartsWith(line.rest, "\\") ? drive_.Locate(line.rest) : PathFromUtf8(line.rest));
  } else if (verb == "expect") {
    std::string shown = driver.Text(line.control);
    if (shown != line.rest) fail("「" + line.control + "」は「" + shown + "」で、「" + line.rest + "」ではありません");
  } else if (verb == "expect-cell") {
    std::string_view rest = line.rest;
    int row = ToInt(NextWord(rest)), col = ToInt(NextWord(rest));
    std::string shown = driver.Cell(line.control, row, col);
    if (shown != rest)
      fail("「" + line.control + "」の " + std::to_string(row) + "," + std::to_string(col) + " は「" + shown +
           "」で、「" + std::string(rest) + "」ではありません");
  } else if (verb == "expect-checked") {
    bool shown = driver.Checked(line.control);
    if (shown != (line.rest == "1")) fail("「" + line.control + "」のチェックが " + (shown ? "1" : "0") + " です");
  } else if (verb == "expect-message") {
    if (checkedMessages_ >= messages_.size()) fail("メッセージ「" + line.rest + "」は表示されていません");
    const std::string& shown = messages_[checkedMessages_++].text;
    std::string wanted = line.rest;
    for (size_t at; (at = wanted.find("\\n")) != std::string::npos;) wanted.replace(at, 2, "\n");
    if (shown != wanted) fail("メッセージは「" + shown + "」で、「" + line.rest + "」ではありません");
  } else if (verb == "snapshot") {
    input.Snapshot(PathFromUtf8(line.rest));
  } else {
    fail("不明な操作「" + verb + "」");
  }
}

Answer PlayServices::Message(const std::string& text, const std::string& title, Buttons buttons) {
  Answer answer = player_.NextAnswer(buttons);
  player_.Shown(text, title, answer);
  return answer;
}

std::optional<std::filesystem::path> PlayServices::ChooseFile(const FileRequest& request) {
  return player_.NextFile();
}

int PlayServices::RunModal(DialogHandler& dialog) {
  dialog.UserInit();
  FormInput input(dialog);
  if (!dialog.form().ended()) player_.Drive(dialog, input);
  if (!dialog.form().ended()) dialog.UserClose();
  if (!dialog.form().ended()) dialog.form().End(kIdCancel);
  return dialog.form().result();
}

}  // namespace ui
