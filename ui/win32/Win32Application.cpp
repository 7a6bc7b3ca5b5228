#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "ui/FrontEnd.h"
#include "ui/win32/Win32Play.h"

namespace ui {

int RunFrontEnd(int&, char**, const Picture&, Player* player, const std::function<int(Services&)>& body) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  // The shell opens some documents through COM.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  int result;
  if (player) {
    win32::Win32PlayServices services(*player);
    result = body(services);
  } else {
    win32::Win32Services services;
    result = body(services);
  }
  CoUninitialize();
  return result;
}

}  // namespace ui
