#ifndef ZOT_FormatStringH
#define ZOT_FormatStringH

// Message text with numbered placeholders "%1", "%2", ... filled from an argument list.

#include <string>
#include <vector>

namespace ZOT {

class FormatString {
public:
    explicit FormatString(const std::string &text) : m_text(text) {}

    FormatString &arg(const std::string &s);
    FormatString &arg(const char *s) { return arg(std::string(s)); }
    FormatString &arg(int i);
    FormatString &arg(unsigned int i);
    FormatString &arg(long i);
    FormatString &arg(unsigned long i);
    /*! Numbers in the general format with default precision (as an ostream writes them). */
    FormatString &arg(double d);

    /*! The text with every placeholder replaced; one without argument stays "%n". */
    std::string str() const;

private:
    std::string m_text;
    std::vector<std::string> m_args;
};

} // namespace ZOT

#endif // ZOT_FormatStringH
