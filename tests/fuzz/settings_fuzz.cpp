// Any bytes as a settings file: the load never crashes, and whatever it
// loads in full, a save and a second load give back unchanged.
#include <cstdint>
#include <cstdlib>

#include "form_fixture.h"
#include "settings/settings_format.h"

namespace {

constexpr char kSet[] = "C:\\Tools\\set";

// A form with the file in place, after a load.
struct Loaded : qf::test::FormFixture {
    explicit Loaded(std::string bytes) {
        form.State().SetFileName = kSet;
        store.files[kSet] = std::move(bytes);
        form.RunCommand(&qf::TForm1::diaoruClick);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // A read that failed half-way through the same bytes.
    qf::ParseSettings(std::string_view(bytes).substr(0, size / 2), true);

    Loaded first(bytes);
    if (!first.form.State().SetFileLoaded) return 0;
    first.form.RunCommand(&qf::TForm1::baocunClick);
    Loaded second(first.store.files[kSet]);
    if (second.view.autoRestore != first.view.autoRestore ||
        second.list.items != first.list.items || second.list.selected != first.list.selected ||
        !second.form.State().SetFileLoaded)
        std::abort();
    return 0;
}
