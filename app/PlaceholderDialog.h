// Stands in for a command dialog that is not built yet: its caption and
// "終了", so that the panel's bookkeeping around it already runs.
#pragma once

#include "ui/Dialog.h"

namespace app {

class PlaceholderDialog : public ui::DialogHandler {
 public:
  PlaceholderDialog(ui::Env env, const std::string& caption);
};

}  // namespace app
