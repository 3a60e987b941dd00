#include "files/DelimitedFile.h"

#include "files/TextTableFile.h"

DelimitedFile readDelimitedFile(const std::string& path, const LayoutChoice& choice,
                                char tableSeparator) {
    DelimitedFile file;
    file.text = decodeText(readTextFileBytes(path));
    file.table = readDelimited(file.text, choice, tableSeparator);
    return file;
}
