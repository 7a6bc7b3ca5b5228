#include "ui/FrontEnd.h"

#include <exception>

namespace ui {
namespace {

std::exception_ptr held;

}  // namespace

void HoldException() {
  if (!held) held = std::current_exception();
}

void RethrowHeld() {
  if (!held) return;
  std::exception_ptr thrown = held;
  held = nullptr;
  std::rethrow_exception(thrown);
}

}  // namespace ui
