// The platform without a display: message boxes are recorded and answered
// from a queue, file dialogs likewise, printing keeps the document, and a
// modal dialog is driven by whatever driver is queued for it.
#pragma once

#include <deque>
#include <functional>
#include <iosfwd>

#include "ui/Dialog.h"

namespace ui {

class HeadlessServices : public Services {
 public:
  struct Shown {
    std::string text, title;
    Buttons buttons;
    Answer answer;
  };
  using ModalDriver = std::function<void(DialogHandler&)>;

  Answer Message(const std::string& text, const std::string& title, Buttons buttons) override;
  std::optional<std::filesystem::path> ChooseFile(const FileRequest& request) override;
  int PrintLineHeight(const std::string& face, int height) override { return height; }
  bool Print(const PrintDocument& document) override;
  void PreviewPrint(const PrintDocument& document) override { previewed.push_back(document); }
  // Keeps the document and gives a one-line stand-in for its PDF.
  std::string PdfBytes(const PrintDocument& document) override;
  void ShellOpen(const std::filesystem::path& document) override { opened.push_back(document); }
  void SetWaitCursor(bool on) override { waitCursor = on; }
  // Initialises the dialog, then runs the next queued driver on it. A dialog
  // nobody expected is closed at once and remembered.
  int RunModal(DialogHandler& dialog) override;

  std::vector<Shown> messages;
  std::deque<Answer> answers;  // next answers; OK when empty
  std::deque<std::optional<std::filesystem::path>> files;  // cancelled when empty
  std::vector<FileRequest> fileRequests;
  std::vector<PrintDocument> printed;
  bool printAccepted = true;
  std::vector<PrintDocument> previewed;
  std::vector<PrintDocument> pdfs;
  std::vector<std::filesystem::path> opened;
  bool waitCursor = false;
  std::deque<ModalDriver> drivers;
  ModalDriver fallbackDriver;  // used when no driver is queued
  std::vector<std::string> unexpectedDialogs;
  std::ostream* echo = nullptr;  // prints every message box, for scripts
};

}  // namespace ui
