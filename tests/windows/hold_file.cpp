// hold_file FILE: opens FILE as another program that locks it would (no
// sharing at all), says so by creating FILE.held, and keeps it open until
// FILE.held is removed.
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::filesystem::path file(argv[1]);  // ASCII paths only
  int fd = -1;
  if (_wsopen_s(&fd, file.c_str(), _O_RDWR | _O_BINARY, _SH_DENYRW, _S_IREAD | _S_IWRITE) != 0) return 1;
  std::filesystem::path held = file;
  held += ".held";
  std::ofstream(held) << "held\n";
  while (std::filesystem::exists(held)) usleep(50000);
  _close(fd);
  return 0;
}
