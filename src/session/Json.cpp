// Strict JSON: a recursive-descent reader that keeps the path of the value it is in, so a
// truncated or broken document is refused with the place it broke, and a plain writer.
#include "session/Json.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <set>
#include <tuple>

namespace tarvik::json {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Containers of scalars shorter than this (with their indentation) are written on one line.
constexpr std::size_t kLineWidth = 100;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void appendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {
        if (text_.starts_with(kByteOrderMark)) pos_ = kByteOrderMark.size();
    }

    std::optional<Value> document(Error* error) {
        Value root;
        skipBlanks();
        bool ok = value(root, "", 0);
        skipBlanks();
        if (ok && pos_ < text_.size()) ok = fail("", "text follows the end of the document");
        if (!ok) {
            if (error) *error = error_;
            return std::nullopt;
        }
        return root;
    }

private:
    bool value(Value& out, const std::string& path, int depth) {
        if (atEnd()) return fail(path, "the document ends where a value should start");
        if (depth >= kMaxDepth) return fail(path, "values nest deeper than " + std::to_string(kMaxDepth) + " levels");
        const char c = text_[pos_];
        if (c == '{') return object(out, path, depth);
        if (c == '[') return array(out, path, depth);
        if (c == '"') {
            out.kind = Value::Kind::String;
            return string(out.text, path);
        }
        if (c == '-' || isDigit(c)) return number(out, path);
        for (auto [word, kind, flag] :
             {std::tuple{"true", Value::Kind::Boolean, true}, std::tuple{"false", Value::Kind::Boolean, false},
              std::tuple{"null", Value::Kind::Null, false}}) {
            if (text_.substr(pos_).starts_with(word)) {
                pos_ += std::string_view(word).size();
                out.kind = kind;
                out.boolean = flag;
                return true;
            }
        }
        return fail(path, "unexpected " + here() + " where a value should start");
    }

    bool object(Value& out, const std::string& path, int depth) {
        out.kind = Value::Kind::Object;
        ++pos_;
        skipBlanks();
        if (consume('}')) return true;
        std::set<std::string> keys;
        for (;;) {
            if (atEnd()) return fail(path, "the document ends before this object is closed");
            if (text_[pos_] != '"')
                return fail(path, "unexpected " + here() + " where a field name in quotes should stand");
            std::string key;
            if (!string(key, path)) return false;
            const std::string child = memberPath(path, key);
            if (!keys.insert(key).second) return fail(child, "this field is given twice");
            skipBlanks();
            if (!consume(':'))
                return fail(child, atEnd() ? "the document ends after the field name"
                                           : "expected ':' after the field name, found " + here());
            skipBlanks();
            out.members.push_back({key, {}});
            if (!value(out.members.back().value, child, depth + 1)) return false;
            skipBlanks();
            if (consume('}')) return true;
            if (atEnd()) return fail(path, "the document ends before this object is closed");
            if (!consume(',')) return fail(child, "expected ',' or '}' after this field, found " + here());
            skipBlanks();
        }
    }

    bool array(Value& out, const std::string& path, int depth) {
        out.kind = Value::Kind::Array;
        ++pos_;
        skipBlanks();
        if (consume(']')) return true;
        for (;;) {
            const std::string child = itemPath(path, out.items.size());
            out.items.emplace_back();
            if (!value(out.items.back(), child, depth + 1)) return false;
            skipBlanks();
            if (consume(']')) return true;
            if (atEnd()) return fail(path, "the document ends before this array is closed");
            if (!consume(',')) return fail(child, "expected ',' or ']' after this element, found " + here());
            skipBlanks();
        }
    }

    bool string(std::string& out, const std::string& path) {
        ++pos_;  // the opening quote
        while (!atEnd()) {
            const char c = text_[pos_++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20)
                return fail(path, "a control character stands unescaped inside a string");
            if (c != '\\') {
                out += c;
            } else if (!escape(out, path)) {
                return false;
            }
        }
        return fail(path, "the document ends inside a string");
    }

    bool escape(std::string& out, const std::string& path) {
        if (atEnd()) return fail(path, "the document ends inside a string");
        const char c = text_[pos_++];
        constexpr std::string_view kFrom = "\"\\/bfnrt", kTo = "\"\\/\b\f\n\r\t";
        if (const auto at = kFrom.find(c); at != std::string_view::npos) {
            out += kTo[at];
            return true;
        }
        if (c != 'u') return fail(path, "unknown escape \\" + std::string(1, c) + " in a string");
        unsigned code = 0;
        if (!hex4(code, path)) return false;
        if (code >= 0xDC00 && code <= 0xDFFF) return fail(path, "a \\u escape holds a lone low surrogate");
        if (code >= 0xD800 && code <= 0xDBFF) {
            unsigned low = 0;
            if (!text_.substr(pos_).starts_with("\\u")) return fail(path, "a \\u escape holds a lone high surrogate");
            pos_ += 2;
            if (!hex4(low, path)) return false;
            if (low < 0xDC00 || low > 0xDFFF) return fail(path, "a \\u escape holds a lone high surrogate");
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        appendUtf8(out, code);
        return true;
    }

    bool hex4(unsigned& code, const std::string& path) {
        for (int i = 0; i < 4; ++i) {
            const int digit = atEnd() ? -1 : hexDigit(text_[pos_]);
            if (digit < 0) return fail(path, "a \\u escape needs four hex digits");
            code = code * 16 + static_cast<unsigned>(digit);
            ++pos_;
        }
        return true;
    }

    // JSON's number grammar: -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?; kept as written.
    bool number(Value& out, const std::string& path) {
        const std::size_t start = pos_;
        consume('-');
        if (consume('0')) {
            if (!atEnd() && isDigit(text_[pos_])) return fail(path, "a number may not start with 0");
        } else if (!digits()) {
            return fail(path, "a '-' stands without digits");
        }
        if (consume('.') && !digits()) return fail(path, "a decimal point stands without digits after it");
        if (consume('e') || consume('E')) {
            if (!consume('+')) consume('-');
            if (!digits()) return fail(path, "an exponent stands without digits");
        }
        out.kind = Value::Kind::Number;
        out.text = std::string(text_.substr(start, pos_ - start));
        return true;
    }

    bool digits() {
        const std::size_t start = pos_;
        while (!atEnd() && isDigit(text_[pos_])) ++pos_;
        return pos_ > start;
    }

    void skipBlanks() {
        while (!atEnd() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' || text_[pos_] == '\r'))
            ++pos_;
    }

    bool consume(char c) {
        if (atEnd() || text_[pos_] != c) return false;
        ++pos_;
        return true;
    }

    bool atEnd() const { return pos_ >= text_.size(); }

    std::string here() const { return atEnd() ? "end of text" : quoted(text_.substr(pos_, 1)); }

    // Syntax errors carry the line too: the path alone does not say where a stray comma is.
    bool fail(const std::string& path, std::string reason) {
        const auto line =
            1 +
            std::count(text_.begin(), text_.begin() + static_cast<std::ptrdiff_t>(std::min(pos_, text_.size())), '\n');
        error_ = {path, reason + " (line " + std::to_string(line) + ")"};
        return false;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    Error error_;
};

void writeString(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

void writeValue(std::string& out, const Value& value, std::size_t indent);

void writeScalar(std::string& out, const Value& value) {
    switch (value.kind) {
    case Value::Kind::Null: out += "null"; break;
    case Value::Kind::Boolean: out += value.boolean ? "true" : "false"; break;
    case Value::Kind::Number: out += value.text; break;
    case Value::Kind::String: writeString(out, value.text); break;
    case Value::Kind::Array:
    case Value::Kind::Object: break;
    }
}

// One-line form of a container of scalars: {"a": 1, "b": 2} or [1, 2].
std::string inlineForm(const Value& value) {
    const bool isObject = value.kind == Value::Kind::Object;
    std::string out(1, isObject ? '{' : '[');
    const std::size_t count = isObject ? value.members.size() : value.items.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (i) out += ", ";
        if (isObject) {
            writeString(out, value.members[i].key);
            out += ": ";
        }
        writeScalar(out, isObject ? value.members[i].value : value.items[i]);
    }
    out += isObject ? '}' : ']';
    return out;
}

bool holdsOnlyScalars(const Value& value) {
    return std::ranges::all_of(value.items, &Value::scalar) &&
           std::ranges::all_of(value.members, [](const Member& m) { return m.value.scalar(); });
}

void writeContainer(std::string& out, const Value& value, std::size_t indent) {
    if (holdsOnlyScalars(value)) {
        std::string line = inlineForm(value);
        if (indent + line.size() <= kLineWidth) {
            out += line;
            return;
        }
    }
    const bool isObject = value.kind == Value::Kind::Object;
    const std::size_t count = isObject ? value.members.size() : value.items.size();
    const std::string pad(indent + 2, ' ');
    out += isObject ? "{\n" : "[\n";
    for (std::size_t i = 0; i < count; ++i) {
        out += pad;
        if (isObject) {
            writeString(out, value.members[i].key);
            out += ": ";
        }
        writeValue(out, isObject ? value.members[i].value : value.items[i], indent + 2);
        out += i + 1 < count ? ",\n" : "\n";
    }
    out += std::string(indent, ' ');
    out += isObject ? '}' : ']';
}

void writeValue(std::string& out, const Value& value, std::size_t indent) {
    if (value.scalar()) writeScalar(out, value);
    else writeContainer(out, value, indent);
}

}  // namespace

Value Value::number(long long n) {
    Value v;
    v.kind = Kind::Number;
    v.text = std::to_string(n);
    return v;
}

Value Value::string(std::string s) {
    Value v;
    v.kind = Kind::String;
    v.text = std::move(s);
    return v;
}

Value Value::array(std::vector<Value> items) {
    Value v;
    v.kind = Kind::Array;
    v.items = std::move(items);
    return v;
}

Value Value::object(std::vector<Member> members) {
    Value v;
    v.kind = Kind::Object;
    v.members = std::move(members);
    return v;
}

const Value* Value::find(std::string_view key) const {
    const auto it = std::ranges::find(members, key, &Member::key);
    return it == members.end() ? nullptr : &it->value;
}

std::optional<Value> parse(std::string_view text, Error* error) { return Parser(text).document(error); }

std::string write(const Value& value) {
    std::string out;
    writeValue(out, value, 0);
    out += '\n';
    return out;
}

std::string memberPath(std::string_view parent, std::string_view key) {
    std::string path(parent);
    if (!path.empty()) path += '.';
    path += key;
    return path;
}

std::string itemPath(std::string_view parent, std::size_t index) {
    return std::string(parent) + '[' + std::to_string(index) + ']';
}

std::string_view kindName(Value::Kind kind) {
    switch (kind) {
    case Value::Kind::Null: return "null";
    case Value::Kind::Boolean: return "true or false";
    case Value::Kind::Number: return "a number";
    case Value::Kind::String: return "a string";
    case Value::Kind::Array: return "an array";
    case Value::Kind::Object: return "an object";
    }
    return "";
}

std::string quoted(std::string_view text, std::size_t limit) {
    std::string out = "\"";
    for (const char c : text.substr(0, limit)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || c == '"' || c == '\\') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    if (text.size() > limit) out += "...";
    out += '"';
    return out;
}

}  // namespace tarvik::json
