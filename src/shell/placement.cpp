// Window placement, tray and skin steps of the main window.
#include "shell/placement.h"

#include "shell/form1.h"

namespace qf {

namespace {

constexpr Size kDesignScreen{800, 600};

}  // namespace

Size ScaledWindowSize(Size screen, Size window) {
    const bool grows = screen.width > kDesignScreen.width ||
                       (screen.width == kDesignScreen.width && screen.height > kDesignScreen.height);
    if (!grows) return window;
    return {screen.width * window.width / kDesignScreen.width,
            screen.height * window.height / kDesignScreen.height};
}

void TForm1::cuangtisuofangClick() {
    FormWindow& window = ports_.window;
    const Size scaled = ScaledWindowSize(window.ScreenSize(), window.WindowSize());
    if (scaled == window.WindowSize()) return;
    // Height first, as the window has always been scaled.
    window.SetWindowHeight(scaled.height);
    window.SetWindowWidth(scaled.width);
}

void TForm1::huanpifuClick() {
    state_.Scratch = {state_.AppDir + "\\皮肤\\白兰_mxp1.skn"};
    ports_.window.ApplySkin(state_.Scratch.text);
}

void TForm1::CnTrayIcon1Click() {
    if (ports_.window.IsIconic())
        ports_.window.RestoreFromTray();
    else
        ports_.window.HideToTray();
}

void TForm1::N5Click() { ports_.window.CloseRequest(); }

void TForm1::MinimizeCommand() { ports_.window.HideToTray(); }

}  // namespace qf
