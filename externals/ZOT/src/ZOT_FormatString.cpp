#include "ZOT_FormatString.h"

#include <cctype>
#include <sstream>

namespace ZOT {

namespace {
template <typename T> std::string toText(T value) {
    std::ostringstream os;
    os << value;
    return os.str();
}
} // namespace

FormatString &FormatString::arg(const std::string &s) {
    m_args.push_back(s);
    return *this;
}

FormatString &FormatString::arg(int i) {
    return arg(toText(i));
}
FormatString &FormatString::arg(unsigned int i) {
    return arg(toText(i));
}
FormatString &FormatString::arg(long i) {
    return arg(toText(i));
}
FormatString &FormatString::arg(unsigned long i) {
    return arg(toText(i));
}
FormatString &FormatString::arg(double d) {
    return arg(toText(d));
}

std::string FormatString::str() const {
    std::string result;
    result.reserve(m_text.size());
    for (std::size_t i = 0; i < m_text.size(); ++i) {
        const char c = m_text[i];
        if (c != '%' || i + 1 >= m_text.size() || !std::isdigit(static_cast<unsigned char>(m_text[i + 1]))) {
            result += c;
            continue;
        }
        std::size_t j = i + 1;
        std::size_t number = 0;
        while (j < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[j])) && number < 100000)
            number = number * 10 + static_cast<std::size_t>(m_text[j++] - '0');
        if (number >= 1 && number <= m_args.size())
            result += m_args[number - 1];
        else
            result += m_text.substr(i, j - i);
        i = j - 1;
    }
    return result;
}

} // namespace ZOT
