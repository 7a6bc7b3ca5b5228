// PipeRun.exe, started by 作図.bat in its pipe-line mode.
#include "jw/PipeRun.h"
#include "jw/Program.h"

int main() {
  return jw::RunProgram("PipeRun", [](const jw::Files& files) {
    std::vector<jw::Item> exchange = jw::ReadHandedExchange(files);
    files.Write(files.ExchangeFile(), jw::DrawPipe(files.Read(R"(\Tavrin\HaikanSet\Haikan.ini)"),
                                                   files.Read(R"(\Tavrin\HaikanSet\KanSekisan.ini)"),
                                                   jw::PickedPoint(exchange, 1), jw::PickedPoint(exchange, 2)));
  });
}
