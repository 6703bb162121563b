// UTF-8 decoding (RFC 3629) and display widths after Unicode's East Asian Width property,
// reduced to the ranges Chinese text uses.
#include "base/Utf8.h"

#include <charconv>

namespace qinghe {

char32_t DecodeUtf8(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b0 = byte(i);
    int extra;
    char32_t c;
    if (b0 < 0x80) {
        ++i;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        extra = 1, c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2, c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3, c = b0 & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + static_cast<std::size_t>(extra) >= text.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k <= extra; ++k) {
        const unsigned char b = byte(i + static_cast<std::size_t>(k));
        if ((b & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (b & 0x3F);
    }
    i += static_cast<std::size_t>(extra) + 1;
    return c;
}

std::string EncodeUtf8(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

std::vector<std::string> Utf8Chars(std::string_view text) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t start = i;
        DecodeUtf8(text, i);
        out.emplace_back(text.substr(start, i - start));
    }
    return out;
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size();) {
        DecodeUtf8(text, i);
        ++n;
    }
    return n;
}

std::string Trim(std::string_view text) {
    constexpr std::string_view kIdeographicSpace = "\u3000";
    for (;;) {
        if (!text.empty() &&
            (text.front() == ' ' || (text.front() >= '\t' && text.front() <= '\r')))
            text.remove_prefix(1);
        else if (text.substr(0, 3) == kIdeographicSpace)
            text.remove_prefix(3);
        else
            break;
    }
    for (;;) {
        if (!text.empty() && (text.back() == ' ' || (text.back() >= '\t' && text.back() <= '\r')))
            text.remove_suffix(1);
        else if (text.size() >= 3 && text.substr(text.size() - 3) == kIdeographicSpace)
            text.remove_suffix(3);
        else
            break;
    }
    return std::string(text);
}

namespace {

bool IsWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
           (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

}  // namespace

int DisplayWidth(std::string_view text) {
    int width = 0;
    for (std::size_t i = 0; i < text.size();) width += IsWide(DecodeUtf8(text, i)) ? 2 : 1;
    return width;
}

std::optional<int> ParseInt(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace qinghe
