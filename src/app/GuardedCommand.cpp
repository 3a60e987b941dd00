#include "app/GuardedCommand.h"

#include "common/AppInfo.h"
#include "shell/UiServices.h"

#include <exception>

std::optional<std::string> runCommand(UiServices& ui, const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& error) {
        ui.message(QString::fromStdString(error.what()), APPLICATION_TITLE, UiServices::Icon::Stop,
                   UiServices::Buttons::Ok);
        return std::string(error.what());
    }
    return std::nullopt;
}
