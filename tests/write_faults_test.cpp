// Every way the program writes a file, through every fault of the file
// system that can meet it: a disk that fills up mid-write, a read-only
// folder, a read-only file, a symbolic link, a folder in the file's place and
// a folder that vanished after the dialog read from it. Each write path is
// first run once to learn which files it writes; then, for each of those
// files and each fault, the old files must stay as they were byte for byte
// with no temporary file left, the user must see the file error naming the
// file, and once the fault is gone the same window must write the file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <optional>

#include "app/CommandPanel.h"
#include "app/CommandTable.h"
#include "settings/AttributeDialog.h"
#include "takeoff/ResultsDialog.h"
#include "tests/TakeoffFixture.h"
#include "tests/TestDrive.h"
#include "tests/WriteFaults.h"
#include "ui/headless/Driver.h"

namespace fs = std::filesystem;

namespace {

// What a path of the drive holds, as far as a write could change it.
struct Entry {
  fs::file_type type;
  std::string content;  // a file's bytes, a link's target
  fs::perms perms;
  ino_t inode;
  bool operator==(const Entry& o) const { return type == o.type && content == o.content && perms == o.perms; }
};
using Snapshot = std::map<fs::path, Entry>;

Entry Inspect(const fs::path& path) {
  struct stat s {};
  lstat(path.c_str(), &s);
  fs::file_status status = fs::symlink_status(path);
  std::string content;
  if (fs::is_symlink(status)) content = fs::read_symlink(path).string();
  else if (fs::is_regular_file(status)) content = test::ReadBytes(path);
  return {status.type(), content, status.permissions(), s.st_ino};
}

// The drive without the catalogue's part folders, which the test drive links.
Snapshot Take(const fs::path& root) {
  Snapshot snapshot;
  for (const auto& entry : fs::recursive_directory_iterator(root)) snapshot[entry.path()] = Inspect(entry.path());
  return snapshot;
}

std::string Differences(const Snapshot& before, const Snapshot& after) {
  std::string text;
  for (const auto& [path, entry] : after)
    if (!before.count(path) || !(before.at(path) == entry)) text += "\n  changed or new: " + path.string();
  for (const auto& [path, entry] : before)
    if (!after.count(path)) text += "\n  gone: " + path.string();
  return text;
}

// The file errors shown since message `from`: the boxes titled "Tavrin".
std::vector<std::string> FileErrorsSince(test::TestDrive& t, size_t from) {
  std::vector<std::string> errors;
  const auto& messages = t.services().messages;
  for (size_t i = from; i < messages.size(); ++i)
    if (messages[i].title == "Tavrin") errors.push_back(messages[i].text);
  return errors;
}

// Gives the drive (not the shared part folders behind its links) to the
// unprivileged user, so that only the fault stops its writes.
void GiveToUnprivileged(const fs::path& root) {
  if (geteuid() != 0) return;
  lchown(root.c_str(), test::kUnprivileged, test::kUnprivileged);
  for (const auto& entry : fs::recursive_directory_iterator(root))
    lchown(entry.path().c_str(), test::kUnprivileged, test::kUnprivileged);
}

// ---- The write paths ----

struct WritePath {
  std::string name;
  // The dialog, opened as the user opens it.
  std::function<std::unique_ptr<ui::DialogHandler>(test::TestDrive&)> open;
  // The user's action that writes.
  std::function<void(test::TestDrive&, ui::Driver&)> act;
};

void PrintTo(const WritePath& path, std::ostream* out) { *out << path.name; }

std::unique_ptr<ui::DialogHandler> Opened(std::unique_ptr<ui::DialogHandler> dialog) {
  dialog->UserInit();
  return dialog;
}

auto Click(std::string caption) {
  return [caption](test::TestDrive&, ui::Driver& user) { user.Click(caption); };
}

// The take-off results of a small extract, titled "本館".
std::unique_ptr<ui::DialogHandler> TalliedResults(test::TestDrive& t) {
  test::WriteNameLists(t);
  test::WriteExtract(t, test::Extract({{}, {.pipeKind = 1, .distance = 15}}, {{.length = 250}}));
  auto dialog = Opened(std::make_unique<takeoff::ResultsDialog>(t.env()));
  ui::Driver user(*dialog);
  user.Type(std::to_string(takeoff::kTitle), "本館");
  user.Click("集計開始");
  return dialog;
}

// Saving the results through the file dialog as \Tavrin\SekisanData\本館.EXTENSION.
auto SaveResults(std::string button, std::string extension) {
  return [button, extension](test::TestDrive& t, ui::Driver& user) {
    t.services().files = {t.root() / "Tavrin" / "SekisanData" / ("本館." + extension)};
    user.Click(button);
  };
}

std::vector<WritePath> WritePaths() {
  std::vector<WritePath> paths;
  for (const app::Command& command : app::DuctCommands())
    paths.push_back({"place_" + std::to_string(command.buttonId),
                     [&command](test::TestDrive& t) { return Opened(command.open(t.env())); }, Click("配置実行")});
  auto command = [](int button) {
    return [button](test::TestDrive& t) { return Opened(app::FindCommand(button)->open(t.env())); };
  };
  paths.push_back({"place_catalogue",
                   [command](test::TestDrive& t) {
                     auto dialog = command(1201)(t);
                     ui::Driver user(*dialog);
                     test::PickCatalogueElbow(user);
                     return dialog;
                   },
                   Click("配置実行")});
  paths.push_back({"place_pipe_line",
                   [command](test::TestDrive& t) {
                     auto dialog = command(1203)(t);
                     ui::Driver(*dialog).SelectIndex(1102, 2);
                     return dialog;
                   },
                   Click("配置実行")});
  paths.push_back({"fitting_attributes", command(1202), Click("OK")});
  paths.push_back({"pipe_line_attributes", command(1204), Click("OK")});
  paths.push_back({"takeoff_settings", command(1206), Click("OK")});
  paths.push_back({"duct_attributes",
                   [](test::TestDrive& t) { return Opened(std::make_unique<settings::AttributeDialog>(t.env())); },
                   Click("OK")});
  paths.push_back({"takeoff_batch", TalliedResults, Click("読込開始")});
  paths.push_back({"results_sdt", TalliedResults, SaveResults("集計結果保存", "sdt")});
  paths.push_back({"results_csv", TalliedResults, SaveResults("CSV 出力", "csv")});
  paths.push_back({"results_pdf", TalliedResults, SaveResults("PDF に保存", "pdf")});
  paths.push_back({"results_xlsx", TalliedResults, SaveResults("Excel 出力", "xlsx")});
  auto panel = [](test::TestDrive& t) { return Opened(std::make_unique<app::CommandPanel>(t.env())); };
  paths.push_back({"panel_preset", panel, Click("1302")});
  paths.push_back({"panel_command_batch", panel, Click("1103")});
  return paths;
}

// ---- The faults ----

struct Fault {
  std::string name;
  enum Named { kTheFile, kAWrittenFile, kTheFolder, kNothing } named;  // what the error names
  bool unprivileged = false;  // checked as a user the permission bits bind
  // Sets the fault up at the file; returns what takes it away again, or
  // nothing where the fault cannot meet the file.
  std::function<std::optional<std::function<void()>>(test::TestDrive&, const fs::path&)> apply;
};

std::vector<Fault> Faults() {
  auto moveAway = [](test::TestDrive& t, const fs::path& file, const char* folder) {
    fs::path away = t.root() / folder / file.filename();
    fs::create_directories(away.parent_path());
    fs::rename(file, away);
    return away;
  };
  return {
      {"a disk that fills up mid-write", Fault::kAWrittenFile, false,
       [](test::TestDrive&, const fs::path& file) -> std::optional<std::function<void()>> {
         auto size = fs::file_size(file);
         if (size == 0) return std::nullopt;  // nothing to write that could fill it
         auto limit = std::make_shared<test::WriteLimit>(size / 2);
         return [limit]() mutable { limit.reset(); };
       }},
      {"a read-only folder", Fault::kAWrittenFile, true,
       [](test::TestDrive& t, const fs::path& file) -> std::optional<std::function<void()>> {
         GiveToUnprivileged(t.root());
         fs::path folder = file.parent_path();
         fs::perms perms = fs::status(folder).permissions();
         fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                     fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
         return [folder, perms] { fs::permissions(folder, perms); };
       }},
      {"a read-only file", Fault::kTheFile, false,
       [](test::TestDrive&, const fs::path& file) -> std::optional<std::function<void()>> {
         fs::perms perms = fs::status(file).permissions();
         fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
         return [file, perms] { fs::permissions(file, perms); };
       }},
      {"a symbolic link", Fault::kNothing, false,
       [moveAway](test::TestDrive& t, const fs::path& file) -> std::optional<std::function<void()>> {
         fs::path target = moveAway(t, file, "linked");
         fs::create_symlink(target, file);
         return [file, target] {
           fs::remove(file);
           fs::rename(target, file);
         };
       }},
      {"a folder in the file's place", Fault::kTheFile, false,
       [moveAway](test::TestDrive& t, const fs::path& file) -> std::optional<std::function<void()>> {
         fs::path aside = moveAway(t, file, "aside");
         fs::create_directory(file);
         return [file, aside] {
           fs::remove(file);
           fs::rename(aside, file);
         };
       }},
      {"a folder that vanished after it was read", Fault::kTheFolder, false,
       [](test::TestDrive& t, const fs::path& file) -> std::optional<std::function<void()>> {
         fs::path folder = file.parent_path(), away = t.root() / "vanished";
         fs::rename(folder, away);
         return [folder, away] { fs::rename(away, folder); };
       }},
  };
}

// ---- The check ----

// The files the path writes (replaced or made anew), from a first run that
// also leaves every one of them on the drive with old bytes to keep.
std::vector<fs::path> Written(test::TestDrive& t, const WritePath& path) {
  auto dialog = path.open(t);
  ui::Driver user(*dialog);
  Snapshot before = Take(t.root());
  size_t shown = t.services().messages.size();
  path.act(t, user);
  EXPECT_EQ(FileErrorsSince(t, shown), std::vector<std::string>{});
  std::vector<fs::path> written;
  for (const auto& [file, entry] : Take(t.root()))
    if (entry.type == fs::file_type::regular && (!before.count(file) || before.at(file).inode != entry.inode))
      written.push_back(file);
  return written;
}

bool Names(const std::string& error, const Fault& fault, const fs::path& file, const std::vector<fs::path>& written) {
  auto mentions = [&](const fs::path& p) { return error.find(p.string()) != std::string::npos; };
  switch (fault.named) {
    case Fault::kTheFile: return mentions(file);
    case Fault::kAWrittenFile: return std::any_of(written.begin(), written.end(), mentions);
    case Fault::kTheFolder: return mentions(file.parent_path() / "");
    case Fault::kNothing: return false;
  }
  return false;
}

void CheckFault(test::TestDrive& t, const WritePath& path, const fs::path& file, const std::vector<fs::path>& written,
                const Fault& fault) {
  SCOPED_TRACE(fault.name + " at " + file.string());
  auto dialog = path.open(t);
  ui::Driver user(*dialog);
  std::optional<std::function<void()>> undo = fault.apply(t, file);
  if (!undo) return;
  Snapshot before = Take(t.root());
  size_t shown = t.services().messages.size();
  auto attempt = [&] {
    path.act(t, user);
    std::vector<std::string> errors = FileErrorsSince(t, shown);
    if (fault.named == Fault::kNothing) {
      // A link is written through: it stays, and its target is the new file.
      EXPECT_EQ(errors, std::vector<std::string>{});
      EXPECT_TRUE(fs::is_symlink(file));
      fs::path target = fs::read_symlink(file);
      EXPECT_NE(Inspect(target).inode, before.at(target).inode);
      return;
    }
    Snapshot after = Take(t.root());
    EXPECT_TRUE(after == before) << "the drive changed:" << Differences(before, after);
    ASSERT_EQ(errors.size(), 1u) << "one file error";
    EXPECT_TRUE(Names(errors[0], fault, file, written)) << errors[0];
    EXPECT_FALSE(dialog->form().ended()) << "the window closed";
  };
  if (fault.unprivileged) test::AsUnprivileged(attempt);
  else attempt();
  (*undo)();

  // The window is still usable: once the fault is gone, the same action writes.
  ino_t old = Inspect(file).inode;
  shown = t.services().messages.size();
  path.act(t, user);
  EXPECT_EQ(FileErrorsSince(t, shown), std::vector<std::string>{});
  EXPECT_NE(Inspect(file).inode, old) << "not written once the fault was gone";
}

class WriteFaults : public testing::TestWithParam<WritePath> {};

TEST_P(WriteFaults, KeepTheOldFilesAndNameTheFile) {
  test::TestDrive t;
  std::vector<fs::path> written = Written(t, GetParam());
  ASSERT_FALSE(written.empty());
  for (const fs::path& file : written)
    for (const Fault& fault : Faults()) CheckFault(t, GetParam(), file, written, fault);
}

INSTANTIATE_TEST_SUITE_P(EveryWritePath, WriteFaults, testing::ValuesIn(WritePaths()),
                         [](const testing::TestParamInfo<WritePath>& info) { return info.param.name; });

}  // namespace
