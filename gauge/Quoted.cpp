#include "gauge/Quoted.h"

#include <iterator>
#include <utility>
#include <vector>

namespace shown {
namespace {

std::string hexEscape(unsigned char byte) {
    constexpr char kDigits[] = "0123456789abcdef";
    return {'\\', 'x', kDigits[byte >> 4], kDigits[byte & 0xF]};
}

// How many bytes the UTF-8 character at the start of text takes, 0 when it is not one: a lead
// without its followers, an overlong form, a surrogate or a code point beyond U+10FFFF.
std::size_t utf8Length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0x80             ? 1
                               : (lead & 0xE0) == 0xC0 ? 2
                               : (lead & 0xF0) == 0xE0 ? 3
                               : (lead & 0xF8) == 0xF0 ? 4
                                                       : 0;
    if (length <= 1 || text.size() < length)
        return length <= 1 ? length : 0;
    char32_t point = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        point = point << 6 | (byte(i) & 0x3F);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < kLeast[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return 0;
    return length;
}

// The first character of text as a message shows it, and how many bytes of text it stands for.
std::pair<std::string, std::size_t> shownCharacter(std::string_view text) {
    const auto first = static_cast<unsigned char>(text[0]);
    switch (first) {
        case '\\':
            return {"\\\\", 1};
        case '\t':
            return {"\\t", 1};
        case '\n':
            return {"\\n", 1};
        case '\r':
            return {"\\r", 1};
        case 0x1B:
            return {"\\e", 1};
        default:
            break;
    }
    if (first < 0x20 || first == 0x7F)
        return {hexEscape(first), 1};
    const std::size_t length = utf8Length(text);
    if (length == 0)
        return {hexEscape(first), 1};
    const auto second = static_cast<unsigned char>(text[1]);
    if (first == 0xC2 && second < 0xA0)  // U+0080..U+009F
        return {hexEscape(first) + hexEscape(second), 2};
    return {std::string(text.substr(0, length)), length};
}

// Each character of text as a message shows it.
std::vector<std::string> shownCharacters(std::string_view text) {
    std::vector<std::string> shown;
    for (std::size_t at = 0; at < text.size();) {
        auto [character, used] = shownCharacter(text.substr(at));
        shown.push_back(std::move(character));
        at += used;
    }
#ifdef _WIN32
    // Windows separates folders with the backslash: a path is shown as it was typed. No name
    // there holds a control character, so none of its backslashes can pass for an escape.
    for (std::string& character : shown)
        if (character == "\\\\")
            character = "\\";
#endif
    return shown;
}

}  // namespace

std::string quoted(std::string_view text) {
    constexpr std::size_t kMostShown = 60;
    constexpr std::size_t kCut = kMostShown - 3;  // room for "..."
    std::string shown;
    std::size_t cut = 0;  // the longest run of whole characters within kCut
    for (std::size_t at = 0; at < text.size();) {
        const auto [character, used] = shownCharacter(text.substr(at));
        shown += character;
        at += used;
        if (shown.size() <= kCut)
            cut = shown.size();
        if (shown.size() > kMostShown)
            return "'" + shown.substr(0, cut) + "...'";
    }
    return "'" + shown + "'";
}

std::string path(std::string_view path) {
    constexpr std::size_t kMostShown = 120;
    const std::vector<std::string> characters = shownCharacters(path);
    std::string tail;
    std::size_t size = 0;
    auto first = characters.end();
    while (first != characters.begin() && size + std::prev(first)->size() <= kMostShown - 3) {
        --first;
        size += first->size();
    }
    for (auto c = first; c != characters.end(); ++c) tail += *c;
    return first == characters.begin() ? tail : "..." + tail;
}

}  // namespace shown
