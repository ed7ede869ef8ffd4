#ifndef CliMessageHandlerH
#define CliMessageHandlerH

// Message handler of the command-line tool: standard output carries only the tool's results (JSON that
// scripts parse), so warnings and errors of the libraries go to standard error and progress lines are dropped.

#include <ZOT_MessageHandler.h>

class CliMessageHandler : public ZOT::MessageHandler {
public:
    void msg(const std::string &text, int type, const char *functionName, int verbosityLevel) override;

protected:
    void writeConsole(const std::string &text, int colour) override;
};

#endif // CliMessageHandlerH
