// hygrolux2-cli: batch command-line tool on the program's model, calculation and criteria code.

#include "CliDispatcher.h"
#include "CliMessageHandler.h"

#include <QCoreApplication>

int main(int argc, char *argv[]) {
    // No command needs a display: a core application runs on any machine and never touches the settings store.
    QCoreApplication app(argc, argv);
    CliMessageHandler handler;
    ZOT::MessageHandlerRegistry::instance().setMessageHandler(&handler);
    CliDispatcher dispatcher;
    const int exitCode = dispatcher.run(QCoreApplication::arguments().mid(1));
    ZOT::MessageHandlerRegistry::instance().setDefaultMsgHandler();
    return exitCode;
}
