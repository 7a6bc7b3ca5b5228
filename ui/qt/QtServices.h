// The platform services on Qt: message boxes, file and print dialogs, the
// shell, the wait cursor and modal dialogs.
#pragma once

#include "ui/Services.h"

class QAbstractButton;
class QDialog;
class QFileDialog;
class QMessageBox;
class QPainter;
class QPrinter;

namespace ui::qt {

class QtDialog;

class QtServices : public Services {
 public:
  Answer Message(const std::string& text, const std::string& title, Buttons buttons) override;
  std::optional<std::filesystem::path> ChooseFile(const FileRequest& request) override;
  int PrintLineHeight(const std::string& face, int height) override;
  bool Print(const PrintDocument& document) override;
  void PreviewPrint(const PrintDocument& document) override;
  void SavePdf(const PrintDocument& document, const std::filesystem::path& file) override;
  void ShellOpen(const std::filesystem::path& document) override;
  void SetWaitCursor(bool on) override;
  int RunModal(DialogHandler& dialog) override;
  std::optional<std::string> PdfUnavailable() override { return std::nullopt; }

 protected:
  // Run the shown windows until the user ends them; the play services answer
  // them from the script instead.
  virtual int Exec(QtDialog& window, DialogHandler& dialog);
  virtual void Exec(QMessageBox& box, Buttons buttons);
  virtual bool Exec(QFileDialog& dialog);
  // The print dialog and the print preview.
  virtual int Exec(QDialog& dialog);
};

// Draws the pages of a document on a printer (or a PDF writer behind one);
// false when the printer cannot be drawn on.
bool RenderDocument(const PrintDocument& document, QPrinter& printer);

}  // namespace ui::qt
