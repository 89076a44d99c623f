#include "rules/utf8text.h"

#include <cstdint>

namespace utf8text {

namespace {

constexpr uint8_t kContinuationMask = 0xC0;
constexpr uint8_t kContinuationBits = 0x80;
constexpr uint8_t kTwoByteLead = 0xC0;
constexpr uint8_t kThreeByteLead = 0xE0;
constexpr uint8_t kFourByteLead = 0xF0;
constexpr size_t kMaxContinuationBytes = 3;

bool IsContinuationByte(char c) {
    return (static_cast<uint8_t>(c) & kContinuationMask) == kContinuationBits;
}

// Bytes of the character a lead byte begins.
size_t SequenceLength(char c) {
    const uint8_t lead = static_cast<uint8_t>(c);
    if (lead >= kFourByteLead) return 4;
    if (lead >= kThreeByteLead) return 3;
    if (lead >= kTwoByteLead) return 2;
    return 1;
}

}  // namespace

size_t CharCount(std::string_view text) {
    size_t count = 0;
    for (char c : text)
        if (!IsContinuationByte(c)) ++count;
    return count;
}

size_t BytesOfFirstChars(std::string_view text, size_t maxChars) {
    size_t chars = 0;
    size_t end = 0;
    for (; end < text.size(); ++end) {
        if (IsContinuationByte(text[end])) continue;
        if (chars == maxChars) break;
        ++chars;
    }
    return end;
}

size_t BytesOfWholeChars(std::string_view cut) {
    const size_t length = cut.size();
    size_t lead = length;
    while (lead > 0 && length - lead < kMaxContinuationBytes && IsContinuationByte(cut[lead - 1])) --lead;
    if (lead == 0) return length;
    --lead;
    return length - lead < SequenceLength(cut[lead]) ? lead : length;
}

}  // namespace utf8text
