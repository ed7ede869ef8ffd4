#include "CliMessageHandler.h"

#include "PlainText.h"

#include <QString>

#include <iostream>

namespace {

bool g_verbose = false;

int messageType(QtMsgType type) {
    switch (type) {
    case QtWarningMsg: return ZOT::MSG_WARNING;
    case QtCriticalMsg:
    case QtFatalMsg: return ZOT::MSG_ERROR;
    default: return ZOT::MSG_DEBUG;
    }
}

} // namespace

CliMessageHandler::CliMessageHandler() {
    ZOT::MessageHandlerRegistry::instance().setMessageHandler(this);
    m_previousQtHandler = qInstallMessageHandler(qtMessage);
}

CliMessageHandler::~CliMessageHandler() {
    qInstallMessageHandler(m_previousQtHandler);
    ZOT::MessageHandlerRegistry::instance().setDefaultMsgHandler();
}

void CliMessageHandler::setVerbose(bool verbose) {
    g_verbose = verbose;
}

void CliMessageHandler::msg(const std::string &text, int type, const char *functionName, int verbosityLevel) {
    if (g_verbose) {
        ZOT::MessageHandler::msg(text, type, functionName, verbosityLevel);
        if (type == ZOT::MSG_PROGRESS && (text.empty() || text.back() != '\n'))
            writeConsole("\n", 0);
        return;
    }
    if (type != ZOT::MSG_ERROR)
        return;
    const QString plain = PlainText::withoutLocations(QString::fromStdString(text)).trimmed();
    writeConsole("error: " + plain.toStdString() + "\n", 0);
}

void CliMessageHandler::writeConsole(const std::string &text, int /*colour*/) {
    std::cerr << text;
    std::cerr.flush();
}

void CliMessageHandler::qtMessage(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    // Qt's own lines ("QPainter::begin: ...", font and platform notes) are part of the log, not of the answer.
    if (g_verbose || type == QtFatalMsg)
        ZOT::message(text.toStdString(), messageType(type), context.category ? context.category : "Qt", 0);
}
