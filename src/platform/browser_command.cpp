#include "platform/browser_command.h"

std::string BrowserCommandLine(std::string_view registeredCommand, std::string_view address) {
    size_t cut = registeredCommand.find("\"%1\"");
    if (cut == std::string_view::npos) {
        cut = registeredCommand.find("%1");
    }
    std::string command(registeredCommand.substr(0, cut));
    command += ' ';
    command += address;
    return command;
}
