#ifndef ZOT_MessageHandlerH
#define ZOT_MessageHandlerH

// The one message handler of the program: writes progress lines, warnings, errors and debug
// lines to the console and to the log file, each log line with time stamp, function column
// and type prefix. A replacement handler (tests, the log viewer) can be put in its place
// through the registry.

#include <fstream>
#include <memory>
#include <string>

namespace ZOT {

enum MessageType { MSG_PROGRESS = 0, MSG_CONTINUED = 1, MSG_WARNING = 2, MSG_ERROR = 3, MSG_DEBUG = 4 };

class MessageHandler {
public:
    MessageHandler() = default;
    virtual ~MessageHandler();
    MessageHandler(const MessageHandler &) = delete;
    MessageHandler &operator=(const MessageHandler &) = delete;

    /*! Writes one message. Virtual so that a replacement handler can redirect output. */
    virtual void msg(const std::string &text, int type = MSG_PROGRESS, const char *functionName = nullptr,
                     int verbosityLevel = 1);

    /*! Closes an open log file and opens \a fileName (truncated, or appended to). An empty
        name or a log file verbosity of 0 opens nothing. False with \a errmsg on failure. */
    bool openLogFile(const std::string &fileName, bool append, std::string &errmsg);

    void setConsoleVerbosityLevel(int level) { m_verbosityLevelConsole = level; }
    void setLogfileVerbosityLevel(int level) { m_verbosityLevelLogfile = level; }
    void setIndentation(int steps) { m_indentation = steps; }
    void setFunctionColumnWidth(int width) { m_functionColumnWidth = width; }
    void setTimeStampFormat(const std::string &format) { m_timeStampFormat = format; }

    int consoleVerbosityLevel() const { return m_verbosityLevelConsole; }
    int logfileVerbosityLevel() const { return m_verbosityLevelLogfile; }
    int indentation() const { return m_indentation; }
    const std::string &logfileName() const { return m_logfileName; }
    bool logFileOpen() const { return m_logfile && m_logfile->is_open(); }

protected:
    /*! Console output; colour is an ANSI colour code, 0 for the default colour. */
    virtual void writeConsole(const std::string &text, int colour);
    /*! Log file output (already checked to be open). */
    virtual void writeLogFile(const std::string &text);

private:
    std::string lineHeader(const char *functionName, const std::string &typePrefix) const;

    std::string m_logfileName;
    int m_functionColumnWidth = 40;
    int m_verbosityLevelConsole = 4;
    int m_verbosityLevelLogfile = 2;
    std::unique_ptr<std::ofstream> m_logfile;
    std::string m_timeStampFormat = "%Y-%m-%d %H:%M:%S";
    int m_indentation = 0;
};

/*! Holds the handler in use; initially the program's default handler. */
class MessageHandlerRegistry {
public:
    static MessageHandlerRegistry &instance();
    MessageHandler *messageHandler() const;
    /*! Installs \a handler; nullptr resets to the default handler. */
    void setMessageHandler(MessageHandler *handler);
    void setDefaultMsgHandler() { setMessageHandler(nullptr); }

private:
    MessageHandlerRegistry() = default;
};

/*! Forwards to the handler in use. */
void message(const std::string &text, int type, const std::string &functionName, int verbosityLevel);

} // namespace ZOT

#endif // ZOT_MessageHandlerH
