#include "view/view_state.h"

namespace tarmaq {

const char* pointerModeName(PointerMode mode) {
  switch (mode) {
    case PointerMode::ZoomView:
      return "ZoomView";
    case PointerMode::TranslateView:
      return "TranslateView";
    case PointerMode::Select:
      break;
  }
  return "Select";
}

bool parsePointerMode(const std::string& text, PointerMode& mode) {
  if (text == "Select")
    mode = PointerMode::Select;
  else if (text == "ZoomView")
    mode = PointerMode::ZoomView;
  else if (text == "TranslateView")
    mode = PointerMode::TranslateView;
  else
    return false;
  return true;
}

}  // namespace tarmaq
