#include <set>
#include <utility>

#include "documents/ProjectJson.h"

namespace volvenza::project_file {
namespace {

// A project nests four levels (the catalogue's sizes); a text nested far
// deeper would make the parser build far more than the text's size.
constexpr int kMaxDepth = 16;

// Where the nesting of lists and objects, counted outside strings, first
// passes kMaxDepth, found before the parser builds anything.
std::optional<size_t> TooDeepAt(const std::string& text) {
    int depth = 0;
    bool inString = false, escaped = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > kMaxDepth) return i + 1;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return std::nullopt;
}

// The line of a place in the text, and the character within that line,
// both from 1; `at` counts bytes from 1, a character is one UTF-8 sequence.
std::pair<long long, long long> LineAndCharacter(const std::string& text, size_t at) {
    long long line = 1, character = 0;
    for (size_t i = 0; i < std::min(at, text.size()); ++i) {
        if (text[i] == '\n') {
            ++line;
            character = 0;
        } else if ((static_cast<unsigned char>(text[i]) & 0xc0) != 0x80) {
            ++character;
        }
    }
    return {line, character};
}

// The first thing that makes a text no JSON a project can come from, found
// by a pass that builds nothing: a syntax error or a number beyond a double
// (whose own exception says no place), with its line; or a key given twice
// in one object, which the parser would take the last of without a word.
class JsonFaults : public Json::json_sax_t {
  public:
    explicit JsonFaults(const std::string& text) : text_(text) {}
    const Status& Fault() const { return fault_; }

    bool null() override { return Value(); }
    bool boolean(bool) override { return Value(); }
    bool number_integer(Json::number_integer_t) override { return Value(); }
    bool number_unsigned(Json::number_unsigned_t) override { return Value(); }
    bool number_float(Json::number_float_t, const std::string&) override { return Value(); }
    bool string(std::string&) override { return Value(); }
    bool binary(Json::binary_t&) override { return Value(); }
    bool start_object(std::size_t) override {
        Value();
        open_.push_back({true, {}, {}});
        return true;
    }
    bool key(std::string& name) override {
        Open& object = open_.back();
        object.name = name;
        if (object.keys.insert(name).second) return true;
        return Fail(Message(MessageId::FieldTwice, {MsgVerbatim(Path())}));
    }
    bool end_object() override { return Close(); }
    bool start_array(std::size_t) override {
        Value();
        open_.push_back({false, {}, {}});
        return true;
    }
    bool end_array() override { return Close(); }
    bool parse_error(std::size_t at, const std::string& token, const Json::exception& e) override {
        const auto [line, character] = LineAndCharacter(text_, at);
        // 406: a number that no double holds, its first digits enough to find it.
        const std::string number = token.size() > 24 ? token.substr(0, 20) + "…" : token;
        return Fail(
            e.id == 406
                ? Message(MessageId::JsonNumberTooLarge, {MsgInteger(line), MsgVerbatim(number)})
                : Message(MessageId::JsonInvalidAt, {MsgInteger(line), MsgInteger(character)}));
    }

  private:
    // An object and its keys so far, or a list and how many values it has.
    struct Open {
        bool object;
        std::string name;
        std::set<std::string> keys;
        size_t values = 0;
    };
    bool Value() {
        if (!open_.empty() && !open_.back().object) ++open_.back().values;
        return true;
    }
    bool Close() {
        open_.pop_back();
        return true;
    }
    // The fault named: the pass stops at the first.
    bool Fail(Message fault) {
        fault_ = std::move(fault);
        return false;
    }
    // The place of the key being read, as the field messages name it: the
    // movements counted from 1, other lists from 0.
    std::string Path() const {
        std::string path;
        const std::string* holder = nullptr;  // the name the list is under
        for (const Open& open : open_) {
            if (open.object) {
                path += "/" + open.name;
            } else {
                const bool fromOne = holder != nullptr && *holder == project_key::kMovements;
                path += "/" + std::to_string(open.values - (fromOne ? 0 : 1));
            }
            holder = &open.name;
        }
        return path;
    }

    const std::string& text_;
    std::vector<Open> open_;
    Status fault_ = Done{};
};

}  // namespace

Status CheckProjectJson(const std::string& text) {
    if (const auto at = TooDeepAt(text)) {
        const auto [line, character] = LineAndCharacter(text, *at);
        return Message(MessageId::JsonTooDeep,
                       {MsgInteger(kMaxDepth), MsgInteger(line), MsgInteger(character)});
    }
    JsonFaults faults(text);
    Json::sax_parse(text, &faults);
    return faults.Fault();
}

}  // namespace volvenza::project_file
