#include "programfiles/record.h"

#include <algorithm>
#include <charconv>

namespace qf {

namespace {

constexpr std::string_view kHeader = "qingfeng-record 1";
constexpr std::string_view kHolderKey = "holder=";
constexpr std::string_view kViewKey = "view=";
constexpr std::string_view kSz = "sz";
constexpr std::string_view kExpand = "expand";

std::string Escape(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '%') out += "%25";
        else if (c == '\r') out += "%0D";
        else if (c == '\n') out += "%0A";
        else out += c;
    }
    return out;
}

std::optional<std::string> Unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        const std::string_view code = text.substr(i + 1, 2);
        if (code == "25") out += '%';
        else if (code == "0D") out += '\r';
        else if (code == "0A") out += '\n';
        else return std::nullopt;
        i += 2;
    }
    return out;
}

// The text up to the first space, and the rest after it.
std::pair<std::string_view, std::string_view> CutWord(std::string_view text) {
    const std::size_t space = text.find(' ');
    if (space == std::string_view::npos) return {text, {}};
    return {text.substr(0, space), text.substr(space + 1)};
}

template <class Number>
bool ParseNumber(std::string_view text, Number& number) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

std::optional<Holder> ParseHolder(std::string_view text) {
    const auto [pid, started] = CutWord(text);
    Holder holder;
    if (!ParseNumber(pid, holder.pid) || !ParseNumber(started, holder.started)) return {};
    return holder;
}

std::optional<RecordedView> ParseView(std::string_view text) {
    const auto [view, rest] = CutWord(text);
    const auto [kind, escaped] = CutWord(rest);
    if (view.empty() || (kind != kSz && kind != kExpand)) return {};
    std::optional<std::string> original = Unescape(escaped);
    if (!original) return {};
    return RecordedView{std::string(view),
                        {*original, kind == kExpand ? RegKind::ExpandSz : RegKind::Sz}};
}

bool ParseLine(std::string_view line, Record& record) {
    if (line.starts_with(kHolderKey)) {
        const auto holder = ParseHolder(line.substr(kHolderKey.size()));
        if (holder) record.holders.push_back(*holder);
        return holder.has_value();
    }
    if (line.starts_with(kViewKey)) {
        auto view = ParseView(line.substr(kViewKey.size()));
        if (view && !record.Original(view->view)) record.views.push_back(std::move(*view));
        return view.has_value();
    }
    return false;
}

}  // namespace

const RegString* Record::Original(std::string_view view) const {
    const auto found =
        std::find_if(views.begin(), views.end(), [&](const auto& v) { return v.view == view; });
    return found == views.end() ? nullptr : &found->original;
}

std::string FormatRecord(const Record& record) {
    std::string out(kHeader);
    out += '\n';
    for (const Holder& h : record.holders) {
        out += std::string(kHolderKey) + std::to_string(h.pid) + ' ' + std::to_string(h.started) +
               '\n';
    }
    for (const RecordedView& v : record.views) {
        const std::string_view kind = v.original.kind == RegKind::ExpandSz ? kExpand : kSz;
        out += std::string(kViewKey) + v.view + ' ' + std::string(kind) + ' ' +
               Escape(v.original.text) + '\n';
    }
    return out;
}

std::optional<Record> ParseRecord(std::string_view bytes) {
    if (!bytes.starts_with(kHeader) || !bytes.ends_with('\n')) return std::nullopt;
    bytes.remove_prefix(kHeader.size());
    if (!bytes.starts_with('\n')) return std::nullopt;
    bytes.remove_prefix(1);
    Record record;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        if (!ParseLine(bytes.substr(0, end), record)) return std::nullopt;
        bytes.remove_prefix(end + 1);
    }
    return record;
}

std::optional<Record> LoadRecord(RecordStore& store) {
    const std::optional<std::string> bytes = store.Read();
    if (!bytes) return std::nullopt;
    return ParseRecord(*bytes);
}

bool IsStale(RecordStore& store, const Record& record) {
    return std::none_of(record.holders.begin(), record.holders.end(),
                        [&](const Holder& h) { return store.IsAlive(h); });
}

namespace {

// Drops the holders that no longer run, and this process.
void DropEndedAndSelf(RecordStore& store, Record& record) {
    const Holder self = store.Self();
    std::erase_if(record.holders,
                  [&](const Holder& h) { return h == self || !store.IsAlive(h); });
}

// A record with nothing to return to, or nobody holding it, goes.
void Save(RecordStore& store, const Record& record) {
    if (record.views.empty() || record.holders.empty()) {
        store.Remove();
    } else {
        store.Write(FormatRecord(record));
    }
}

}  // namespace

RecordedWrite::RecordedWrite(RecordStore& store, std::string view)
    : store_(store), view_(std::move(view)), lock_(store.Acquire()) {
    record_ = LoadRecord(store_).value_or(Record{});
}

void RecordedWrite::Before(const RegString& current, const RegString& target) {
    const RegString* recorded = record_.Original(view_);
    const RegString original = recorded ? *recorded : current;
    restores_ = recorded && target == original;
    if (target == original) return;
    if (!recorded) record_.views.push_back({view_, current});
    DropEndedAndSelf(store_, record_);
    record_.holders.push_back(store_.Self());
    store_.Write(FormatRecord(record_));
}

void RecordedWrite::After() {
    if (!restores_) return;
    std::erase_if(record_.views, [&](const RecordedView& v) { return v.view == view_; });
    Save(store_, record_);
}

void LeaveRecord(RecordStore& store) {
    const auto lock = store.Acquire();
    std::optional<Record> record = LoadRecord(store);
    if (!record) return;
    DropEndedAndSelf(store, *record);
    Save(store, *record);
}

}  // namespace qf
