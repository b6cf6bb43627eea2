#include "shell/picture/GifReader.h"

#include <cstring>

namespace {

constexpr size_t kScreenDescriptorEnd = 13;  // 6-byte header and 7-byte screen descriptor
constexpr size_t kGraphicControlBytes = 8;
constexpr size_t kApplicationHead = 14;
constexpr size_t kCommentHead = 2;
constexpr size_t kPlainTextHead = 15;
constexpr size_t kImageHead = 11;  // descriptor and the LZW code size byte
constexpr uint8_t kTrailer = 0x3B;

size_t ColourTableBytes(uint8_t flags) { return (flags & 0x80) ? 3u * (2u << (flags & 0x07)) : 0; }

}  // namespace

GifReader::GifReader(const uint8_t* data, size_t size) : m_data(data), m_size(data ? size : 0) {}

bool GifReader::ReadHeader() {
    if (m_size < kScreenDescriptorEnd || std::memcmp(m_data, "GIF", 3) != 0)
        return false;
    m_width = Word(6);
    m_height = Word(8);
    m_headerBytes = kScreenDescriptorEnd + ColourTableBytes(m_data[10]);
    if (m_headerBytes > m_size)
        return false;
    m_position = m_headerBytes;
    return true;
}

GifBlockKind GifReader::KindAt(size_t position) const {
    if (position >= m_size)
        return GifBlockKind::Unknown;
    switch (m_data[position]) {
    case 0x2C: return GifBlockKind::Image;
    case kTrailer: return GifBlockKind::Trailer;
    case 0x21: break;
    default: return GifBlockKind::Unknown;
    }
    if (position + 1 >= m_size)
        return GifBlockKind::Unknown;
    switch (m_data[position + 1]) {
    case 0xFF: return GifBlockKind::Application;
    case 0xFE: return GifBlockKind::Comment;
    case 0xF9: return GifBlockKind::GraphicControl;
    case 0x01: return GifBlockKind::PlainText;
    default: return GifBlockKind::Unknown;
    }
}

bool GifReader::ChainLength(size_t position, size_t& length) const {
    size_t at = position;
    while (at < m_size) {
        const size_t size = m_data[at];
        at += 1 + size;
        if (size == 0) {
            length = at - position;
            return true;
        }
    }
    return false;  // the chain runs past the data
}

bool GifReader::BlockLength(size_t position, size_t& length) const {
    size_t head = 0;
    switch (KindAt(position)) {
    case GifBlockKind::GraphicControl: length = kGraphicControlBytes; return position + length <= m_size;
    case GifBlockKind::Trailer: length = 1; return true;
    case GifBlockKind::Application: head = kApplicationHead; break;
    case GifBlockKind::Comment: head = kCommentHead; break;
    case GifBlockKind::PlainText: head = kPlainTextHead; break;
    case GifBlockKind::Image:
        if (position + 10 > m_size)
            return false;
        head = kImageHead + ColourTableBytes(m_data[position + 9]);
        break;
    case GifBlockKind::Unknown: return false;
    }
    size_t chain = 0;
    if (position + head > m_size || !ChainLength(position + head, chain))
        return false;
    length = head + chain;
    return true;
}

bool GifReader::FindFrame(size_t position, size_t& first, size_t& end) const {
    size_t length = 0;
    // Application and comment extensions before a frame belong to no frame.
    for (;;) {
        const GifBlockKind kind = KindAt(position);
        if (kind != GifBlockKind::Application && kind != GifBlockKind::Comment)
            break;
        if (!BlockLength(position, length))
            return false;
        position += length;
    }
    first = position;
    const GifBlockKind kind = KindAt(position);
    if (kind == GifBlockKind::Image || kind == GifBlockKind::PlainText) {
        if (!BlockLength(position, length))
            return false;
        end = position + length;
        return true;
    }
    if (kind != GifBlockKind::GraphicControl)
        return false;
    // A graphic control extension applies to the next image, whatever lies between.
    while (BlockLength(position, length)) {
        const GifBlockKind at = KindAt(position);
        position += length;
        if (at == GifBlockKind::Image) {
            end = position;
            return true;
        }
        if (at == GifBlockKind::Trailer)
            return false;
    }
    return false;
}

int GifReader::CountFrames() const {
    int count = 0;
    size_t position = m_headerBytes, first = 0, end = 0;
    while (FindFrame(position, first, end)) {
        ++count;
        position = end;
    }
    return count;
}

bool GifReader::ExtractFrame(GifFrameData& frame) {
    size_t first = 0, end = 0;
    if (!FindFrame(m_position, first, end))
        return false;
    frame = GifFrameData();
    if (KindAt(first) == GifBlockKind::GraphicControl) {
        frame.delay = Word(first + 4);
        frame.disposal = (m_data[first + 3] >> 2) & 0x07;
    }
    for (size_t at = first, length = 0; at < end && BlockLength(at, length); at += length) {
        if (KindAt(at) != GifBlockKind::Image)
            continue;
        frame.left = Word(at + 1);
        frame.top = Word(at + 3);
        frame.width = Word(at + 5);
        frame.height = Word(at + 7);
    }
    frame.gif.assign(m_data, m_data + m_headerBytes);
    frame.gif.insert(frame.gif.end(), m_data + first, m_data + end);
    frame.gif.push_back(kTrailer);
    m_position = end;
    return true;
}
