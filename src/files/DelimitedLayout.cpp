#include "files/DelimitedLayout.h"

#include "common/KelvaneError.h"
#include "files/DelimitedCells.h"
#include "files/DelimitedMessages.h"

#include <algorithm>
#include <map>

namespace {

// Enough lines to see through a logger's title lines into its data.
constexpr std::size_t SAMPLED_RECORDS = 64;
// A unit is a short word: "s", "Volt", "°C", "m/s^2".
constexpr std::size_t MOST_UNIT_LENGTH = 12;

// How many of the records share the most common number of values (two or more).
std::size_t agreeingRecords(const std::vector<Record>& records) {
    std::map<std::size_t, std::size_t> counts;
    for (const Record& record : records)
        if (record.fieldCount >= 2)
            ++counts[record.fieldCount];
    std::size_t best = 0;
    for (const auto& [fields, count] : counts)
        best = std::max(best, count);
    return best;
}

bool isUnitsRecord(const Record& record) {
    return std::all_of(record.fields.begin(), record.fields.end(), [](const std::string& f) {
        return f.size() <= MOST_UNIT_LENGTH && f.find(' ') == std::string::npos;
    });
}

} // namespace

Separator detectSeparator(std::string_view text) {
    Separator best = Separator::Blanks;
    std::size_t bestAgreeing = 0;
    for (Separator candidate :
         {Separator::Tab, Separator::Semicolon, Separator::Comma, Separator::Blanks}) {
        const std::size_t agreeing =
            agreeingRecords(sampleRecords(text, candidate, SAMPLED_RECORDS));
        if (agreeing > bestAgreeing) {
            best = candidate;
            bestAgreeing = agreeing;
        }
    }
    return best;
}

char detectDecimalMark(const std::vector<Record>& records, Separator separator) {
    if (separator == Separator::Comma)
        return '.';
    std::size_t commas = 0;
    std::size_t points = 0;
    const std::size_t sampled = std::min(records.size(), SAMPLED_RECORDS);
    for (std::size_t r = 0; r < sampled; ++r)
        for (const std::string& field : records[r].fields) {
            if (field.find(',') != std::string::npos && isFileNumber(field, ','))
                ++commas;
            else if (field.find('.') != std::string::npos && isFileNumber(field, '.'))
                ++points;
        }
    return commas > points ? ',' : '.';
}

namespace {

// "1.2.3" or "1,5" under a decimal point: a number typed wrong, not a name, so that its
// row lands in the table and the conversion names the cell, as for any text table.
bool isMistypedNumber(const std::string& field) {
    return field.find_first_not_of("0123456789.,+-eE:") == std::string::npos &&
           field.find_first_of("0123456789") != std::string::npos;
}

} // namespace

bool isDataRecord(const Record& record, char decimalMark) {
    bool number = false;
    for (const std::string& field : record.fields) {
        if (field.empty())
            continue;
        if (isFileNumber(field, decimalMark) || clockTime(field, decimalMark))
            number = true;
        else if (!isMistypedNumber(field))
            return false;
    }
    return number;
}

HeaderPlace detectHeader(const std::vector<Record>& records, char decimalMark) {
    const auto data = std::find_if(records.begin(), records.end(),
                                   [&](const Record& r) { return isDataRecord(r, decimalMark); });
    if (data == records.end())
        throw KelvaneError(noNumericRowsMessage());
    HeaderPlace place;
    place.firstData = static_cast<std::size_t>(data - records.begin());
    std::size_t first = place.firstData;
    while (first > 0 && records[first - 1].fieldCount == data->fieldCount)
        --first;
    const std::size_t rows = place.firstData - first;
    if (rows == 0)
        return place;
    if (rows >= 2 && isUnitsRecord(records[place.firstData - 1])) {
        place.names = first;
        place.units = place.firstData - 1;
    } else {
        place.names = place.firstData - 1;
    }
    return place;
}
