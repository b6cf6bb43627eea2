#pragma once
#include <cstdint>
#include <vector>

// Builds small GIFs for the tests: a logical screen with a four-colour global table
// (0 red, 1 green, 2 blue, 3 white) and frames of one colour index each.
class GifBuilder {
public:
    GifBuilder(int width, int height);

    // A graphic control extension with this delay and disposal.
    GifBuilder& Control(int delay, int disposal);
    // An image of one colour at a place on the screen.
    GifBuilder& Image(int left, int top, int width, int height, uint8_t colour);
    GifBuilder& Comment(const char* text);
    GifBuilder& Application();
    GifBuilder& Trailer();
    std::vector<uint8_t> Bytes() const { return m_bytes; }

private:
    void Word(int value);
    std::vector<uint8_t> m_bytes;
};
