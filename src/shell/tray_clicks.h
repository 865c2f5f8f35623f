// What the mouse does on the tray icon: a click is a press and release of
// the left or middle button on the icon; a double click's second press
// does not make a second click; the right button's release opens the menu.
#pragma once

namespace qf {

enum class TrayMouse { LeftDown, LeftUp, LeftDouble, MiddleDown, MiddleUp, MiddleDouble, RightUp };

enum class TrayAction { None, Click, Menu };

class TrayClicks {
public:
    TrayAction On(TrayMouse event);

private:
    enum class Pressed { None, Left, Middle };
    Pressed pressed_ = Pressed::None;
};

}  // namespace qf
