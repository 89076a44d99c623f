// Measuring and cutting UTF-8 texts by characters, never inside one.
#pragma once

#include <cstddef>
#include <string_view>

namespace utf8text {

// Characters of a text: every byte but a continuation byte begins one.
size_t CharCount(std::string_view text);
// Bytes of the text's first maxChars characters; the whole text when it has fewer.
size_t BytesOfFirstChars(std::string_view text, size_t maxChars);
// Bytes of a text that was cut off at its end, without a last character the
// cut left incomplete.
size_t BytesOfWholeChars(std::string_view cut);

}  // namespace utf8text
