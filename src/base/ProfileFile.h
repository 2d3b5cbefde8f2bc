// Initialisation ("profile") files such as "str.ini" and "record.ini": bracketed sections of
// key=value lines, edited in memory and saved whole so a crash never leaves half a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "base/SafeFile.h"

namespace tarvik {

// A value is read into a buffer of 1024 characters, so at most 1023 characters come back.
constexpr std::size_t kProfileValueChars = 1023;

// The file's text as lines. Lines that are not touched by an edit are written back byte for
// byte (comments, unknown lines, invalid UTF-8, other sections). Section and key names are
// compared without regard to ASCII letter case and surrounding blanks.
class ProfileDocument {
public:
    ProfileDocument() = default;
    // Accepts any bytes: a UTF-8 byte-order mark is dropped, "\r\n" and "\n" end lines.
    static ProfileDocument parse(std::string_view text);
    // The same, reusing the text's storage; at most 4 GiB of text.
    static ProfileDocument parseOwned(std::string&& text);
    // UTF-8 without byte-order mark, every line ended by "\n".
    std::string serialize() const;

    // The value of the key in the first section of that name, trimmed of blanks and of one
    // pair of enclosing double quotes, cut to 1023 characters; nullopt when missing.
    std::optional<std::string> find(std::string_view section, std::string_view key) const;
    // As find, with a missing section or key read as empty text.
    std::string value(std::string_view section, std::string_view key) const;
    struct Entry {
        std::string key;
        std::string value;  // as find returns it
    };
    // The keys of the first section of that name with their values, in file order.
    std::vector<Entry> entries(std::string_view section) const;
    bool hasSection(std::string_view section) const;
    // Section names in file order; a name that appears twice is listed once.
    std::vector<std::string> sectionNames() const;
    // Calls `visit` with each name sectionNames() lists, in the same order, until it returns false.
    void visitSectionNames(const std::function<bool(std::string_view)>& visit) const;

    // Replaces the key's value, or adds the key at the end of its section, or adds the
    // section at the end of the file.
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    // Adds a section with these keys at the end of the file, without looking for one of the
    // same name: for a section just removed, in one pass however many keys it holds.
    void appendSection(std::string_view section, const std::vector<Entry>& entries);
    // Removes every section of that name with all its lines.
    void removeSection(std::string_view section);

private:
    // A "[name]" line: where it starts in text_ and where its trimmed name lies.
    struct Header {
        std::uint32_t line;
        std::uint32_t name;
        std::uint32_t nameLength;
    };
    struct Range {
        std::size_t body;  // offset of the line after the "[name]" line
        std::size_t end;   // one past the section's last line
    };
    std::string_view lineAt(std::size_t offset) const;  // without its "\n"
    std::string_view nameOf(const Header& header) const;
    Range rangeOf(std::size_t header) const;
    std::optional<std::size_t> firstHeader(std::string_view section) const;
    std::optional<Range> firstSection(std::string_view section) const;
    // Offset and text of the key's line within the section.
    std::optional<std::pair<std::size_t, std::string_view>> keyLine(Range range, std::string_view key) const;
    // Rebuilds the section index after the text changed.
    void reindex();

    // The whole file as serialize() writes it, every line ended by "\n", so a lookup reads
    // the text in place and a document costs little more than its file.
    std::string text_;
    std::vector<Header> headers_;        // in file order
    std::vector<std::uint32_t> byName_;  // positions in headers_, ordered by name, then file order
};

// The section-name scan of the macro store: the names are listed, zero-separated, in a
// buffer of 1024 characters, and only the names whose terminating zero lies within the first
// 255 characters are seen. Empty names are left out (no macro can have an empty name).
std::vector<std::string> scanSectionNames(const std::vector<std::string>& names);
// The same scan over the document's section names, read only as far as the window reaches.
std::vector<std::string> scanSectionNames(const ProfileDocument& document);

// Reads the file; a missing file gives an empty document and no error. Any other read
// failure (a file of 4 GiB or more among them) is returned so that callers never overwrite
// a file they could not read. A dangling link reads as a missing file, but a write through it
// is refused.
std::error_code readProfileFile(const std::filesystem::path& path, ProfileDocument& document);
// Writes the document to a temporary file beside `path`, flushes it to disk and renames it
// over `path`: a reader sees either the old or the new file, never a mix.
std::error_code writeProfileFile(const std::filesystem::path& path, const ProfileDocument& document);
// Reads, edits in memory and writes the file once, holding the data-folder lock throughout;
// nothing is written when the read failed.
std::error_code editProfileFile(const std::filesystem::path& path, const std::function<void(ProfileDocument&)>& edit);

// The integer at the start of a value, as C's atoi reads it (leading blanks, a sign, digits;
// anything else ends it, no digits give 0), held within the range of a 32-bit int.
int leadingInteger(std::string_view text);

// One-call forms: a missing file, section or key reads as empty text.
std::string readProfileString(const std::filesystem::path& path, std::string_view section, std::string_view key);
std::error_code writeProfileString(const std::filesystem::path& path, std::string_view section, std::string_view key,
                                   std::string_view value);

}  // namespace tarvik
