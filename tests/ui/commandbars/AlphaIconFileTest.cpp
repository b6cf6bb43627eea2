#include "tests/support/TempFolder.h"
#include "tests/ui/commandbars/ImageTestIcons.h"
#include "ui/commandbars/UIImageFunctions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// An icon file with one 32-bit image of the given width: directory, one entry, the
// header (height doubled for the mask), width x width colour pixels and the AND mask.
std::string IconFile(int width, DWORD argb) {
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = width * 2;
    header.biPlanes = 1;
    header.biBitCount = 32;
    std::string image(reinterpret_cast<const char*>(&header), sizeof(header));
    for (int i = 0; i < width * width; ++i) image.append(reinterpret_cast<const char*>(&argb), 4);
    image.append(static_cast<size_t>(width) * 4, '\0');  // the mask rows
    const WORD directory[3] = {0, 1, 1};
    std::string file(reinterpret_cast<const char*>(directory), sizeof(directory));
    const BYTE entryBytes[4] = {static_cast<BYTE>(width), static_cast<BYTE>(width), 0, 0};
    const WORD planesBits[2] = {1, 32};
    const DWORD sizeOffset[2] = {static_cast<DWORD>(image.size()), 6 + 16};
    file.append(reinterpret_cast<const char*>(entryBytes), 4);
    file.append(reinterpret_cast<const char*>(planesBits), 4);
    file.append(reinterpret_cast<const char*>(sizeOffset), 8);
    return file + image;
}

std::string Patched(std::string bytes, size_t at, DWORD value) {
    std::memcpy(&bytes[at], &value, 4);
    return bytes;
}

TEST(AlphaIconFile, LoadsTheImageOfTheWidthAsked) {
    TempFolder folder;
    folder.WriteFile("good.ico", IconFile(16, 0x80112233));
    const std::string path = folder / "good.ico";
    HICON icon = LoadAlphaIconFile(path.c_str(), 16);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(GetIconSize(icon), CSize(16, 16));
    EXPECT_EQ(IconPixels(icon)[0], 0x80112233u);
    ::DestroyIcon(icon);
    EXPECT_EQ(LoadAlphaIconFile(path.c_str(), 24), nullptr);
    EXPECT_EQ(LoadAlphaIconFile((folder / "missing.ico").c_str(), 16), nullptr);
}

// Entries and headers that do not match the file are refused instead of read past.
TEST(AlphaIconFile, EntriesThatDoNotFitTheFileAreRefused) {
    const std::string good = IconFile(16, 0xFF000000);
    const size_t entrySize = 6 + 8, entryOffset = 6 + 12, header = 22;
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"offset past the end", Patched(good, entryOffset, 100000)},
        {"size past the end", Patched(good, entrySize, 100000)},
        {"size below a header", Patched(good, entrySize, 20)},
        {"header width differs", Patched(good, header + 4, 64)},
        {"header taller than the data", Patched(good, header + 8, 64)},
        {"header not 32 bits", Patched(good, header + 12, 0x00180001)},
        {"directory count beyond the entries", Patched(good, 2, 0xFFFF0001)},
        {"cut short", good.substr(0, 100)},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        folder.WriteFile("bad.ico", c.bytes);
        EXPECT_EQ(LoadAlphaIconFile((folder / "bad.ico").c_str(), 16), nullptr) << c.name;
    }
}

TEST(AlphaIconFile, BitmapFilesAreAskedForTheirDepth) {
    TempFolder folder;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biBitCount = 32;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
    bytes.append(reinterpret_cast<const char*>(&info), sizeof(info));
    folder.WriteFile("deep.bmp", bytes);
    EXPECT_TRUE(IsAlphaBitmapFile((folder / "deep.bmp").c_str()));
    folder.WriteFile("short.bmp", bytes.substr(0, 20));
    EXPECT_FALSE(IsAlphaBitmapFile((folder / "short.bmp").c_str()));
}

}  // namespace
