#pragma once

#include <string>
#include <string_view>

// The conversions between the program's texts (UTF-8) and the encodings a data file
// carries. Decoding never fails: a byte sequence that is no character becomes U+FFFD, the
// replacement character, which is also what the window would show for it.

// The characters of a text, as UTF-16 code units; bytes that are not UTF-8 become U+FFFD.
std::u16string utf16FromUtf8(std::string_view utf8);

std::string utf8FromUtf16(std::u16string_view utf16);

// The 8-bit code page of the files' short texts. Its five unassigned bytes stand for the
// control characters of the same number, as Windows maps them.
std::string utf8FromWindows1252(std::string_view bytes);

// True when the bytes are UTF-8 throughout: no byte sequence would become U+FFFD.
bool isValidUtf8(std::string_view text);

// True when every byte is a 7-bit character.
bool isSevenBit(std::string_view text);
