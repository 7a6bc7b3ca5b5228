// TakeoffRead.exe, started by 積算.bat. It adds nothing to the drawing: it
// leaves jwc_temp.txt as Jw_cad wrote it.
#include "jw/Program.h"
#include "jw/TakeoffRead.h"

int main() {
  return jw::RunProgram("TakeoffRead", [](const jw::Files& files) {
    files.Write(R"(\Tavrin\HaikanSet\Toridasi.txt)", jw::MarkerExtract(jw::ReadHandedExchange(files)));
  });
}
