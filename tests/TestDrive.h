// A fresh drive with the shipped data installed, and headless services.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "ui/Drive.h"
#include "ui/headless/Driver.h"
#include "ui/headless/HeadlessServices.h"

namespace test {

class TestDrive {
 public:
  TestDrive();
  ~TestDrive();

  const ui::Drive& drive() const { return drive_; }
  ui::HeadlessServices& services() { return services_; }
  ui::Env env() { return ui::Env{drive_, services_}; }
  const std::filesystem::path& root() const { return root_; }

  std::vector<std::string> Lines(const std::string& windowsPath) const;
  void Write(const std::string& windowsPath, const std::vector<std::string>& lines) const;
  // The file's bytes as they lie on disk.
  std::string Bytes(const std::string& windowsPath) const;
  bool Exists(const std::string& windowsPath) const { return drive_.Exists(windowsPath); }
  void Remove(const std::string& windowsPath) const;

  // Texts of the message boxes shown so far.
  std::vector<std::string> MessageTexts() const;

 private:
  std::filesystem::path root_;
  ui::Drive drive_;
  ui::HeadlessServices services_;
};

// In the open catalogue: the 20A screwed 90° elbow with its straight pipe.
void PickCatalogueElbow(ui::Driver& user);

// A host file's bytes as they lie on disk.
std::string ReadBytes(const std::filesystem::path& file);

// Plays a script (lines as in a .play file) on the command panel of the drive.
struct PlayResult {
  bool ok;
  std::string output;
};
PlayResult Play(const TestDrive& drive, const std::vector<std::string>& script);
// The lines of a script file in tests/play/.
std::vector<std::string> ScriptFile(const std::string& name);

}  // namespace test
