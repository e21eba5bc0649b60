#include "toml_guard.h"

namespace dur::host {
namespace {

enum class State { plain, basic, literal, multi_basic, multi_literal, comment };

constexpr std::string_view triple_quote = R"(""")";
constexpr std::string_view triple_apostrophe = "'''";

}  // namespace

int non_ascii_outside_text(std::string_view text)
{
    State state = State::plain;
    int line = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto at = [&](std::string_view s) { return text.substr(i, s.size()) == s; };
        if (c == '\n') {
            ++line;
            if (state == State::comment || state == State::basic || state == State::literal)
                state = State::plain;
            continue;
        }
        switch (state) {
        case State::plain:
            if (static_cast<unsigned char>(c) > 0x7F)
                return line;
            if (c == '#') {
                state = State::comment;
            } else if (at(triple_quote)) {
                state = State::multi_basic;
                i += 2;
            } else if (at(triple_apostrophe)) {
                state = State::multi_literal;
                i += 2;
            } else if (c == '"') {
                state = State::basic;
            } else if (c == '\'') {
                state = State::literal;
            }
            break;
        case State::basic:
            if (c == '\\')
                ++i;
            else if (c == '"')
                state = State::plain;
            break;
        case State::literal:
            if (c == '\'')
                state = State::plain;
            break;
        case State::multi_basic:
            if (c == '\\') {
                ++i;
            } else if (at(triple_quote)) {
                state = State::plain;
                i += 2;
            }
            break;
        case State::multi_literal:
            if (at(triple_apostrophe)) {
                state = State::plain;
                i += 2;
            }
            break;
        case State::comment:
            break;
        }
    }
    return 0;
}

}  // namespace dur::host
