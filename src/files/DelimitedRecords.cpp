#include "files/DelimitedRecords.h"

#include "common/KelvaneError.h"
#include "files/DelimitedMessages.h"

#include <algorithm>

namespace {

char separatorCharacter(Separator separator) {
    switch (separator) {
    case Separator::Tab:
        return '\t';
    case Separator::Semicolon:
        return ';';
    case Separator::Comma:
        return ',';
    case Separator::Blanks:
        break;
    }
    return ' ';
}

class RecordReader {
public:
    RecordReader(std::string_view text, Separator separator)
        : text_(text), separator_(separatorCharacter(separator)),
          blanks_(separator == Separator::Blanks) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    // Reads the next record into `record`; false for a comment line, which is consumed.
    bool read(Record& record) {
        record.line = line_;
        skipBlanks();
        if (!atEnd() && text_[pos_] == '#') {
            while (!atEnd() && !atLineEnd())
                ++pos_;
            endLine();
            return false;
        }
        if (atEnd() || atLineEnd()) {
            endLine();
            return true;
        }
        for (;;) {
            std::string field;
            readField(field);
            if (record.fields.size() < RecordLimits::MAX_FIELDS)
                record.fields.push_back(std::move(field));
            ++record.fieldCount;
            if (blanks_)
                skipBlanks();
            else if (!atEnd() && !atLineEnd())
                ++pos_; // the separator
            else
                break;
            if (blanks_ && (atEnd() || atLineEnd()))
                break;
        }
        endLine();
        return true;
    }

private:
    bool atLineEnd() const { return text_[pos_] == '\n' || text_[pos_] == '\r'; }
    bool atSeparator() const { return text_[pos_] == separator_; }

    void skipBlanks() {
        while (!atEnd() && (text_[pos_] == ' ' || (text_[pos_] == '\t' && separator_ != '\t')))
            ++pos_;
    }

    void endLine() {
        if (atEnd())
            return;
        if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')
            ++pos_;
        ++pos_;
        ++line_;
    }

    void append(std::string& field, char c) const {
        if (field.size() < RecordLimits::MAX_FIELD_LENGTH)
            field += c;
    }

    void readField(std::string& field) {
        skipBlanks();
        if (!atEnd() && text_[pos_] == '"')
            readQuoted(field);
        // What follows a closing quote up to the separator is kept: a stray quote in a
        // hand-made file should not lose the value. Blanks at its end are not.
        const std::size_t start = pos_;
        while (!atEnd() && !atLineEnd() && !atSeparator())
            ++pos_;
        std::size_t end = pos_;
        while (end > start && (text_[end - 1] == ' ' || text_[end - 1] == '\t'))
            --end;
        const std::size_t room =
            RecordLimits::MAX_FIELD_LENGTH - std::min(field.size(), RecordLimits::MAX_FIELD_LENGTH);
        field.append(text_.substr(start, std::min(end - start, room)));
    }

    void readQuoted(std::string& field) {
        const std::size_t opened = line_;
        ++pos_;
        for (;;) {
            if (atEnd())
                throw KelvaneError(unclosedQuoteMessage(opened));
            const char c = text_[pos_++];
            if (c == '"') {
                if (atEnd() || text_[pos_] != '"')
                    return;
                ++pos_;
            } else if (c == '\n' || (c == '\r' && (atEnd() || text_[pos_] != '\n'))) {
                ++line_;
            }
            append(field, c);
        }
    }

    std::string_view text_;
    char separator_;
    bool blanks_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
};

} // namespace

std::vector<Record> splitRecords(std::string_view text, Separator separator,
                                 std::size_t maxRecords) {
    std::vector<Record> records;
    RecordReader reader(text, separator);
    while (!reader.atEnd() && records.size() < maxRecords) {
        Record record;
        if (reader.read(record))
            records.push_back(std::move(record));
    }
    return records;
}

std::vector<Record> sampleRecords(std::string_view text, Separator separator,
                                  std::size_t maxRecords) {
    std::vector<Record> records;
    RecordReader reader(text, separator);
    try {
        while (!reader.atEnd() && records.size() < maxRecords) {
            Record record;
            if (reader.read(record))
                records.push_back(std::move(record));
        }
    } catch (const KelvaneError&) {
        // The records before the quote still show how the lines split.
    }
    return records;
}

const char* separatorName(Separator separator) {
    switch (separator) {
    case Separator::Tab:
        return "Tab";
    case Separator::Semicolon:
        return "Semicolon";
    case Separator::Comma:
        return "Comma";
    case Separator::Blanks:
        break;
    }
    return "Blanks";
}
