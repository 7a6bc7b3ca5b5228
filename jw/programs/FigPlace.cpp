// FigPlace.exe, started by 作図.bat in its figure mode.
#include "jw/FigPlace.h"
#include "jw/Program.h"

int main() {
  return jw::RunProgram("FigPlace", [](const jw::Files& files) {
    jw::Point at = jw::FirstPickedPoint(jw::ReadHandedExchange(files));
    files.Write(files.ExchangeFile(), jw::PlaceFigure(files.Read(R"(\Tavrin\set\DrawData.txt)"), at));
  });
}
