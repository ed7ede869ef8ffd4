#ifndef ZOT_ExceptionH
#define ZOT_ExceptionH

// Exception of the model, file and calculation layers. Keeps the chain of messages that
// callers add while the exception travels outwards, each with the place it was added.

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace ZOT {

class FormatString;

class Exception : public std::exception {
public:
    /*! One entry of the chain: message text and location ("[Class::function]"). */
    struct MsgInfo {
        MsgInfo(std::string text, std::string location) : what(std::move(text)), where(std::move(location)) {}
        std::string what;
        std::string where;
    };

    Exception(const std::string &what, const std::string &where);
    Exception(const FormatString &what, const std::string &where);
    /*! Copies the chain of \a previous and appends this context as outermost entry. */
    Exception(const Exception &previous, const std::string &what, const std::string &where);
    Exception(const Exception &previous, const FormatString &what, const std::string &where);

    /*! Message text of the outermost entry. */
    const char *what() const noexcept override;
    /*! The whole chain, innermost entry first. */
    const std::vector<MsgInfo> &messages() const { return m_msgs; }
    /*! Writes the chain as error lines through the message handler, innermost first. */
    void writeMsgStackToError() const;

private:
    std::vector<MsgInfo> m_msgs;
};

} // namespace ZOT

#endif // ZOT_ExceptionH
