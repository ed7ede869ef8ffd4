#ifndef ZOT_EOLStreamBufferH
#define ZOT_EOLStreamBufferH

// Input stream buffer that turns every line end of the legacy text formats (CR LF, LF CR,
// CR, LF and the record separator 0x1E) into a single "\n". Installs itself on the stream
// it is constructed on and puts the previous buffer back when destroyed.

#include <istream>
#include <streambuf>

namespace ZOT {

class EOLStreamBuffer : public std::streambuf {
public:
    explicit EOLStreamBuffer(std::istream &in);
    ~EOLStreamBuffer() override;
    EOLStreamBuffer(const EOLStreamBuffer &) = delete;
    EOLStreamBuffer &operator=(const EOLStreamBuffer &) = delete;

protected:
    int_type underflow() override;

private:
    std::istream &m_stream;
    std::streambuf *m_source;
    char m_current = 0;
    char m_prevEOL = 0;
};

} // namespace ZOT

#endif // ZOT_EOLStreamBufferH
