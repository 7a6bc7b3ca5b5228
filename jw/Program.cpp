#include "jw/Program.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#endif

namespace jw {

std::vector<Item> ReadHandedExchange(const Files& files) {
  const std::string name = files.ExchangeFile();
  std::vector<Item> items = ParseExchange(files.Read(name), name);
  if (!HasCheckLine(items))
    throw Error(name + " は Jw_cad の外部変形から渡されたものではありません（hq の行がありません）。");
  return items;
}

Point PickedPoint(const std::vector<Item>& exchange, int number) {
  std::map<int, Point> points = PickedPoints(exchange);
  auto it = points.find(number);
  if (it == points.end()) throw Error("Jw_cad から指示点 hp" + std::to_string(number) + " が渡されていません。");
  return it->second;
}

Point FirstPickedPoint(const std::vector<Item>& exchange) {
  std::map<int, Point> points = PickedPoints(exchange);
  if (points.empty()) throw Error("Jw_cad から指示点が渡されていません。");
  return points.begin()->second;
}

int RunProgram(const char* name, const std::function<void(const Files&)>& work) {
#ifdef _WIN32
  SetConsoleOutputCP(CP_UTF8);  // the messages are written in UTF-8
#endif
  try {
    work(Files::OfThisProgram());
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", name, e.what());
    return 1;
  }
}

}  // namespace jw
