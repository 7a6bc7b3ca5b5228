// What the four placing programs share: the exchange file that Jw_cad hands
// over, and how a program ends.
#pragma once

#include <functional>
#include <vector>

#include "jw/Exchange.h"
#include "jw/Files.h"

namespace jw {

// The items of jwc_temp.txt as Jw_cad left it for the program; throws Error
// unless it carries the "hq" check line.
std::vector<Item> ReadHandedExchange(const Files& files);
// Picked point `number` (1 for "hp1"); throws Error when Jw_cad gave none.
Point PickedPoint(const std::vector<Item>& exchange, int number);
// The lowest-numbered picked point: the placement point of a batch that asks
// for one point, whatever number Jw_cad gives it.
Point FirstPickedPoint(const std::vector<Item>& exchange);

// Runs a program's work on the drive of the program. A failure is reported
// on the console as "name: message" and gives exit code 1; the files are
// then as they were, so Jw_cad adds nothing to the drawing.
int RunProgram(const char* name, const std::function<void(const Files&)>& work);

}  // namespace jw
