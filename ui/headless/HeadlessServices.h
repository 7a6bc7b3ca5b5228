// The platform without a display: message boxes are recorded and answered
// from a queue, file dialogs likewise, printing keeps the document, and a
// modal dialog is driven by whatever driver is queued for it.
#pragma once

#include <deque>
#include <functional>

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
  void SavePdf(const PrintDocument& document, const std::filesystem::path& file) override;
  std::optional<std::string> PdfUnavailable() override { return pdfUnavailable; }
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
  struct Pdf {
    std::filesystem::path file;
    PrintDocument document;
  };
  std::vector<Pdf> pdfs;  // kept, not written
  std::optional<std::string> pdfUnavailable;
  std::vector<std::filesystem::path> opened;
  bool waitCursor = false;
  std::deque<ModalDriver> drivers;
  ModalDriver fallbackDriver;  // used when no driver is queued
  std::vector<std::string> unexpectedDialogs;
};

}  // namespace ui
