// DuctRun.exe, started by 作図.bat in its straight-duct mode.
#include "jw/DuctRun.h"
#include "jw/Program.h"

int main() {
  return jw::RunProgram("DuctRun", [](const jw::Files& files) {
    std::vector<jw::Item> exchange = jw::ReadHandedExchange(files);
    files.Write(files.ExchangeFile(),
                jw::DrawDuct(files.Read(R"(\Tavrin\set\Choku.ini)"), files.Read(R"(\Tavrin\set\ChokuSet.ini)"),
                             jw::PickedPoint(exchange, 1), jw::PickedPoint(exchange, 2)));
  });
}
