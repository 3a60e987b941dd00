#pragma once

#include "files/DelimitedTable.h"

#include <string>

// A delimited file read whole: the text decoded once, so that the import preview can read
// it again with other choices, and the table as detected.
struct DelimitedFile {
    DecodedText text;
    DelimitedTable table;
};

// Throws KelvaneError with the message to show: the file cannot be opened or is too
// large, is not text, or cannot be read as a table (see readDelimited).
DelimitedFile readDelimitedFile(const std::string& path, const LayoutChoice& choice,
                                char tableSeparator);
