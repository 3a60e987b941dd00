#pragma once

#include "common/UserMessage.h"
#include "document/UserModelSettings.h"

#include <string>
#include <variant>
#include <vector>

// One row of the "User Defined Fit" dialog's parameter table as the user typed it.
struct UserParameterEntry {
    std::string name;
    std::string start;
    bool fixed = false;
    std::string lower; // empty: no bound
    std::string upper;
};

// The rows for the settings: numbers in the shortest text that reads back the same.
std::vector<UserParameterEntry> entriesOf(const std::vector<UserParameterSettings>& parameters);

// The dialog's rows for the parameters the equation names, in its order: a parameter keeps
// the row the user typed for its name, a new one starts at "1", free, unbounded.
std::vector<UserParameterEntry> refreshedEntries(const std::vector<std::string>& names,
                                                 const std::vector<UserParameterEntry>& typed);

// The equation and the rows checked as OK and Preview take them: the settings, or the
// message of the first problem (an empty or unparsable equation, a number that is not
// one, bounds the wrong way round, a start outside its bounds, nothing left free). The
// rows must be those of the equation (refreshedEntries).
std::variant<UserModelSettings, UserMessage>
checkedUserModel(const std::string& equation, const std::vector<UserParameterEntry>& entries);
