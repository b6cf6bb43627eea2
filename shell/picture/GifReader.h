#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The kind of the block that starts at a position of a GIF.
enum class GifBlockKind {
    Unknown = 0,
    Application = 1,   // 0x21 0xFF
    Comment = 2,       // 0x21 0xFE
    GraphicControl = 3,  // 0x21 0xF9
    PlainText = 4,     // 0x21 0x01
    Image = 5,         // 0x2C
    Trailer = 6,       // 0x3B
};

// One frame of an animated GIF as a GIF of its own: header, screen descriptor and global
// colour table of the whole, the frame's blocks, and the trailer.
struct GifFrameData {
    std::vector<uint8_t> gif;
    int delay = -1;   // hundredths of a second; -1 without a graphic control extension
    int disposal = 0;
    int left = 0, top = 0, width = 0, height = 0;
};

// Steps through the blocks of a GIF (either version) held in memory. Every length is
// measured within the data: a block or sub-block chain that would run past the end
// counts as no block, so damaged data ends the walk instead of reading beyond it.
class GifReader {
public:
    GifReader(const uint8_t* data, size_t size);

    // Whether the data starts with "GIF" and holds the screen descriptor and its global
    // colour table; the read position is then the first block.
    bool ReadHeader();
    int ScreenWidth() const { return m_width; }
    int ScreenHeight() const { return m_height; }
    size_t HeaderBytes() const { return m_headerBytes; }

    GifBlockKind KindAt(size_t position) const;
    // The length of the block at the position; false for an unrecognised block or one
    // that does not end within the data.
    bool BlockLength(size_t position, size_t& length) const;

    // The frames from the first block on, counted without moving the read position.
    int CountFrames() const;
    // The next frame from the read position, which moves past it; false at the trailer,
    // at an unrecognised or damaged block, or at the end of the data.
    bool ExtractFrame(GifFrameData& frame);

    void Rewind() { m_position = m_headerBytes; }

private:
    bool ChainLength(size_t position, size_t& length) const;
    uint16_t Word(size_t position) const { return static_cast<uint16_t>(m_data[position] | (m_data[position + 1] << 8)); }
    // The frame that starts at or after `position`: its first block and the end of its
    // image data. False when no whole frame follows.
    bool FindFrame(size_t position, size_t& first, size_t& end) const;

    const uint8_t* m_data;
    size_t m_size;
    size_t m_position = 0;
    size_t m_headerBytes = 0;
    int m_width = 0;
    int m_height = 0;
};
