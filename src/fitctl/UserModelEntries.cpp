#include "fitctl/UserModelEntries.h"

#include "common/ExactNumberText.h"

#include "fit/NonlinearMessages.h"
#include "fitctl/UserModelRun.h"

#include <optional>
#include <string_view>
#include <utility>

namespace {

UserMessage problem(const std::string& text) {
    return {text, "Error", MessageIcon::Stop, MessageButtons::Ok};
}

// A typed number, blanks around it allowed.
std::optional<double> numberIn(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    return exactNumberIn(
        std::string_view(text).substr(first, text.find_last_not_of(' ') + 1 - first));
}

bool blank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

// A bound: none when the field is blank.
std::variant<std::optional<double>, UserMessage> boundIn(const UserParameterEntry& e,
                                                         const std::string& text) {
    if (blank(text))
        return std::optional<double>();
    if (const std::optional<double> v = numberIn(text))
        return v;
    return problem(nonlinear_messages::boundNotNumber(e.name));
}

std::variant<UserParameterSettings, UserMessage> checkedParameter(const UserParameterEntry& e) {
    UserParameterSettings p;
    p.name = e.name;
    p.fixed = e.fixed;
    const std::optional<double> start = numberIn(e.start);
    if (!start)
        return problem(nonlinear_messages::startNotNumber(e.name));
    p.start = *start;
    for (auto [text, bound] : {std::pair{&e.lower, &p.lower}, std::pair{&e.upper, &p.upper}}) {
        auto read = boundIn(e, *text);
        if (const UserMessage* why = std::get_if<UserMessage>(&read))
            return *why;
        *bound = std::get<std::optional<double>>(read);
    }
    if (p.lower && p.upper && !(*p.lower < *p.upper))
        return problem(nonlinear_messages::lowerNotBelowUpper(e.name));
    if ((p.lower && p.start < *p.lower) || (p.upper && p.start > *p.upper))
        return problem(nonlinear_messages::startOutsideBounds(e.name));
    return p;
}

} // namespace

std::vector<UserParameterEntry> entriesOf(const std::vector<UserParameterSettings>& parameters) {
    std::vector<UserParameterEntry> entries;
    for (const UserParameterSettings& p : parameters)
        entries.push_back({p.name, exactNumberText(p.start), p.fixed,
                           p.lower ? exactNumberText(*p.lower) : std::string(),
                           p.upper ? exactNumberText(*p.upper) : std::string()});
    return entries;
}

std::vector<UserParameterEntry> refreshedEntries(const std::vector<std::string>& names,
                                                 const std::vector<UserParameterEntry>& typed) {
    std::vector<UserParameterEntry> entries;
    for (const std::string& name : names) {
        UserParameterEntry e{name, "1", false, "", ""};
        for (const UserParameterEntry& t : typed)
            if (t.name == name)
                e = t;
        entries.push_back(e);
    }
    return entries;
}

std::variant<UserModelSettings, UserMessage>
checkedUserModel(const std::string& equation, const std::vector<UserParameterEntry>& entries) {
    auto parsed = parseUserModel(equation);
    if (const std::string* why = std::get_if<std::string>(&parsed))
        return problem(*why);
    UserModelSettings model;
    model.equation = equation;
    bool anyFree = false;
    for (const UserParameterEntry& e : entries) {
        auto checked = checkedParameter(e);
        if (const UserMessage* why = std::get_if<UserMessage>(&checked))
            return *why;
        model.parameters.push_back(std::get<UserParameterSettings>(checked));
        anyFree = anyFree || !e.fixed;
    }
    if (!anyFree)
        return problem(nonlinear_messages::everythingFixed());
    return model;
}
