// Saving and loading the settings file "set": the auto-restore option and
// the entries of ListBox1.
#include <algorithm>
#include <utility>
#include <vector>

#include "settings/settings_format.h"
#include "shell/form1.h"

namespace qf {

namespace {

constexpr char kMissingText[] = "设置文件不存在,无法读取  ";
constexpr char kDataErrorText[] = "设置文件数据有错误！  ";

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The file's bytes: GBK as always, or UTF-8 behind a byte-order mark when
// some entry has no GBK form and would otherwise be corrupted.
std::string EncodeSettings(bool option, std::vector<std::string> entries, Codec& codec) {
    // Only the entries beyond ASCII differ between the encodings.
    std::vector<std::pair<std::size_t, std::string>> gbk;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (IsAscii(entries[i])) continue;
        auto encoded = codec.ToGbk(entries[i]);
        if (!encoded) return FormatSettings(option, entries, kUtf8Bom);
        gbk.emplace_back(i, std::move(*encoded));
    }
    for (auto& [i, bytes] : gbk) entries[i] = std::move(bytes);
    return FormatSettings(option, entries);
}

}  // namespace

void TForm1::baocunClick() {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(ports_.list.Count()));
    for (int i = 0, n = ports_.list.Count(); i < n; ++i) entries.push_back(ports_.list.Item(i));
    ports_.store.ReplaceAll(state_.SetFileName,
                            EncodeSettings(ports_.view.AutoRestore(), std::move(entries),
                                           ports_.codec));
    state_.SetFileLoaded = true;
}

void TForm1::diaoruClick() {
    state_.SetFileLoaded = false;
    if (!ports_.store.IsRegularFile(state_.SetFileName)) {
        // Nothing stored that a save could destroy.
        state_.SetFileLoaded = true;
        Boxes().ErrorBox(kMissingText + state_.SetFileName);
        return;
    }
    const FileRead file = ports_.store.ReadAll(state_.SetFileName);
    std::string_view bytes = file.bytes;
    const bool utf8 = bytes.starts_with(kUtf8Bom);
    if (utf8) bytes.remove_prefix(kUtf8Bom.size());
    ParsedSettings parsed = ParseSettings(bytes, file.error.has_value());
    if (parsed.stop == SettingsStop::InvalidNumber) throw IoError(io::kInvalidNumericInput);
    if (parsed.stop == SettingsStop::FirstLineFailed) throw *file.error;

    ports_.view.SetAutoRestore(parsed.option);
    if (!utf8) {
        for (std::string& e : parsed.entries)
            if (!IsAscii(e)) e = ports_.codec.FromGbk(e);
    }
    ports_.list.Assign(parsed.entries);
    // Set in code: the hint and the clipboard stay as they are.
    ports_.list.SetItemIndex(static_cast<int>(parsed.entries.size()) - 1);
    if (parsed.stop == SettingsStop::LineFailed) {
        Boxes().ErrorBox(kDataErrorText + state_.SetFileName);
        return;
    }
    state_.SetFileLoaded = true;
}

void TForm1::SaveAtExit() {
    // A file this run did not load in full would lose entries.
    if (state_.SetFileLoaded) baocunClick();
}

}  // namespace qf
