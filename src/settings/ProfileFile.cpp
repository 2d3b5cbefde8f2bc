// Profile-file engine: line-preserving edits of "str.ini" and "record.ini", read whole and
// replaced whole on disk.
#include "settings/ProfileFile.h"

#include <algorithm>
#include <utility>

namespace tarvik {
namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b) {
    a = trim(a);
    b = trim(b);
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

// The name of a "[name]" line: the text between the first '[' and the last ']', so a macro
// name that itself holds ']' still reads back whole.
std::optional<std::string_view> headerName(std::string_view line) {
    const auto text = trim(line);
    if (text.empty() || text.front() != '[') {
        return std::nullopt;
    }
    const auto close = text.rfind(']');
    if (close == 0 || close == std::string_view::npos) {
        return std::nullopt;
    }
    return trim(text.substr(1, close - 1));
}

struct KeyValue {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyValue> keyValue(std::string_view line) {
    const auto text = trim(line);
    if (text.empty() || text.front() == ';' || text.front() == '[') {
        return std::nullopt;
    }
    const auto eq = text.find('=');
    if (eq == std::string_view::npos) {
        return std::nullopt;
    }
    return KeyValue{trim(text.substr(0, eq)), text.substr(eq + 1)};
}

// Cuts after `limit` characters; a character starts at every byte that is not a UTF-8
// continuation byte, so a cut never splits a sequence and junk bytes count one each.
std::string cutToChars(std::string_view text, std::size_t limit) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80 && chars++ == limit) {
            return std::string(text.substr(0, i));
        }
    }
    return std::string(text);
}

std::string decodeValue(std::string_view raw) {
    auto text = trim(raw);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.substr(1, text.size() - 2);
    }
    return cutToChars(text, kProfileValueChars);
}

// A value must stay on its own line: line breaks become blanks and a zero ends it. Values
// that reading would trim or unquote are written inside quotes, so they read back as given.
std::string encodeValue(std::string_view value) {
    std::string text(value.substr(0, value.find('\0')));
    std::ranges::replace(text, '\n', ' ');
    std::ranges::replace(text, '\r', ' ');
    const bool blankEdge = !text.empty() && (kBlanks.find(text.front()) != std::string_view::npos ||
                                             kBlanks.find(text.back()) != std::string_view::npos);
    const bool quoted = text.size() >= 2 && text.front() == '"' && text.back() == '"';
    return (blankEdge || quoted) ? '"' + text + '"' : text;
}

// Section and key names written by us must not break the line structure either.
std::string cleanName(std::string_view name) {
    std::string text(trim(name.substr(0, name.find('\0'))));
    std::ranges::replace(text, '\n', ' ');
    std::ranges::replace(text, '\r', ' ');
    return text;
}

}  // namespace

ProfileDocument ProfileDocument::parse(std::string_view text) {
    // A file saved twice by a careless editor may carry the mark more than once.
    while (text.starts_with(kUtf8Bom)) {
        text.remove_prefix(kUtf8Bom.size());
    }
    ProfileDocument document;
    while (!text.empty()) {
        const auto end = text.find('\n');
        auto line = text.substr(0, end);
        // Every carriage return before the line feed belongs to the line end, so a line reads
        // the same after each save.
        while (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        document.lines_.emplace_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return document;
}

std::string ProfileDocument::serialize() const {
    std::string text;
    for (const auto& line : lines_) {
        text += line;
        text += '\n';
    }
    return text;
}

std::optional<ProfileDocument::Range> ProfileDocument::firstSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = headerName(lines_[i]);
        if (!name || !sameName(*name, section)) {
            continue;
        }
        auto end = i + 1;
        while (end < lines_.size() && !headerName(lines_[end])) {
            ++end;
        }
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> ProfileDocument::keyLine(Range range, std::string_view key) const {
    for (auto i = range.header + 1; i < range.end; ++i) {
        const auto entry = keyValue(lines_[i]);
        if (entry && sameName(entry->key, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> ProfileDocument::find(std::string_view section, std::string_view key) const {
    const auto range = firstSection(section);
    if (!range) {
        return std::nullopt;
    }
    const auto line = keyLine(*range, key);
    if (!line) {
        return std::nullopt;
    }
    return decodeValue(keyValue(lines_[*line])->value);
}

std::string ProfileDocument::value(std::string_view section, std::string_view key) const {
    return find(section, key).value_or(std::string{});
}

std::vector<ProfileDocument::Entry> ProfileDocument::entries(std::string_view section) const {
    std::vector<Entry> result;
    if (const auto range = firstSection(section)) {
        for (auto i = range->header + 1; i < range->end; ++i) {
            if (const auto entry = keyValue(lines_[i])) {
                result.push_back({std::string(entry->key), decodeValue(entry->value)});
            }
        }
    }
    return result;
}

bool ProfileDocument::hasSection(std::string_view section) const { return firstSection(section).has_value(); }

std::vector<std::string> ProfileDocument::sectionNames() const {
    std::vector<std::string> names;
    for (const auto& line : lines_) {
        const auto name = headerName(line);
        if (name && std::ranges::none_of(names, [&](const std::string& seen) { return sameName(seen, *name); })) {
            names.emplace_back(*name);
        }
    }
    return names;
}

void ProfileDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    const auto keyName = cleanName(key.substr(0, key.find('=')));
    const auto newLine = keyName + '=' + encodeValue(value);
    const auto range = firstSection(section);
    if (!range) {
        appendSection(section, {{std::string(key), std::string(value)}});
        return;
    }
    if (const auto line = keyLine(*range, keyName)) {
        lines_[*line] = newLine;
        return;
    }
    // New keys go after the section's last non-blank line, ahead of blank separator lines.
    auto at = range->end;
    while (at > range->header + 1 && trim(lines_[at - 1]).empty()) {
        --at;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), newLine);
}

void ProfileDocument::appendSection(std::string_view section, const std::vector<Entry>& entries) {
    lines_.push_back('[' + cleanName(section) + ']');
    for (const auto& entry : entries) {
        lines_.push_back(cleanName(entry.key.substr(0, entry.key.find('='))) + '=' + encodeValue(entry.value));
    }
}

void ProfileDocument::removeSection(std::string_view section) {
    while (const auto range = firstSection(section)) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->header),
                     lines_.begin() + static_cast<std::ptrdiff_t>(range->end));
    }
}

std::vector<std::string> scanSectionNames(const std::vector<std::string>& names) {
    constexpr std::size_t kBufferChars = 1024;
    constexpr std::size_t kScanLimit = 255;  // positions 0-254 are walked
    std::vector<std::string> seen;
    std::size_t position = 0;  // buffer position of the current name's first character
    for (const auto& name : names) {
        if (name.empty()) {
            continue;
        }
        const auto chars = static_cast<std::size_t>(
            std::ranges::count_if(name, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
        const auto terminator = position + chars;
        // The last two positions of the buffer hold the list's closing zeros.
        if (terminator >= kScanLimit || terminator >= kBufferChars - 1) {
            break;
        }
        seen.push_back(name);
        position = terminator + 1;
    }
    return seen;
}

std::error_code readProfileFile(const std::filesystem::path& path, ProfileDocument& document) {
    std::string text;
    if (auto error = readWholeFile(path, text)) {
        if (error != std::errc::no_such_file_or_directory) return error;
        document = ProfileDocument{};  // a missing file reads as an empty one
        return {};
    }
    document = ProfileDocument::parse(text);
    return {};
}

std::error_code writeProfileFile(const std::filesystem::path& path, const ProfileDocument& document) {
    return writeFileAtomically(path, document.serialize());
}

std::error_code editProfileFile(const std::filesystem::path& path,
                                const std::function<void(ProfileDocument&)>& edit) {
    const DataFolderLock lock(path);
    ProfileDocument document;
    if (auto error = readProfileFile(path, document)) {
        return error;
    }
    edit(document);
    return writeProfileFile(path, document);
}

int leadingInteger(std::string_view text) {
    constexpr long long kMax = 2147483647LL;
    text = text.substr(std::min(text.size(), text.find_first_not_of(kBlanks)));
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) {
        text.remove_prefix(1);
    }
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        value = std::min(value * 10 + (c - '0'), kMax + 1);
    }
    return static_cast<int>(negative ? -value : std::min(value, kMax));
}

std::string readProfileString(const std::filesystem::path& path, std::string_view section, std::string_view key) {
    ProfileDocument document;
    if (readProfileFile(path, document)) {
        return {};
    }
    return document.value(section, key);
}

std::error_code writeProfileString(const std::filesystem::path& path, std::string_view section,
                                   std::string_view key, std::string_view value) {
    return editProfileFile(path, [&](ProfileDocument& document) { document.setValue(section, key, value); });
}

}  // namespace tarvik
