#include "forms/RtfText.h"

#include <array>
#include <cstddef>

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Groups that describe the document rather than hold its text.
bool isTextlessDestination(std::string_view word) {
    static constexpr std::array<std::string_view, 8> kDestinations = {
        "fonttbl", "colortbl", "stylesheet", "info", "pict", "header", "footer", "listtable"};
    for (std::string_view destination : kDestinations) {
        if (word == destination)
            return true;
    }
    return false;
}

// "\'hh" names a byte of the document's code page; Latin-1 is near enough for the few that occur.
void appendLatin1(std::string& text, int byte) {
    if (byte < 0x80) {
        text += static_cast<char>(byte);
        return;
    }
    text += static_cast<char>(0xC0 | (byte >> 6));
    text += static_cast<char>(0x80 | (byte & 0x3F));
}

class RtfReader {
public:
    explicit RtfReader(std::string_view rtf) : rtf_(rtf) { text_.reserve(rtf.size()); }

    std::string plainText() {
        while (pos_ < rtf_.size()) step();
        if (!text_.empty() && text_.back() == '\n')
            text_.pop_back();
        return std::move(text_);
    }

private:
    static constexpr int kNotSkipping = -1;

    bool skipping() const { return skipDepth_ != kNotSkipping; }

    void emit(char c) {
        if (!skipping())
            text_ += c;
    }

    void step() {
        const char c = rtf_[pos_++];
        const bool groupJustOpened = groupStart_;
        groupStart_ = false;
        switch (c) {
            case '{':
                ++depth_;
                groupStart_ = true;
                break;
            case '}':
                if (depth_ == skipDepth_)
                    skipDepth_ = kNotSkipping;
                --depth_;
                break;
            case '\r':
            case '\n':
                break;  // line breaks in RTF source are layout of the source, not of the text
            case '\\':
                control(groupJustOpened);
                break;
            default:
                emit(c);
        }
    }

    void control(bool atGroupStart) {
        if (pos_ >= rtf_.size())
            return;
        if (isLetter(rtf_[pos_])) {
            controlWord(atGroupStart);
        } else {
            controlSymbol(atGroupStart);
        }
    }

    void controlWord(bool atGroupStart) {
        const std::size_t start = pos_;
        while (pos_ < rtf_.size() && isLetter(rtf_[pos_])) ++pos_;
        const std::string_view word = rtf_.substr(start, pos_ - start);
        if (pos_ < rtf_.size() && rtf_[pos_] == '-')
            ++pos_;
        while (pos_ < rtf_.size() && isDigit(rtf_[pos_])) ++pos_;
        if (pos_ < rtf_.size() && rtf_[pos_] == ' ')
            ++pos_;  // the delimiter, not text

        if (atGroupStart && !skipping() && isTextlessDestination(word)) {
            skipDepth_ = depth_;
        } else if (word == "par" || word == "line") {
            emit('\n');
        } else if (word == "tab") {
            emit('\t');
        }
    }

    void controlSymbol(bool atGroupStart) {
        const char symbol = rtf_[pos_++];
        switch (symbol) {
            case '\\':
            case '{':
            case '}':
                emit(symbol);
                break;
            case '~':
                emit(' ');
                break;
            case '*':
                if (atGroupStart && !skipping())
                    skipDepth_ = depth_;
                break;
            case '\'':
                hexByte();
                break;
            case '\r':
            case '\n':
                emit('\n');  // a backslash before a line break is a paragraph mark
                break;
            default:
                break;  // optional hyphen, formula character and the like
        }
    }

    void hexByte() {
        if (pos_ + 2 > rtf_.size()) {
            pos_ = rtf_.size();
            return;
        }
        const int high = hexValue(rtf_[pos_]);
        const int low = hexValue(rtf_[pos_ + 1]);
        pos_ += 2;
        if (high < 0 || low < 0 || skipping())
            return;
        appendLatin1(text_, high * 16 + low);
    }

    std::string_view rtf_;
    std::size_t pos_ = 0;
    std::string text_;
    int depth_ = 0;
    int skipDepth_ = kNotSkipping;
    bool groupStart_ = false;
};

}  // namespace

std::string rtfToPlainText(std::string_view rtf) {
    return RtfReader(rtf).plainText();
}
