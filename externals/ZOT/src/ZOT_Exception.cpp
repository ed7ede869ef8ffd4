#include "ZOT_Exception.h"

#include "ZOT_FormatString.h"
#include "ZOT_MessageHandler.h"

namespace ZOT {

Exception::Exception(const std::string &what, const std::string &where) {
    m_msgs.emplace_back(what, where);
}

Exception::Exception(const FormatString &what, const std::string &where) : Exception(what.str(), where) {}

Exception::Exception(const Exception &previous, const std::string &what, const std::string &where)
    : m_msgs(previous.m_msgs) {
    m_msgs.emplace_back(what, where);
}

Exception::Exception(const Exception &previous, const FormatString &what, const std::string &where)
    : Exception(previous, what.str(), where) {}

const char *Exception::what() const noexcept {
    return m_msgs.back().what.c_str();
}

void Exception::writeMsgStackToError() const {
    for (const MsgInfo &m : m_msgs)
        message(m.what, MSG_ERROR, m.where, 0);
}

} // namespace ZOT
