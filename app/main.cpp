// Tavrin: the command panel for duct and pipe drawing with Jw_cad.
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/CommandPanel.h"
#include "app/Programs.h"
#include "app/Startup.h"
#include "ui/headless/PlayScript.h"
#include "ui/qt/QtApplication.h"

namespace {

std::vector<std::string> ReadScript(const std::filesystem::path& file) {
  std::ifstream in(file);
  if (!in) throw ui::FileError(file, false);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

int main(int argc, char** argv) {
  app::Options options = app::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (options.help || !options.error.empty()) {
    if (!options.error.empty()) std::cerr << options.error << "\n";
    std::cerr << app::kUsage;
    return options.error.empty() ? 0 : 2;
  }
  ui::Drive drive(app::ChooseDriveRoot(options.drive));
  const std::filesystem::path shipped = app::ShippedData();
  try {
    if (app::InstallIfNeeded(drive, shipped))
      std::cerr << "Tavrin: " << drive.root().string() << " に初期データをインストールしました。\n";
  } catch (const std::exception& error) {
    std::cerr << "Tavrin: " << error.what() << "\n";
    return 1;
  }
  // The panel still serves without them; its status line says what is missing.
  try {
    if (app::UpdatePrograms(drive, app::ShippedPrograms(shipped)) > 0)
      std::cerr << "Tavrin: \\Tavrin\\exe\\ の作図用プログラムを更新しました。\n";
  } catch (const std::exception& error) {
    std::cerr << "Tavrin: " << error.what() << "\n";
  }

  if (options.play) {
    try {
      ui::PlayServices services(ui::ParseScript(ReadScript(*options.play)), std::cout);
      app::CommandPanel panel({drive, services});
      return services.Play(panel) ? 0 : 1;
    } catch (const std::exception& error) {
      std::cerr << "Tavrin: " << error.what() << "\n";
      return 1;
    }
  }
  return ui::qt::RunApplication(argc, argv, app::AppIcon(), [&](ui::Services& services) {
    app::CommandPanel panel({drive, services});
    panel.RunModal();
    return 0;
  });
}
