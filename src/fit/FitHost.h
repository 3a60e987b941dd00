#pragma once

#include <string>

// What the fit engine asks of the program that runs it: the iterative fit
// tells the user when its series does not settle. The shell shows a modal
// error box; the call returns when the user has closed it.
class FitHost {
public:
    virtual ~FitHost() = default;
    virtual void showModalError(const std::string& text, const std::string& caption) = 0;
};
