#include "platform/win32/sound.h"

#include <windows.h>
#include <mmsystem.h>

#include "platform/win32/text.h"

namespace qf::win {

void Win32Sound::PlayAsync(const std::string& path) {
    PlaySoundW(Widen(path).c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

}  // namespace qf::win
