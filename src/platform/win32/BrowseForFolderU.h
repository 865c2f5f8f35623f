// BrowseForFolder: the shell's folder browser as the folder-picker port.
#pragma once

#include "platform/ports.h"

namespace qf::win {

class BrowseForFolderU final : public FolderPicker {
public:
    // No owner window, so the main window stays usable; the initial folder
    // is selected when it is not empty.
    std::string BrowseForFolder(const std::string& title,
                                const std::string& initialFolder) override;
};

// COM for the calling thread, apartment-threaded, as the browser's new
// dialog style needs; released when it goes.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

}  // namespace qf::win
