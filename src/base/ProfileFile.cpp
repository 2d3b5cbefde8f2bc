// Profile-file engine: line-preserving edits of "str.ini" and "record.ini", read whole and
// replaced whole on disk.
#include "base/ProfileFile.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <numeric>
#include <utility>

#include "base/Text.h"

namespace tarvik {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool sameName(std::string_view a, std::string_view b) { return equalsIgnoringCase(trim(a), trim(b)); }

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

// The section-name scan of the macro store, fed one name at a time.
class SectionScan {
public:
    // Takes the next name; false once it ends outside the window, which ends the scan.
    bool add(std::string_view name) {
        constexpr std::size_t kBufferChars = 1024;
        constexpr std::size_t kScanLimit = 255;  // positions 0-254 are walked
        if (name.empty()) {
            return true;
        }
        const auto chars = static_cast<std::size_t>(
            std::ranges::count_if(name, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
        const auto terminator = position_ + chars;
        // The last two positions of the buffer hold the list's closing zeros.
        if (terminator >= kScanLimit || terminator >= kBufferChars - 1) {
            return false;
        }
        seen.emplace_back(name);
        position_ = terminator + 1;
        return true;
    }

    std::vector<std::string> seen;

private:
    std::size_t position_ = 0;  // buffer position of the next name's first character
};

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
    const bool blankEdge = !text.empty() && (isBlank(text.front()) || isBlank(text.back()));
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

ProfileDocument ProfileDocument::parse(std::string_view text) { return parseOwned(std::string(text)); }

ProfileDocument ProfileDocument::parseOwned(std::string&& text) {
    // A file saved twice by a careless editor may carry the mark more than once.
    std::size_t read = 0;
    while (std::string_view(text).substr(read).starts_with(kUtf8Bom)) {
        read += kUtf8Bom.size();
    }
    // Lines move forward in place: every carriage return before the line feed belongs to the
    // line end, so a line reads the same after each save, and the last line gets its "\n".
    std::size_t write = 0;
    while (read < text.size()) {
        const auto feed = text.find('\n', read);
        const auto end = feed == std::string::npos ? text.size() : feed;
        auto lineEnd = end;
        while (lineEnd > read && text[lineEnd - 1] == '\r') {
            --lineEnd;
        }
        std::memmove(text.data() + write, text.data() + read, lineEnd - read);
        write += lineEnd - read;
        read = end + 1;
        if (feed == std::string::npos) {
            text.resize(write);
            text.push_back('\n');
            write = text.size();
            break;
        }
        text[write++] = '\n';
    }
    text.resize(write);
    ProfileDocument document;
    document.text_ = std::move(text);
    document.reindex();
    return document;
}

std::string ProfileDocument::serialize() const { return text_; }

std::string_view ProfileDocument::lineAt(std::size_t offset) const {
    const std::string_view text(text_);
    return text.substr(offset, text.find('\n', offset) - offset);
}

std::string_view ProfileDocument::nameOf(const Header& header) const {
    return std::string_view(text_).substr(header.name, header.nameLength);
}

ProfileDocument::Range ProfileDocument::rangeOf(std::size_t header) const {
    const std::size_t line = headers_[header].line;
    return {line + lineAt(line).size() + 1, header + 1 < headers_.size() ? headers_[header + 1].line : text_.size()};
}

void ProfileDocument::reindex() {
    headers_.clear();
    for (std::size_t at = 0; at < text_.size();) {
        const auto line = lineAt(at);
        if (const auto name = headerName(line)) {
            // An empty name may not point into the text at all.
            const auto nameAt = name->empty() ? at : static_cast<std::size_t>(name->data() - text_.data());
            headers_.push_back({static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(nameAt),
                                static_cast<std::uint32_t>(name->size())});
        }
        at += line.size() + 1;
    }
    byName_.resize(headers_.size());
    std::iota(byName_.begin(), byName_.end(), std::uint32_t{0});
    std::ranges::sort(byName_, [this](std::uint32_t a, std::uint32_t b) {
        const int order = compareIgnoringCase(nameOf(headers_[a]), nameOf(headers_[b]));
        return order != 0 ? order < 0 : a < b;
    });
}

std::optional<std::size_t> ProfileDocument::firstHeader(std::string_view section) const {
    const auto wanted = trim(section);
    const auto found = std::ranges::partition_point(
        byName_, [&](std::uint32_t header) { return compareIgnoringCase(nameOf(headers_[header]), wanted) < 0; });
    if (found == byName_.end() || compareIgnoringCase(nameOf(headers_[*found]), wanted) != 0) {
        return std::nullopt;
    }
    return *found;
}

std::optional<ProfileDocument::Range> ProfileDocument::firstSection(std::string_view section) const {
    const auto header = firstHeader(section);
    return header ? std::optional(rangeOf(*header)) : std::nullopt;
}

std::optional<std::pair<std::size_t, std::string_view>> ProfileDocument::keyLine(Range range,
                                                                                 std::string_view key) const {
    for (auto at = range.body; at < range.end;) {
        const auto line = lineAt(at);
        const auto entry = keyValue(line);
        if (entry && sameName(entry->key, key)) {
            return std::pair(at, line);
        }
        at += line.size() + 1;
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
    return decodeValue(keyValue(line->second)->value);
}

std::string ProfileDocument::value(std::string_view section, std::string_view key) const {
    return find(section, key).value_or(std::string{});
}

std::vector<ProfileDocument::Entry> ProfileDocument::entries(std::string_view section) const {
    std::vector<Entry> result;
    if (const auto range = firstSection(section)) {
        for (auto at = range->body; at < range->end;) {
            const auto line = lineAt(at);
            if (const auto entry = keyValue(line)) {
                result.push_back({std::string(entry->key), decodeValue(entry->value)});
            }
            at += line.size() + 1;
        }
    }
    return result;
}

bool ProfileDocument::hasSection(std::string_view section) const { return firstHeader(section).has_value(); }

void ProfileDocument::visitSectionNames(const std::function<bool(std::string_view)>& visit) const {
    for (std::size_t header = 0; header < headers_.size(); ++header) {
        const auto name = nameOf(headers_[header]);
        if (firstHeader(name) == header && !visit(name)) {
            return;
        }
    }
}

std::vector<std::string> ProfileDocument::sectionNames() const {
    std::vector<std::string> names;
    visitSectionNames([&](std::string_view name) {
        names.emplace_back(name);
        return true;
    });
    return names;
}

void ProfileDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    const auto keyName = cleanName(key.substr(0, key.find('=')));
    const auto newLine = keyName + '=' + encodeValue(value) + '\n';
    const auto range = firstSection(section);
    if (!range) {
        appendSection(section, {{std::string(key), std::string(value)}});
        return;
    }
    if (const auto line = keyLine(*range, keyName)) {
        text_.replace(line->first, line->second.size() + 1, newLine);
    } else {
        // New keys go after the section's last non-blank line, ahead of blank separator lines.
        auto at = range->body;
        for (auto next = range->body; next < range->end;) {
            const auto line = lineAt(next);
            next += line.size() + 1;
            if (!trim(line).empty()) {
                at = next;
            }
        }
        text_.insert(at, newLine);
    }
    reindex();
}

void ProfileDocument::appendSection(std::string_view section, const std::vector<Entry>& entries) {
    text_ += '[' + cleanName(section) + "]\n";
    for (const auto& entry : entries) {
        text_ += cleanName(entry.key.substr(0, entry.key.find('='))) + '=' + encodeValue(entry.value) + '\n';
    }
    reindex();
}

void ProfileDocument::removeSection(std::string_view section) {
    // One pass that moves the kept text forward over the sections that go.
    const auto wanted = trim(section);
    std::size_t write = 0;
    std::size_t read = 0;
    const auto keep = [&](std::size_t end) {
        std::memmove(text_.data() + write, text_.data() + read, end - read);
        write += end - read;
    };
    for (std::size_t header = 0; header < headers_.size(); ++header) {
        if (compareIgnoringCase(nameOf(headers_[header]), wanted) == 0) {
            keep(headers_[header].line);
            read = rangeOf(header).end;
        }
    }
    if (read == 0) {
        return;
    }
    keep(text_.size());
    text_.resize(write);
    reindex();
}

std::vector<std::string> scanSectionNames(const std::vector<std::string>& names) {
    SectionScan scan;
    for (const auto& name : names) {
        if (!scan.add(name)) {
            break;
        }
    }
    return std::move(scan.seen);
}

std::vector<std::string> scanSectionNames(const ProfileDocument& document) {
    SectionScan scan;
    document.visitSectionNames([&](std::string_view name) { return scan.add(name); });
    return std::move(scan.seen);
}

std::error_code readProfileFile(const std::filesystem::path& path, ProfileDocument& document) {
    // The index keeps 32-bit offsets: a file of 4 GiB or more is refused rather than misread.
    constexpr std::uintmax_t kLargest = std::numeric_limits<std::uint32_t>::max() - 1;
    std::string text;
    std::uintmax_t size = 0;
    if (auto error = readWholeFile(path, text, kLargest, &size)) {
        if (error != std::errc::no_such_file_or_directory) return error;
        document = ProfileDocument{};  // a missing file reads as an empty one
        return {};
    }
    if (size > kLargest) return std::make_error_code(std::errc::file_too_large);
    document = ProfileDocument::parseOwned(std::move(text));
    return {};
}

std::error_code writeProfileFile(const std::filesystem::path& path, const ProfileDocument& document) {
    return writeFileAtomically(path, document.serialize());
}

std::error_code editProfileFile(const std::filesystem::path& path, const std::function<void(ProfileDocument&)>& edit) {
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
    text = trimStart(text);
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

std::error_code writeProfileString(const std::filesystem::path& path, std::string_view section, std::string_view key,
                                   std::string_view value) {
    return editProfileFile(path, [&](ProfileDocument& document) { document.setValue(section, key, value); });
}

}  // namespace tarvik
