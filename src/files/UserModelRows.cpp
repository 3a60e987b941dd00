#include "files/UserModelRows.h"

#include "common/ExactNumberText.h"
#include "common/KelvaneError.h"
#include "files/FileMessages.h"

#include <sstream>

namespace {

constexpr const char* FREE_WORD = "FREE";
constexpr const char* FIXED_WORD = "FIXED";
constexpr const char* NO_BOUND = "-";

std::string boundText(const std::optional<double>& bound) {
    return bound ? exactNumberText(*bound) : NO_BOUND;
}

std::string parameterRow(const UserParameterSettings& p) {
    return p.name + ' ' + exactNumberText(p.start) + ' ' + (p.fixed ? FIXED_WORD : FREE_WORD) +
           ' ' + boundText(p.lower) + ' ' + boundText(p.upper);
}

UserParameterSettings parameterIn(const std::string& row) {
    std::istringstream words(row);
    std::string name, start, freedom, lower, upper, extra;
    const bool fiveWords =
        static_cast<bool>(words >> name >> start >> freedom >> lower >> upper) && !(words >> extra);
    UserParameterSettings p;
    p.name = name;
    const std::optional<double> startValue = exactNumberIn(start);
    const bool freedomKnown = freedom == FREE_WORD || freedom == FIXED_WORD;
    if (!fiveWords || !startValue || !freedomKnown)
        throw KelvaneError(damagedUserParameter(row));
    p.start = *startValue;
    p.fixed = freedom == FIXED_WORD;
    for (auto [word, bound] : {std::pair{&lower, &p.lower}, std::pair{&upper, &p.upper}}) {
        if (*word == NO_BOUND)
            continue;
        *bound = exactNumberIn(*word);
        if (!*bound)
            throw KelvaneError(damagedUserParameter(row));
    }
    return p;
}

const std::string& boundedCell(const FileImage& image, int row) {
    const std::string& text = image.cell(0, row);
    if (text.size() > MOST_USER_MODEL_TEXT)
        throw KelvaneError(userModelTextTooLong(MOST_USER_MODEL_TEXT));
    return text;
}

} // namespace

void putUserModel(FileImage& image, const UserModelSettings& model) {
    if (model.empty())
        return;
    image.setCell(0, USER_MODEL_ROW, model.equation);
    int row = USER_MODEL_ROW + 1;
    for (const UserParameterSettings& p : model.parameters)
        image.setCell(0, row++, parameterRow(p));
}

UserModelSettings userModelAt(const FileImage& image) {
    UserModelSettings model;
    model.equation = boundedCell(image, USER_MODEL_ROW);
    if (model.empty())
        return model;
    // The parameter rows run to the first empty cell or the end of the image.
    for (int row = USER_MODEL_ROW + 1; row < image.rowCount(); ++row) {
        const std::string& text = boundedCell(image, row);
        if (text.empty())
            break;
        model.parameters.push_back(parameterIn(text));
    }
    return model;
}
