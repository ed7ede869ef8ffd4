// Linked into every test executable: once the application object exists, the program's messages go to a
// handler that fails the running test function on a warning or an error nobody expected. A test that provokes
// one on purpose catches it with MessageCapture. Qt's own warnings are printed by QtTest ("QWARN") and fail the
// test through the CTest property set in hygrolux_add_test, since QtTest replaces any Qt message handler.

#include <ZOT_MessageHandler.h>

#include <QCoreApplication>
#include <QTest>

#include <iostream>
#include <string>

namespace {

class TestMessageGuard : public ZOT::MessageHandler {
public:
    void msg(const std::string &text, int type, const char *functionName, int verbosityLevel) override {
        ZOT::MessageHandler::msg(text, type, functionName, verbosityLevel);
        if (type != ZOT::MSG_WARNING && type != ZOT::MSG_ERROR)
            return;
        const std::string failure =
            std::string(type == ZOT::MSG_ERROR ? "Unexpected error message: " : "Unexpected warning message: ") + text;
        // Outside a test function (before qExec, at exit) there is no test to fail; the line still shows.
        if (QTest::currentTestFunction())
            QTest::qFail(failure.c_str(), functionName ? functionName : "", 0);
        else
            std::cerr << failure << '\n';
    }
};

void installTestMessageGuard() {
    // Never destroyed: messages written while static objects are torn down still find a handler.
    static TestMessageGuard *guard = new TestMessageGuard;
    guard->setTimeStampFormat("");
    ZOT::MessageHandlerRegistry::instance().setMessageHandler(guard);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installTestMessageGuard)
