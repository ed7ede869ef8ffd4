#include "ZOT_MessageHandler.h"

#include <ctime>
#include <iostream>
#include <unistd.h>

namespace ZOT {

namespace {

// ANSI colours standing in for the console attributes yellow (14), red (12) and magenta (13)
const int COLOUR_YELLOW = 33;
const int COLOUR_RED = 31;
const int COLOUR_MAGENTA = 35;

MessageHandler &defaultHandler() {
    static MessageHandler handler;
    return handler;
}

// The replacement handler in use; null while the default handler serves. A plain pointer,
// so that it stays usable while static objects are destroyed at program end.
MessageHandler *g_replacementHandler = nullptr;

std::string typePrefix(int type) {
    switch (type) {
    case MSG_PROGRESS: return "[Progress]\t";
    case MSG_CONTINUED: return "";
    case MSG_WARNING: return "[Warning ]\t";
    case MSG_ERROR: return "[Error   ]\t";
    case MSG_DEBUG: return "[Debug   ]\t";
    default: return "[Invalid ]\t";
    }
}

std::string timeStamp(const std::string &format) {
    if (format.empty())
        return std::string();
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[128];
    std::size_t len = std::strftime(buffer, sizeof(buffer), format.c_str(), &local);
    return std::string(buffer, len) + "\t";
}

// Every line break except a final one is followed by the line header, so that every
// line of a multi-line message carries time stamp, function column and prefix.
std::string prefixContinuationLines(const std::string &text, const std::string &header) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        result += text[i];
        if (text[i] == '\n' && i + 1 < text.size())
            result += header;
    }
    return result;
}

} // namespace

MessageHandler::~MessageHandler() {
    if (g_replacementHandler == this)
        g_replacementHandler = nullptr;
}

std::string MessageHandler::lineHeader(const char *functionName, const std::string &prefix) const {
    std::string header = timeStamp(m_timeStampFormat);
    std::string function = functionName ? std::string(functionName) : std::string();
    if (function.size() < static_cast<std::size_t>(m_functionColumnWidth))
        function.resize(static_cast<std::size_t>(m_functionColumnWidth), ' ');
    header += function + "\t";
    header += prefix;
    header += std::string(static_cast<std::size_t>(2 * m_indentation), ' ');
    return header;
}

void MessageHandler::msg(const std::string &text, int type, const char *functionName, int verbosityLevel) {
    const bool always = type == MSG_ERROR || type == MSG_DEBUG;
    if (!always && verbosityLevel > m_verbosityLevelLogfile && verbosityLevel > m_verbosityLevelConsole)
        return;

    const std::string header = lineHeader(functionName, typePrefix(type));
    const std::string body = prefixContinuationLines(text, header);
    const std::string indent(static_cast<std::size_t>(2 * m_indentation), ' ');
    const bool toLog = logFileOpen() && verbosityLevel != 0 && verbosityLevel <= m_verbosityLevelLogfile;
    const bool toConsole = verbosityLevel <= m_verbosityLevelConsole;

    switch (type) {
    case MSG_CONTINUED:
        if (toLog)
            writeLogFile(text);
        if (toConsole)
            writeConsole(text, 0);
        break;
    case MSG_WARNING:
        if (toLog)
            writeLogFile(header + body + "\n");
        if (toConsole)
            writeConsole(header + body + "\n", COLOUR_YELLOW);
        break;
    case MSG_ERROR:
    case MSG_DEBUG:
        if (logFileOpen())
            writeLogFile(header + body + "\n");
        writeConsole(header + body + "\n", type == MSG_ERROR ? COLOUR_RED : COLOUR_MAGENTA);
        break;
    default: // progress and invalid types
        if (toLog)
            writeLogFile(header + body);
        if (toConsole)
            writeConsole(indent + body, 0);
        break;
    }
    if (logFileOpen())
        m_logfile->flush();
}

void MessageHandler::writeConsole(const std::string &text, int colour) {
    // colour codes only on a terminal, so that redirected output stays plain text
    static const bool terminal = isatty(STDOUT_FILENO) != 0;
    if (colour != 0 && terminal)
        std::cout << "\033[" << colour << "m" << text << "\033[0m";
    else
        std::cout << text;
    std::cout.flush();
}

void MessageHandler::writeLogFile(const std::string &text) {
    *m_logfile << text;
}

bool MessageHandler::openLogFile(const std::string &fileName, bool append, std::string &errmsg) {
    m_logfile.reset();
    m_logfileName.clear();
    if (fileName.empty() || m_verbosityLevelLogfile == 0)
        return true;
    std::ios_base::openmode mode = std::ios_base::out | (append ? std::ios_base::app : std::ios_base::trunc);
    auto file = std::make_unique<std::ofstream>(fileName, mode);
    if (!file->is_open()) {
        errmsg = "Cannot open/create logfile '" + fileName + "'.";
        return false;
    }
    if (append)
        *file << "\n----------- continued -------------\n" << std::endl;
    m_logfile = std::move(file);
    m_logfileName = fileName;
    return true;
}

MessageHandlerRegistry &MessageHandlerRegistry::instance() {
    static MessageHandlerRegistry registry;
    return registry;
}

MessageHandler *MessageHandlerRegistry::messageHandler() const {
    return g_replacementHandler ? g_replacementHandler : &defaultHandler();
}

void MessageHandlerRegistry::setMessageHandler(MessageHandler *handler) {
    g_replacementHandler = handler;
}

void message(const std::string &text, int type, const std::string &functionName, int verbosityLevel) {
    MessageHandlerRegistry::instance().messageHandler()->msg(text, type, functionName.c_str(), verbosityLevel);
}

} // namespace ZOT
