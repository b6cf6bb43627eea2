// Throughput of a full-size download and upload: figures, not a timed test. Run with
// TESSARON_BENCH=1 scripts/test -R comm_e2e (or the e2e script with that variable).
#include "comm/PlcTransaction.h"
#include "comm/PlcTransfers.h"
#include "tools/simplc/SampleImage.h"
#include "tools/simplc/e2e/EndToEndFixture.h"

#include <cstdio>

namespace {

constexpr double kBitsPerByte = 10.0;     // start, 8 data, stop
constexpr size_t kRequestOverhead = 5;    // station, letter, block, CRC
constexpr size_t kWriteReplyBytes = 6;    // station, letter, N, block, CRC
constexpr size_t kFullImage = 256 * 200 - 3;

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

}  // namespace

TEST_F(EndToEnd, DISABLED_FullSizeDownloadThroughput) {
    SampleImageSpec spec;
    spec.programBytes = 0;
    spec.programBytes = kFullImage - MakeSampleImage(spec).size();
    const std::vector<uint8_t> image = MakeSampleImage(spec);
    const std::string path = WriteImage(image);
    const int baud = theSerialPort.Settings().baudRate;

    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    ASSERT_EQ(kCommOk, DownloadTarget(nullptr, nullptr, 0, path));
    QueryPerformanceCounter(&end);
    const double seconds = Seconds(start, end);

    const size_t blocks = 256, payload = image.size() + 3;
    const size_t wire = payload + blocks * (kRequestOverhead + kWriteReplyBytes);
    const double lineSecondsPerBlock = (wire / double(blocks)) * kBitsPerByte / baud;
    const double pause = DownloadBlockPause(baud) / 1000.0;
    std::printf("full-size download: %zu payload bytes in %zu blocks, %zu bytes on the wire\n",
                payload, blocks, wire);
    std::printf("  wire bytes per payload byte: %.4f\n", double(wire) / payload);
    std::printf("  measured on linked pseudo-terminals: %.2f s, %.1f ms per block\n", seconds,
                1000.0 * seconds / blocks);
    std::printf("  line limit at %d baud 8N1: %.1f ms per block on the wire, %.1f ms with the "
                "%.0f ms reply pause, %.1f s for the image\n",
                baud, 1000.0 * lineSecondsPerBlock, 1000.0 * (lineSecondsPerBlock + pause),
                1000.0 * pause, blocks * (lineSecondsPerBlock + pause));

    std::vector<uint8_t> uploaded;
    QueryPerformanceCounter(&start);
    ASSERT_EQ(kCommOk, UploadTarget(uploaded));
    QueryPerformanceCounter(&end);
    EXPECT_EQ(image, uploaded);
    std::printf("full-size upload: %.2f s, %.1f ms per block\n", Seconds(start, end),
                1000.0 * Seconds(start, end) / blocks);
}
