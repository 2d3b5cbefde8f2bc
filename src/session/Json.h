// A small strict JSON reader and writer for the documents tarvikctl exchanges: a syntax error
// names the path of the value it stopped in, and duplicate keys are refused, not merged.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik::json {

struct Member;

struct Value {
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    std::string text;             // a string's content, or a number's literal as written
    std::vector<Value> items;     // an array's elements
    std::vector<Member> members;  // an object's members, in document order, keys unique

    static Value number(long long n);
    static Value string(std::string s);
    static Value array(std::vector<Value> items);
    static Value object(std::vector<Member> members);
    // The member named `key` of an object; nullptr when there is none.
    const Value* find(std::string_view key) const;
    bool scalar() const { return kind != Kind::Array && kind != Kind::Object; }
};

struct Member {
    std::string key;
    Value value;
};

struct Error {
    std::string path;  // "" for the document as a whole
    std::string reason;
};

// Documents nest no deeper than this; deeper text is refused before it can exhaust the stack.
constexpr int kMaxDepth = 32;

// The document `text` holds (one value, blanks around it, an optional UTF-8 byte-order mark
// first); nullopt with `*error` set when it is not strict JSON.
std::optional<Value> parse(std::string_view text, Error* error);

// The value as indented text ending in a newline; an object or array of scalars that fits
// on one line is written on one.
std::string write(const Value& value);

// Paths as messages show them: "buttons", "buttons.A", "buttons.A[3]".
std::string memberPath(std::string_view parent, std::string_view key);
std::string itemPath(std::string_view parent, std::size_t index);

// "a number", "a string", ... for messages.
std::string_view kindName(Value::Kind kind);
// The text in double quotes, with control and non-ASCII bytes escaped, cut after `limit`
// bytes: safe to print whatever a document held.
std::string quoted(std::string_view text, std::size_t limit = 40);

}  // namespace tarvik::json
