#include "ZOT_EOLStreamBuffer.h"

namespace ZOT {

namespace {
const char RECORD_SEPARATOR = 0x1E;
}

EOLStreamBuffer::EOLStreamBuffer(std::istream &in) : m_stream(in), m_source(in.rdbuf()) {
    setg(&m_current, &m_current + 1, &m_current + 1);
    m_stream.rdbuf(this);
}

EOLStreamBuffer::~EOLStreamBuffer() {
    m_stream.rdbuf(m_source);
}

// Delivering one character at a time through the get area makes peeking follow the same
// rules as reading.
EOLStreamBuffer::int_type EOLStreamBuffer::underflow() {
    for (;;) {
        int_type next = m_source->sbumpc();
        if (traits_type::eq_int_type(next, traits_type::eof()))
            return traits_type::eof();
        char ch = traits_type::to_char_type(next);
        if (ch == RECORD_SEPARATOR || ch == '\n' || ch == '\r') {
            // the partner of a two-character line end (CR LF, LF CR, RS RS) counts once
            const char partner = ch == RECORD_SEPARATOR ? RECORD_SEPARATOR : (ch == '\n' ? '\r' : '\n');
            if (m_prevEOL == partner) {
                m_prevEOL = 0;
                continue;
            }
            m_prevEOL = ch;
            ch = '\n';
        }
        else {
            m_prevEOL = 0;
        }
        m_current = ch;
        setg(&m_current, &m_current, &m_current + 1);
        return traits_type::to_int_type(ch);
    }
}

} // namespace ZOT
