#pragma once

#include <string>
#include <string_view>

// How the bytes of a text file spell its characters. Files from spreadsheets and data
// loggers come in all of these; the program's own texts are UTF-8.
enum class TextEncodingKind { Utf8, Utf8WithBom, Utf16LittleEndian, Utf16BigEndian, Windows1252 };

struct DecodedText {
    TextEncodingKind encoding = TextEncodingKind::Utf8;
    std::string text; // UTF-8, without the byte-order mark
};

// UTF-16 only with its byte-order mark, UTF-8 with or without one, and a text that is no
// UTF-8 is taken as Windows-1252, the code page of the spreadsheets that write it. A
// character 26 ends the text, as in the plain-text tables. Throws KelvaneError
// (notTextMessage) when the text holds a NUL character or is mostly control characters.
DecodedText decodeText(std::string_view bytes);

// "UTF-8", "UTF-8 with BOM", ...: the names the import preview shows.
const char* encodingName(TextEncodingKind encoding);
