// The sound port on the multimedia library's wave playback.
#pragma once

#include "platform/ports.h"

namespace qf::win {

class Win32Sound final : public Sound {
public:
    // Never the system's default sound in place of a missing file.
    void PlayAsync(const std::string& path) override;
};

}  // namespace qf::win
