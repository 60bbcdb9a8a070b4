// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Utf8Text.h"

#include <cstdint>
#include <cstdio>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The code point of the well-formed sequence at text[i], with its length in bytes; length 0 when the bytes
// there are not well-formed UTF-8.
struct Decoded {
    char32_t point = 0;
    std::size_t length = 0;
};

Decoded DecodeAt(const std::string& text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t point = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, point = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, point = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, point = lead & 0x07, smallest = 0x10000;
    } else {
        return {};
    }
    if (i + length > text.size()) {
        return {};
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80) {
            return {};
        }
        point = (point << 6) | (byte(k) & 0x3F);
    }
    const bool surrogate = point >= 0xD800 && point <= 0xDFFF;
    if (point < smallest || surrogate || point > 0x10FFFF) {
        return {};
    }
    return {point, length};
}

void AppendUtf8(std::string& out, char32_t point) {
    if (point < 0x80) {
        out += static_cast<char>(point);
    } else if (point < 0x800) {
        out += static_cast<char>(0xC0 | (point >> 6));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += static_cast<char>(0xE0 | (point >> 12));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (point >> 18));
        out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
}

// Characters that act on a terminal or reorder what is around them on screen.
bool MustEscape(char32_t point) {
    const bool control = point < 0x20 || (point >= 0x7F && point <= 0x9F);
    const bool reorders = (point >= 0x202A && point <= 0x202E) || (point >= 0x2066 && point <= 0x2069) ||
                          point == 0x200E || point == 0x200F || point == 0x061C;
    return control || reorders;
}

std::string Escape(const char* format, unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// Line ends a terminal may see as they are: \n, \r right before \n, and tabs.
bool IsLineSpacing(const std::string& text, std::size_t i) {
    return text[i] == '\n' || text[i] == '\t' ||
           (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n');
}

std::string Escaped(const std::string& text, std::size_t maxCharacters, bool keepLines) {
    std::string out;
    std::size_t shown = 0;
    for (std::size_t i = 0; i < text.size(); ++shown) {
        if (shown == maxCharacters) {
            return out + "…";
        }
        const Decoded decoded = DecodeAt(text, i);
        if (decoded.length == 0) {
            out += Escape("\\x%02X", static_cast<unsigned char>(text[i]));
            ++i;
            continue;
        }
        if (MustEscape(decoded.point) && !(keepLines && IsLineSpacing(text, i))) {
            out += decoded.point < 0x100 ? Escape("\\x%02X", static_cast<unsigned>(decoded.point))
                                         : Escape("\\u{%04X}", static_cast<unsigned>(decoded.point));
        } else {
            out.append(text, i, decoded.length);
        }
        i += decoded.length;
    }
    return out;
}

std::string Utf16ToUtf8(const std::string& bytes, bool bigEndian) {
    const auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        char32_t point = unit(i);
        if (point >= 0xD800 && point <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                point = 0x10000 + ((point - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        AppendUtf8(out, point >= 0xD800 && point <= 0xDFFF ? kReplacement : point);
    }
    return out;
}

}  // namespace

bool IsValidUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const Decoded decoded = DecodeAt(text, i);
        if (decoded.length == 0) {
            return false;
        }
        i += decoded.length;
    }
    return true;
}

std::string EchoText(const std::string& text, std::size_t maxCharacters) {
    return Escaped(text, maxCharacters, false);
}

std::string TerminalText(const std::string& text) {
    return Escaped(text, std::string::npos, true);
}

std::string FoldFullWidth(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Decoded decoded = DecodeAt(text, i);
        if (decoded.length == 0) {
            out += text[i++];
            continue;
        }
        if (decoded.point >= 0xFF01 && decoded.point <= 0xFF5E) {
            out += static_cast<char>(decoded.point - 0xFEE0);
        } else if (decoded.point == 0x3000) {
            out += ' ';
        } else {
            out.append(text, i, decoded.length);
        }
        i += decoded.length;
    }
    return out;
}

std::string TextFileToUtf8(const std::string& bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        return bytes.substr(3);
    }
    if (bytes.starts_with("\xFF\xFE")) {
        return Utf16ToUtf8(bytes, false);
    }
    if (bytes.starts_with("\xFE\xFF")) {
        return Utf16ToUtf8(bytes, true);
    }
    return bytes;
}
