// ParallelDeflate: compresses a long stream as one raw deflate stream, in pieces on every core,
// handing the compressed bytes to a sink in order; the stream's CRC-32 and length come with it.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <string>
#include <string_view>
#include <vector>

class ParallelDeflate {
public:
    // Takes compressed bytes in order; false stops the stream.
    using Sink = std::function<bool(const char* data, size_t size)>;

    // level as zlib takes it (1 fastest, 9 smallest).
    ParallelDeflate(int level, Sink sink);
    ~ParallelDeflate();
    ParallelDeflate(const ParallelDeflate&) = delete;
    ParallelDeflate& operator=(const ParallelDeflate&) = delete;

    // Adds text to the stream. False once the sink refused bytes.
    bool Write(std::string_view text);
    // Compresses what is left and ends the stream. False when the sink refused bytes.
    bool Finish();

    uint32_t Crc() const { return m_crc; }
    uint64_t Size() const { return m_size; }

private:
    struct Piece {
        std::vector<unsigned char> compressed;
        uint32_t crc = 0;
        size_t size = 0;
    };

    static Piece Compress(std::string text, int level, bool last);
    void Submit(bool last);
    bool Deliver(Piece piece);

    int m_level;
    Sink m_sink;
    size_t m_inFlight;
    std::string m_pending;
    std::deque<std::future<Piece>> m_working;
    uint32_t m_crc = 0;
    uint64_t m_size = 0;
    bool m_ok = true;
};
