// The platform services on Qt: message boxes, file and print dialogs, the
// shell, the wait cursor and modal dialogs.
#pragma once

#include "ui/Services.h"

class QPainter;
class QPrinter;

namespace ui::qt {

class QtServices : public Services {
 public:
  Answer Message(const std::string& text, const std::string& title, Buttons buttons) override;
  std::optional<std::filesystem::path> ChooseFile(const FileRequest& request) override;
  int PrintLineHeight(const std::string& face, int height) override;
  bool Print(const PrintDocument& document) override;
  void PreviewPrint(const PrintDocument& document) override;
  std::string PdfBytes(const PrintDocument& document) override;
  void ShellOpen(const std::filesystem::path& document) override;
  void SetWaitCursor(bool on) override;
  int RunModal(DialogHandler& dialog) override;
};

// Draws the pages of a document on a printer (or a PDF writer behind one);
// false when the printer cannot be drawn on.
bool RenderDocument(const PrintDocument& document, QPrinter& printer);

}  // namespace ui::qt
