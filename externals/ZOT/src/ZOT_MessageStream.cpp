#include "ZOT_MessageStream.h"

#include "ZOT_MessageHandler.h"

namespace ZOT {

MessageStream::~MessageStream() {
    if (!m_text.str().empty())
        message(m_text.str(), m_type, m_functionName, m_verbosityLevel);
}

void MessageStream::flush() {
    m_text << "\n";
    message(m_text.str(), m_type, m_functionName, m_verbosityLevel);
    m_text.str(std::string());
    m_text.clear();
}

} // namespace ZOT
