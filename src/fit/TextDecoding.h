#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The encodings measured-data files come in, turned into UTF-8 for reading and showing.
namespace fit {

// The text of a file's bytes: UTF-8 without its byte-order mark as it is; UTF-16 with a
// byte-order mark converted into storage. The view refers into bytes or storage.
std::string_view DecodeText(std::string_view bytes, std::string& storage);

// A heading line as UTF-8: valid UTF-8 as it is; otherwise the characters Chinese Windows
// writes in GBK for the column names and units (应变, 应力, 微, μ, ε, σ, ‰, ％, brackets),
// or, when it holds none of them, each byte as a Latin-1 character (µ is 0xB5 there).
std::string DecodeHeadingText(std::string_view line);

// The text as UTF-8 that can be shown in a message or a preview: headings decoded as above,
// control characters but the tab replaced by U+FFFD, cut to at most maxBytes (and "…").
std::string PrintableText(std::string_view text, std::size_t maxBytes);

// Whether the bytes are valid UTF-8.
bool ValidUtf8(std::string_view text);

}  // namespace fit
