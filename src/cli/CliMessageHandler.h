#ifndef CliMessageHandlerH
#define CliMessageHandlerH

// Message handler of the command-line tool: standard output carries only the tool's results (JSON that
// scripts parse), so the libraries' messages go to standard error. Quiet by default: only errors of the core, as
// plain "error: ..." lines; with --verbose the whole log (time stamp, function, type) and Qt's own messages.
// Installed for the core's messages and for Qt's while the object lives.

#include <ZOT_MessageHandler.h>

#include <QtGlobal>

class CliMessageHandler : public ZOT::MessageHandler {
public:
    CliMessageHandler();
    ~CliMessageHandler() override;

    /*! Verbose: every message as the log writes it; quiet: core errors only, progress, warnings and Qt's
        messages dropped. */
    static void setVerbose(bool verbose);

    void msg(const std::string &text, int type, const char *functionName, int verbosityLevel) override;

protected:
    void writeConsole(const std::string &text, int colour) override;

private:
    static void qtMessage(QtMsgType type, const QMessageLogContext &context, const QString &text);

    QtMessageHandler m_previousQtHandler = nullptr;
};

#endif // CliMessageHandlerH
