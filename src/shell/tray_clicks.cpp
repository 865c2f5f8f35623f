#include "shell/tray_clicks.h"

namespace qf {

TrayAction TrayClicks::On(TrayMouse event) {
    const Pressed pressed = pressed_;
    pressed_ = Pressed::None;
    switch (event) {
    case TrayMouse::LeftDown: pressed_ = Pressed::Left; break;
    case TrayMouse::MiddleDown: pressed_ = Pressed::Middle; break;
    case TrayMouse::LeftUp:
        if (pressed == Pressed::Left) return TrayAction::Click;
        break;
    case TrayMouse::MiddleUp:
        if (pressed == Pressed::Middle) return TrayAction::Click;
        break;
    case TrayMouse::RightUp: return TrayAction::Menu;
    case TrayMouse::LeftDouble:
    case TrayMouse::MiddleDouble: break;
    }
    return TrayAction::None;
}

}  // namespace qf
