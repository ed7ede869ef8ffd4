#include "CliMessageHandler.h"

#include <iostream>

void CliMessageHandler::msg(const std::string &text, int type, const char *functionName, int verbosityLevel) {
    if (type == ZOT::MSG_PROGRESS || type == ZOT::MSG_CONTINUED)
        return;
    ZOT::MessageHandler::msg(text, type, functionName, verbosityLevel);
}

void CliMessageHandler::writeConsole(const std::string &text, int /*colour*/) {
    std::cerr << text;
    std::cerr.flush();
}
