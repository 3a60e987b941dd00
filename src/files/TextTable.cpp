#include "files/TextTable.h"

#include "files/TextEncoding.h"

namespace {

constexpr char END_OF_TEXT = 26;

bool isBlankOrControl(unsigned char c) {
    return c <= ' ';
}

// Reads one line into `line`, without its line end. Returns false at the end
// of the text (end of file or character 26) when no line is left.
bool readLine(std::istream& in, std::string& line, bool& endOfText) {
    line.clear();
    if (endOfText)
        return false;
    bool any = false;
    for (int ch = in.get(); ch != std::char_traits<char>::eof(); ch = in.get()) {
        if (ch == END_OF_TEXT)
            break;
        any = true;
        if (ch == '\n') {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return true;
        }
        if (line.size() < TextTable::MAX_LINE_LENGTH)
            line += static_cast<char>(ch);
    }
    endOfText = true;
    return any;
}

} // namespace

std::vector<std::string> splitImportLine(const std::string& line, std::size_t maxValues) {
    std::vector<std::string> values;
    std::size_t i = 0;
    while (i < line.size() && isBlankOrControl(static_cast<unsigned char>(line[i])))
        ++i;
    while (i < line.size() && values.size() < maxValues) {
        std::size_t blank = line.find(' ', i);
        if (blank == std::string::npos)
            blank = line.size();
        values.push_back(line.substr(i, blank - i));
        i = blank;
        while (i < line.size() && line[i] == ' ')
            ++i;
    }
    return values;
}

TextTable readTextTable(std::istream& in, std::size_t maxRows) {
    TextTable table;
    std::string line;
    bool endOfText = false;
    bool first = true;
    while (readLine(in, line, endOfText)) {
        ++table.lineCount;
        // The program's texts are UTF-8. Bytes of another encoding would stay in the cells
        // as they came, shown as U+FFFD but saved and exported as they are, so they become
        // U+FFFD here, as the window shows them and as any other way in gives them.
        if (!isSevenBit(line))
            line = utf8FromUtf16(utf16FromUtf8(line));
        if (first) {
            table.columnCount =
                static_cast<int>(splitImportLine(line, TextTable::MAX_COLUMNS).size());
            first = false;
        }
        if (table.rows.size() == maxRows) {
            table.truncated = true;
            continue;
        }
        table.rows.push_back(splitImportLine(line, static_cast<std::size_t>(table.columnCount)));
    }
    return table;
}
