// What the platform does for the program besides the dialogs' own controls:
// message boxes, file dialogs, printing, opening a document through the shell,
// the wait cursor and running a dialog modally.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace ui {

class DialogHandler;
class Drive;

enum class Buttons { Ok, OkCancel };
enum class Answer { Ok, Cancel };

struct FileRequest {
  bool save = false;
  std::string defaultExtension;  // "sdt"
  std::string fileName;          // initial name, or a pattern such as "*.sdt"
  std::string filter;            // "*.sdt"
  std::filesystem::path folder;  // host folder shown first
  bool confirmOverwrite = false;
};

// A printed document in 0.01 mm units, x to the right from the page's left
// edge and y upwards from its top edge (so the page runs to negative y).
struct PrintLine {
  int x1, y1, x2, y2, penWidth;
};
struct PrintFrame {
  int left, top, right, bottom, penWidth;
};
struct PrintText {
  int x, y;  // top-left corner of the text
  std::string text;
};
using PrintItem = std::variant<PrintLine, PrintFrame, PrintText>;
struct PrintPage {
  std::vector<PrintItem> items;
};
struct PrintDocument {
  std::string name;
  std::string fontFace;  // "ＭＳ 明朝"
  int fontHeight = 350;  // 0.01 mm
  std::vector<PrintPage> pages;
};

class Services {
 public:
  virtual ~Services() = default;

  virtual Answer Message(const std::string& text, const std::string& title, Buttons buttons = Buttons::Ok) = 0;
  // The chosen file, or nothing when the user cancels.
  virtual std::optional<std::filesystem::path> ChooseFile(const FileRequest& request) = 0;
  // Line height (character height plus external leading) of the print font.
  virtual int PrintLineHeight(const std::string& face, int height) = 0;
  // Shows the print dialog and prints; false when the user cancels.
  virtual bool Print(const PrintDocument& document) = 0;
  // Shows the pages as they will print, with a way to print them from there.
  virtual void PreviewPrint(const PrintDocument& document) = 0;
  // Writes the pages to a PDF file, A4 as printed; a file error when it cannot.
  virtual void SavePdf(const PrintDocument& document, const std::filesystem::path& file) = 0;
  // Why no PDF file can be written on this system, or nothing when it can.
  virtual std::optional<std::string> PdfUnavailable() = 0;
  virtual void ShellOpen(const std::filesystem::path& document) = 0;
  virtual void SetWaitCursor(bool on) = 0;
  // Runs the dialog until it ends; returns its result.
  virtual int RunModal(DialogHandler& dialog) = 0;
};

// What every dialog works with: the drive its files live on and the platform.
struct Env {
  const Drive& drive;
  Services& services;
};

// Shows the standard message for an error that stopped an action.
void ReportError(Services& services, const std::exception& error);

}  // namespace ui
