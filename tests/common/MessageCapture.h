#ifndef MessageCaptureH
#define MessageCaptureH

// Test helper: replaces the program's message handler while it lives and records every message with its
// type, so that a test can check that an error was logged (and keeps the console quiet). The handler it
// replaced (the test message guard) is in use again afterwards.

#include <ZOT_MessageHandler.h>

#include <string>
#include <utility>
#include <vector>

class MessageCapture : public ZOT::MessageHandler {
public:
    MessageCapture() : m_previous(ZOT::MessageHandlerRegistry::instance().messageHandler()) {
        ZOT::MessageHandlerRegistry::instance().setMessageHandler(this);
    }
    ~MessageCapture() override { ZOT::MessageHandlerRegistry::instance().setMessageHandler(m_previous); }

    void msg(const std::string &text, int type, const char *, int) override { m_messages.emplace_back(type, text); }

    int count(int type) const {
        int n = 0;
        for (const auto &m : m_messages)
            n += m.first == type ? 1 : 0;
        return n;
    }
    /*! Messages of \a type whose text contains \a part. */
    int count(int type, const std::string &part) const {
        int n = 0;
        for (const auto &m : m_messages)
            n += m.first == type && m.second.find(part) != std::string::npos ? 1 : 0;
        return n;
    }
    bool contains(const std::string &part) const {
        for (const auto &m : m_messages) {
            if (m.second.find(part) != std::string::npos)
                return true;
        }
        return false;
    }

private:
    ZOT::MessageHandler *m_previous;
    std::vector<std::pair<int, std::string>> m_messages;
};

#endif // MessageCaptureH
