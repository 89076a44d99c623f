#include "app/core/document/latin1text.h"

#include <cstddef>

namespace {

constexpr unsigned char kFirstHighByte = 0x80;
constexpr unsigned char kContinuationMask = 0xC0;
constexpr unsigned char kContinuationBits = 0x80;
// A Latin-1 letter from 0x80 up in UTF-8: 110000xx 10xxxxxx.
constexpr unsigned char kTwoByteLead = 0xC0;
constexpr int kPayloadBits = 6;
constexpr unsigned char kPayloadMask = 0x3F;

// The well-formed lead bytes with their sequence's length and the range of
// its second byte, which rules out overlong forms, surrogates and code
// points beyond U+10FFFF.
struct Lead {
    unsigned char first, last;
    size_t length;
    unsigned char low, high;
};
constexpr Lead kLeads[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

unsigned char At(const std::string& text, size_t i) { return static_cast<unsigned char>(text[i]); }

// Length of the UTF-8 sequence that starts at i, 0 when the bytes there are none.
size_t SequenceAt(const std::string& text, size_t i) {
    const unsigned char lead = At(text, i);
    for (const Lead& l : kLeads) {
        if (lead < l.first || lead > l.last) continue;
        if (text.size() - i < l.length) return 0;
        const unsigned char second = At(text, i + 1);
        if (second < l.low || second > l.high) return 0;
        for (size_t k = 2; k < l.length; ++k)
            if ((At(text, i + k) & kContinuationMask) != kContinuationBits) return 0;
        return l.length;
    }
    return 0;
}

}  // namespace

std::string CLatin1Text::ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        const unsigned char byte = At(bytes, i);
        if (byte < kFirstHighByte) {
            out += bytes[i++];
            continue;
        }
        if (const size_t length = SequenceAt(bytes, i)) {
            out.append(bytes, i, length);
            i += length;
            continue;
        }
        out += static_cast<char>(kTwoByteLead | (byte >> kPayloadBits));
        out += static_cast<char>(kContinuationBits | (byte & kPayloadMask));
        ++i;
    }
    return out;
}
