#include "tests/shell/picture/GifBuilder.h"

#include <cstring>

namespace {

// LZW data of 2-bit pixels with 3-bit codes: a clear code before every two pixels keeps
// the code table from growing, so the codes never widen.
std::vector<uint8_t> PixelCodes(int count, uint8_t colour) {
    const int clear = 4, end = 5;
    std::vector<int> codes;
    for (int i = 0; i < count; ++i) {
        if (i % 2 == 0)
            codes.push_back(clear);
        codes.push_back(colour);
    }
    codes.push_back(end);
    std::vector<uint8_t> packed;
    uint32_t buffer = 0;
    int bits = 0;
    for (int code : codes) {
        buffer |= static_cast<uint32_t>(code) << bits;
        bits += 3;
        while (bits >= 8) {
            packed.push_back(static_cast<uint8_t>(buffer));
            buffer >>= 8;
            bits -= 8;
        }
    }
    if (bits > 0)
        packed.push_back(static_cast<uint8_t>(buffer));
    return packed;
}

}  // namespace

GifBuilder::GifBuilder(int width, int height) {
    const char header[] = "GIF89a";
    m_bytes.assign(header, header + 6);
    Word(width);
    Word(height);
    m_bytes.push_back(0x81);  // global table of 2^(1+1) colours
    m_bytes.push_back(0);
    m_bytes.push_back(0);
    const uint8_t table[12] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
    m_bytes.insert(m_bytes.end(), table, table + 12);
}

void GifBuilder::Word(int value) {
    m_bytes.push_back(static_cast<uint8_t>(value));
    m_bytes.push_back(static_cast<uint8_t>(value >> 8));
}

GifBuilder& GifBuilder::Control(int delay, int disposal) {
    m_bytes.insert(m_bytes.end(), {0x21, 0xF9, 0x04, static_cast<uint8_t>(disposal << 2)});
    Word(delay);
    m_bytes.insert(m_bytes.end(), {0x00, 0x00});
    return *this;
}

GifBuilder& GifBuilder::Image(int left, int top, int width, int height, uint8_t colour) {
    m_bytes.push_back(0x2C);
    Word(left);
    Word(top);
    Word(width);
    Word(height);
    m_bytes.push_back(0x00);
    m_bytes.push_back(0x02);  // LZW minimum code size
    const std::vector<uint8_t> data = PixelCodes(width * height, colour);
    for (size_t at = 0; at < data.size(); at += 255) {
        const size_t size = data.size() - at < 255 ? data.size() - at : 255;
        m_bytes.push_back(static_cast<uint8_t>(size));
        m_bytes.insert(m_bytes.end(), data.begin() + at, data.begin() + at + size);
    }
    m_bytes.push_back(0x00);
    return *this;
}

GifBuilder& GifBuilder::Comment(const char* text) {
    m_bytes.insert(m_bytes.end(), {0x21, 0xFE});
    m_bytes.push_back(static_cast<uint8_t>(std::strlen(text)));
    m_bytes.insert(m_bytes.end(), text, text + std::strlen(text));
    m_bytes.push_back(0x00);
    return *this;
}

GifBuilder& GifBuilder::Application() {
    const char id[] = "NETSCAPE2.0";
    m_bytes.insert(m_bytes.end(), {0x21, 0xFF, 0x0B});
    m_bytes.insert(m_bytes.end(), id, id + 11);
    m_bytes.insert(m_bytes.end(), {0x03, 0x01, 0x00, 0x00, 0x00});
    return *this;
}

GifBuilder& GifBuilder::Trailer() {
    m_bytes.push_back(0x3B);
    return *this;
}
