#include "app/GuardedCommand.h"

#include "app/AppInfo.h"
#include "app/UiServices.h"

#include <exception>

void runCommand(UiServices& ui, const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& error) {
        ui.message(QString::fromStdString(error.what()), APPLICATION_TITLE, UiServices::Icon::Stop,
                   UiServices::Buttons::Ok);
    }
}
