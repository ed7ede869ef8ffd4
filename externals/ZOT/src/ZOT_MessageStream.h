#ifndef ZOT_MessageStreamH
#define ZOT_MessageStreamH

// Function-scoped log stream: collects text with the stream operators and hands it to the
// message handler together with the function name, message type and verbosity level.

#include <sstream>
#include <string>

namespace ZOT {

class MessageStream {
public:
    MessageStream(const std::string &functionName, int type, int verbosityLevel)
        : m_functionName(functionName), m_type(type), m_verbosityLevel(verbosityLevel) {}
    ~MessageStream();
    MessageStream(const MessageStream &) = delete;
    MessageStream &operator=(const MessageStream &) = delete;

    template <typename T> MessageStream &operator<<(const T &value) {
        m_text << value;
        return *this;
    }

    /*! Appends a line end, sends the text to the handler and clears it. */
    void flush();
    void setType(int type) { m_type = type; }
    void setVerbosityLevel(int level) { m_verbosityLevel = level; }

private:
    std::string m_functionName;
    int m_type;
    int m_verbosityLevel;
    std::ostringstream m_text;
};

} // namespace ZOT

#endif // ZOT_MessageStreamH
