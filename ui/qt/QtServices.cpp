#include "ui/qt/QtServices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QUrl>
#include <vector>

#include "ui/Drive.h"
#include "ui/qt/QtDialog.h"

namespace ui::qt {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The dialogs open one inside the other; the innermost is the parent of
// whatever the platform shows next.
std::vector<QWidget*> openDialogs;

QWidget* Front() { return openDialogs.empty() ? nullptr : openDialogs.back(); }

QFont PrintFont(const std::string& face, int height, const QPrinter& printer) {
  QFont font(FontFamily(face));
  // Height in 0.01 mm converted to device pixels.
  font.setPixelSize(std::max(1, static_cast<int>(height * printer.resolution() / 2540.0)));
  return font;
}

void SetUpA4(QPrinter& printer, const PrintDocument& document) {
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setDocName(Q(document.name));
}

}  // namespace

Answer QtServices::Message(const std::string& text, const std::string& title, Buttons buttons) {
  QMessageBox box(Front());
  box.setWindowTitle(Q(title));
  box.setText(Q(text));
  box.setIcon(QMessageBox::NoIcon);
  QPushButton* ok = box.addButton("OK", QMessageBox::AcceptRole);
  QPushButton* cancel = nullptr;
  if (buttons == Buttons::OkCancel) cancel = box.addButton("キャンセル", QMessageBox::RejectRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(cancel ? static_cast<QAbstractButton*>(cancel) : ok);
  Exec(box, buttons);
  return box.clickedButton() == ok ? Answer::Ok : Answer::Cancel;
}

void QtServices::Exec(QMessageBox& box, Buttons) { box.exec(); }

std::optional<std::filesystem::path> QtServices::ChooseFile(const FileRequest& request) {
  QFileDialog dialog(Front());
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::ReadOnly, false);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  dialog.setDirectory(Q(Utf8Of(request.folder)));
  if (!request.filter.empty()) dialog.setNameFilter(Q(request.filter));
  if (!request.defaultExtension.empty()) dialog.setDefaultSuffix(Q(request.defaultExtension));
  if (!request.fileName.empty() && request.fileName.find('*') == std::string::npos) dialog.selectFile(Q(request.fileName));
  if (!Exec(dialog) || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return PathFromUtf8(dialog.selectedFiles().front().toStdString());
}

bool QtServices::Exec(QFileDialog& dialog) { return dialog.exec() == QDialog::Accepted; }

int QtServices::PrintLineHeight(const std::string& face, int height) {
  QFont font(FontFamily(face));
  font.setPixelSize(height);
  QFontMetrics metrics(font);
  return metrics.height() + metrics.leading();
}

bool RenderDocument(const PrintDocument& document, QPrinter& printer) {
  if (document.pages.empty()) return true;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const double scale = printer.resolution() / 2540.0;  // device pixels per 0.01 mm
  // Page coordinates are from the paper's corner; the painter's from the
  // printable area's.
  QRectF paper = printer.paperRect(QPrinter::DevicePixel);
  QRectF page = printer.pageRect(QPrinter::DevicePixel);
  QPointF shift = paper.topLeft() - page.topLeft();
  auto at = [&](int x, int y) { return QPointF(x * scale, -y * scale) + shift; };
  painter.setFont(PrintFont(document.fontFace, document.fontHeight, printer));
  for (size_t p = 0; p < document.pages.size(); ++p) {
    if (p > 0) printer.newPage();
    for (const PrintItem& item : document.pages[p].items) {
      if (auto* line = std::get_if<PrintLine>(&item)) {
        painter.setPen(QPen(Qt::black, line->penWidth * scale));
        painter.drawLine(at(line->x1, line->y1), at(line->x2, line->y2));
      } else if (auto* frame = std::get_if<PrintFrame>(&item)) {
        painter.setPen(QPen(Qt::black, frame->penWidth * scale));
        painter.drawRect(QRectF(at(frame->left, frame->top), at(frame->right, frame->bottom)));
      } else if (auto* text = std::get_if<PrintText>(&item)) {
        painter.setPen(Qt::black);
        QPointF corner = at(text->x, text->y);
        painter.drawText(QRectF(corner, QSizeF(1e6, 1e6)), Qt::AlignLeft | Qt::AlignTop, Q(text->text));
      }
    }
  }
  return painter.end();
}

bool QtServices::Print(const PrintDocument& document) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpA4(printer, document);
  QPrintDialog dialog(&printer, Front());
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  if (Exec(dialog) != QDialog::Accepted) return false;
  RenderDocument(document, printer);
  return true;
}

void QtServices::PreviewPrint(const PrintDocument& document) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpA4(printer, document);
  QPrintPreviewDialog preview(&printer, Front());
  preview.setWindowTitle("印刷プレビュー");
  preview.resize(820, 960);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                   [&document](QPrinter* target) { RenderDocument(document, *target); });
  Exec(preview);
}

void QtServices::SavePdf(const PrintDocument& document, const std::filesystem::path& file) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpA4(printer, document);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(Q(Utf8Of(file)));
  if (!RenderDocument(document, printer)) throw FileError(file, true);
}

void QtServices::ShellOpen(const std::filesystem::path& document) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(Q(Utf8Of(document))));
}

void QtServices::SetWaitCursor(bool on) {
  if (on) QApplication::setOverrideCursor(Qt::WaitCursor);
  else QApplication::restoreOverrideCursor();
}

int QtServices::RunModal(DialogHandler& handler) {
  QtDialog window(handler, Front());
  openDialogs.push_back(&window);
  struct Closed {
    ~Closed() { openDialogs.pop_back(); }
  } closed;
  handler.UserInit();
  int result = handler.form().ended() ? handler.form().result() : Exec(window, handler);
  return handler.form().ended() ? handler.form().result() : result;
}

int QtServices::Exec(QtDialog& window, DialogHandler&) { return window.exec(); }

int QtServices::Exec(QDialog& dialog) { return dialog.exec(); }

}  // namespace ui::qt
