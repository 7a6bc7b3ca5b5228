#include "ui/headless/HeadlessServices.h"

namespace ui {

Answer HeadlessServices::Message(const std::string& text, const std::string& title, Buttons buttons) {
  Answer answer = Answer::Ok;
  if (buttons == Buttons::OkCancel && !answers.empty()) {
    answer = answers.front();
    answers.pop_front();
  }
  messages.push_back(Shown{text, title, buttons, answer});
  return answer;
}

std::optional<std::filesystem::path> HeadlessServices::ChooseFile(const FileRequest& request) {
  fileRequests.push_back(request);
  if (files.empty()) return std::nullopt;
  auto file = files.front();
  files.pop_front();
  return file;
}

bool HeadlessServices::Print(const PrintDocument& document) {
  if (!printAccepted) return false;
  printed.push_back(document);
  return true;
}

void HeadlessServices::SavePdf(const PrintDocument& document, const std::filesystem::path& file) {
  pdfs.push_back(Pdf{file, document});
}

int HeadlessServices::RunModal(DialogHandler& dialog) {
  dialog.UserInit();
  ModalDriver driver;
  if (!drivers.empty()) {
    driver = std::move(drivers.front());
    drivers.pop_front();
  } else {
    driver = fallbackDriver;
  }
  if (driver) {
    driver(dialog);
  } else {
    unexpectedDialogs.push_back(dialog.form().layout().caption);
  }
  if (!dialog.form().ended()) dialog.UserClose();
  if (!dialog.form().ended()) dialog.form().End(kIdCancel);
  return dialog.form().result();
}

}  // namespace ui
