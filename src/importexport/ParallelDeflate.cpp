// Each piece is deflated on its own (no dictionary carried over) and ends on a byte boundary
// with a sync flush, so that the pieces joined in order make one valid stream; only the last
// piece closes it.
#include "importexport/ParallelDeflate.h"

#include <zlib.h>

#include <algorithm>
#include <thread>

namespace {

constexpr size_t kPieceSize = size_t{1} << 20;

struct Deflater {
    z_stream stream{};
    explicit Deflater(int level) {
        deflateInit2(&stream, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    }
    ~Deflater() { deflateEnd(&stream); }
};

}  // namespace

ParallelDeflate::ParallelDeflate(int level, Sink sink)
    : m_level(level),
      m_sink(std::move(sink)),
      m_inFlight(std::max(2u, std::thread::hardware_concurrency()) + 1) {
    m_pending.reserve(kPieceSize);
}

ParallelDeflate::~ParallelDeflate() {
    for (auto& piece : m_working) piece.wait();
}

bool ParallelDeflate::Write(std::string_view text) {
    while (!text.empty() && m_ok) {
        const size_t taken = std::min(text.size(), kPieceSize - m_pending.size());
        m_pending.append(text.substr(0, taken));
        text.remove_prefix(taken);
        if (m_pending.size() == kPieceSize) Submit(false);
    }
    return m_ok;
}

bool ParallelDeflate::Finish() {
    if (m_ok) Submit(true);
    while (!m_working.empty()) {
        Piece piece = m_working.front().get();
        m_working.pop_front();
        if (m_ok) m_ok = Deliver(std::move(piece));
    }
    return m_ok;
}

ParallelDeflate::Piece ParallelDeflate::Compress(std::string text, int level, bool last) {
    Deflater deflater(level);
    Piece piece;
    piece.size = text.size();
    piece.crc = static_cast<uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(text.data()), static_cast<uInt>(text.size())));
    deflater.stream.next_in = reinterpret_cast<Bytef*>(text.data());
    deflater.stream.avail_in = static_cast<uInt>(text.size());
    size_t written = 0;
    piece.compressed.resize(deflateBound(&deflater.stream, text.size()) + 16);
    do {  // the bound leaves room enough; the loop is only a guard
        if (written == piece.compressed.size()) piece.compressed.resize(written * 2);
        deflater.stream.next_out = piece.compressed.data() + written;
        deflater.stream.avail_out = static_cast<uInt>(piece.compressed.size() - written);
        deflate(&deflater.stream, last ? Z_FINISH : Z_SYNC_FLUSH);
        written = piece.compressed.size() - deflater.stream.avail_out;
    } while (deflater.stream.avail_out == 0);
    piece.compressed.resize(written);
    return piece;
}

void ParallelDeflate::Submit(bool last) {
    m_working.push_back(std::async(std::launch::async, Compress, std::move(m_pending), m_level, last));
    m_pending.clear();
    m_pending.reserve(kPieceSize);
    while (m_working.size() >= m_inFlight && m_ok) {
        m_ok = Deliver(m_working.front().get());
        m_working.pop_front();
    }
}

bool ParallelDeflate::Deliver(Piece piece) {
    m_crc = static_cast<uint32_t>(crc32_combine(m_crc, piece.crc, static_cast<z_off_t>(piece.size)));
    m_size += piece.size;
    return m_sink(reinterpret_cast<const char*>(piece.compressed.data()), piece.compressed.size());
}
