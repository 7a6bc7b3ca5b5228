// Tavrin: the command panel for duct and pipe drawing with Jw_cad.
#include <iostream>
#include <optional>

#include "app/CommandPanel.h"
#include "app/Programs.h"
#include "app/Startup.h"
#include "ui/FrontEnd.h"
#include "ui/headless/PlayScript.h"

namespace {

// Installs the shipped data on a new drive and brings its placing programs
// up to date; false (and the error reported) when the data is not there.
bool Install(const ui::Drive& drive, const std::function<void(const std::exception&)>& report) {
  const app::ShippedData shipped = app::FindShippedData();
  try {
    if (app::InstallIfNeeded(drive, shipped))
      std::cerr << "Tavrin: " << ui::Utf8Of(drive.root()) << " に初期データをインストールしました。\n";
  } catch (const std::exception& error) {
    report(error);
    return false;
  }
  // The panel still serves without them; its status line says what is missing.
  try {
    if (app::UpdatePrograms(drive, app::ShippedPrograms(shipped.folder)) > 0)
      std::cerr << "Tavrin: \\Tavrin\\exe\\ の作図用プログラムを更新しました。\n";
  } catch (const std::exception& error) {
    std::cerr << "Tavrin: " << error.what() << "\n";
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  app::Options options = app::ParseOptions(ui::Arguments(argc, argv));
  if (options.help || !options.error.empty()) {
    if (!options.error.empty()) std::cerr << options.error << "\n";
    std::cerr << app::kUsage;
    return options.error.empty() ? 0 : 2;
  }
  ui::Drive drive(app::ChooseDriveRoot(options.drive));
  std::optional<ui::Player> player;
  if (options.play) {
    try {
      player.emplace(ui::ParseScript(ui::ReadUtf8File(*options.play)), drive, std::cout);
    } catch (const std::exception& error) {
      std::cerr << "Tavrin: " << error.what() << "\n";
      return 1;
    }
  }

  if (player && !options.gui) {
    if (!Install(drive, [](const std::exception& error) { std::cerr << "Tavrin: " << error.what() << "\n"; }))
      return 1;
    ui::PlayServices services(*player);
    app::CommandPanel panel({drive, services});
    return player->Play([&] { panel.RunModal(); }) ? 0 : 1;
  }
  return ui::RunFrontEnd(argc, argv, app::AppIcon(), player ? &*player : nullptr, [&](ui::Services& services) {
    if (!Install(drive, [&](const std::exception& error) { ui::ReportError(services, error); })) return 1;
    app::CommandPanel panel({drive, services});
    if (player) return player->Play([&] { panel.RunModal(); }) ? 0 : 1;
    panel.RunModal();
    return 0;
  });
}
