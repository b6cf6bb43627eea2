#include "shell/picture/CAnimatedPicture.h"
#include "shell/picture/GifReader.h"
#include "tests/shell/picture/GifBuilder.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <cstring>
#include <mutex>

namespace {

using Bytes = std::vector<uint8_t>;

const COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

// A clock that lets the first `freeWaits` frame waits pass at once and then holds the
// animation until it is stopped; it records every wait asked for.
class HeldClock : public FrameClock {
public:
    explicit HeldClock(int freeWaits) : m_free(freeWaits), m_held(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~HeldClock() override { CloseHandle(m_held); }

    bool WaitForStop(HANDLE stopEvent, DWORD ms) override {
        {
            std::lock_guard<std::mutex> lock(m_lock);
            m_waits.push_back(ms);
            if (m_free-- > 0)
                return false;
        }
        SetEvent(m_held);
        return WaitForSingleObject(stopEvent, INFINITE) == WAIT_OBJECT_0;
    }
    bool WaitUntilHeld() { return WaitForSingleObject(m_held, 10000) == WAIT_OBJECT_0; }
    std::vector<DWORD> Waits() {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_waits;
    }

private:
    std::mutex m_lock;
    int m_free;
    HANDLE m_held;
    std::vector<DWORD> m_waits;
};

HGLOBAL Global(const Bytes& bytes) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
    GlobalUnlock(block);
    return block;
}

class AnimatedPicture : public ::testing::Test {
protected:
    void SetUp() override {
        host = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(picture.SubclassWindow(CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, host,
                                                           nullptr, nullptr, nullptr)));
    }
    void TearDown() override {
        picture.DestroyWindow();
        DestroyWindow(host);
    }
    BOOL Load(const Bytes& bytes) {
        HGLOBAL block = Global(bytes);
        const BOOL loaded = picture.Load(block, static_cast<DWORD>(bytes.size()));
        GlobalFree(block);
        return loaded;
    }

    TestApplication app;
    HWND host = nullptr;
    CAnimatedPicture picture;
};

}  // namespace

TEST(GifReading, FramesAreCountedAndCutWithinTheData) {
    const Bytes three = GifBuilder(8, 8)
                            .Application()
                            .Control(0, 2).Image(0, 0, 8, 8, 0)
                            .Comment("between")
                            .Control(4, 3).Comment("inside").Image(2, 2, 4, 4, 1)
                            .Image(1, 1, 2, 2, 2)  // without a graphic control extension
                            .Trailer()
                            .Bytes();
    const struct {
        const char* name;
        Bytes data;
        int frames;
    } cases[] = {
        {"three frames", three, 3},
        {"no trailer", Bytes(three.begin(), three.end() - 1), 3},
        {"last image cut short", Bytes(three.begin(), three.end() - 4), 2},
        {"cut in a graphic control extension", GifBuilder(8, 8).Control(50, 0).Image(0, 0, 8, 8, 0).Control(50, 0).Bytes(), 1},
        {"chain size byte beyond the end", [&] { Bytes b = GifBuilder(8, 8).Control(50, 0).Image(0, 0, 8, 8, 0).Bytes(); b.push_back(0x21); b.push_back(0xFE); b.push_back(200); return b; }(), 1},
        {"unknown block ends the count", [&] { Bytes b = GifBuilder(8, 8).Image(0, 0, 8, 8, 0).Bytes(); b.push_back(0x99); const Bytes more = GifBuilder(8, 8).Image(0, 0, 8, 8, 1).Bytes(); b.insert(b.end(), more.begin() + 25, more.end()); return b; }(), 1},
        {"header only", GifBuilder(8, 8).Bytes(), 0},
    };
    for (const auto& c : cases) {
        GifReader reader(c.data.data(), c.data.size());
        ASSERT_TRUE(reader.ReadHeader()) << c.name;
        EXPECT_EQ(25u, reader.HeaderBytes()) << c.name;
        EXPECT_EQ(c.frames, reader.CountFrames()) << c.name;
        int extracted = 0;
        GifFrameData frame;
        while (reader.ExtractFrame(frame))
            ++extracted;
        EXPECT_EQ(c.frames, extracted) << c.name;
    }
    EXPECT_FALSE(GifReader(three.data(), 12).ReadHeader());
    const Bytes notGif = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(GifReader(notGif.data(), notGif.size()).ReadHeader());

    GifReader reader(three.data(), three.size());
    ASSERT_TRUE(reader.ReadHeader());
    GifFrameData frame;
    const struct {
        int delay, disposal, left, top, width, height;
    } expected[] = {{0, 2, 0, 0, 8, 8}, {4, 3, 2, 2, 4, 4}, {-1, 0, 1, 1, 2, 2}};
    for (const auto& e : expected) {
        ASSERT_TRUE(reader.ExtractFrame(frame));
        EXPECT_EQ(e.delay, frame.delay);
        EXPECT_EQ(e.disposal, frame.disposal);
        EXPECT_EQ(e.left, frame.left);
        EXPECT_EQ(e.top, frame.top);
        EXPECT_EQ(e.width, frame.width);
        EXPECT_EQ(e.height, frame.height);
        EXPECT_EQ(0, std::memcmp(frame.gif.data(), three.data(), 25));  // the whole's header and table
        EXPECT_EQ(0x3B, frame.gif.back());
    }
}

TEST(GifReading, FrameWaits) {
    const struct {
        int delay;
        DWORD ms;
    } cases[] = {{0, 100}, {4, 100}, {5, 50}, {50, 500}, {-1, 4294967286u}};
    for (const auto& c : cases)
        EXPECT_EQ(c.ms, CAnimatedPicture::FrameWaitMs(c.delay)) << c.delay;
}

TEST_F(AnimatedPicture, OneFrameIsAStillPicture) {
    ASSERT_TRUE(Load(GifBuilder(6, 4).Image(0, 0, 6, 4, 2).Trailer().Bytes()));
    EXPECT_EQ(0, picture.FrameCount());
    EXPECT_EQ(6, picture.PictureSize().cx);
    EXPECT_EQ(4, picture.PictureSize().cy);
    CRect rect;
    picture.GetClientRect(&rect);
    EXPECT_EQ(CSize(6, 4), rect.Size());
    EXPECT_TRUE(picture.Draw());
    EXPECT_FALSE(picture.IsPlaying());
    EXPECT_EQ(kBlue, picture.SurfacePixel(5, 3));
}

TEST_F(AnimatedPicture, NoFramesOrNoDataLoadsNothing) {
    EXPECT_FALSE(Load(GifBuilder(6, 4).Trailer().Bytes()));
    EXPECT_FALSE(Load({'G', 'I', 'F', '8'}));
    EXPECT_FALSE(picture.Draw());
}

TEST_F(AnimatedPicture, FramesPlayWithTheirDelaysAndDisposals) {
    // Frame 0 fills the screen red; frame 1 (disposal 3) puts green in the middle and
    // is taken away again; frame 2 (disposal 2) puts blue in a corner, which becomes
    // the background; frame 3 has no graphic control extension.
    const Bytes gif = GifBuilder(8, 8)
                          .Control(0, 0).Image(0, 0, 8, 8, 0)
                          .Control(4, 3).Image(2, 2, 4, 4, 1)
                          .Control(50, 2).Image(0, 0, 2, 2, 2)
                          .Image(6, 6, 2, 2, 1)
                          .Trailer()
                          .Bytes();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const struct {
        int freeWaits;
        COLORREF centre, corner, farCorner;
    } steps[] = {
        {0, kRed, kRed, kRed},
        {1, kGreen, kRed, kRed},
        {2, kRed, kBlue, kRed},    // green restored to what lay under it
        {3, kRed, face, kGreen},   // blue disposed to the background
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.freeWaits);
        ASSERT_TRUE(Load(gif));
        ASSERT_EQ(4, picture.FrameCount());
        EXPECT_EQ(-1, picture.Frame(3).delay);
        HeldClock clock(step.freeWaits);
        picture.SetFrameClock(&clock);
        EXPECT_FALSE(picture.Draw());
        ASSERT_TRUE(clock.WaitUntilHeld());
        EXPECT_TRUE(picture.IsPlaying());
        EXPECT_EQ(step.centre, picture.SurfacePixel(3, 3));
        EXPECT_EQ(step.corner, picture.SurfacePixel(0, 0));
        EXPECT_EQ(step.farCorner, picture.SurfacePixel(7, 7));
        const std::vector<DWORD> all = {100, 100, 500, 4294967286u};
        EXPECT_EQ(std::vector<DWORD>(all.begin(), all.begin() + step.freeWaits + 1), clock.Waits());
        picture.Stop();
        EXPECT_FALSE(picture.IsPlaying());
        picture.Unload();
        picture.SetFrameClock(nullptr);
    }
}

TEST_F(AnimatedPicture, AfterTheLastFrameTheScreenStartsAgainFromTheBackground) {
    ASSERT_TRUE(Load(GifBuilder(4, 4).Control(10, 0).Image(0, 0, 4, 4, 0).Control(10, 0).Image(0, 0, 2, 2, 1).Trailer().Bytes()));
    HeldClock clock(2);
    picture.SetFrameClock(&clock);
    picture.Draw();
    ASSERT_TRUE(clock.WaitUntilHeld());
    EXPECT_EQ(kRed, picture.SurfacePixel(0, 0));  // frame 0 again
    EXPECT_EQ((std::vector<DWORD>{100, 100, 100}), clock.Waits());
    picture.Unload();
    EXPECT_EQ(0, picture.FrameCount());
}

TEST_F(AnimatedPicture, StopRightAfterDrawEndsTheThreadWithTheSystemClock) {
    ASSERT_TRUE(Load(GifBuilder(4, 4).Control(500, 0).Image(0, 0, 4, 4, 0).Control(500, 0).Image(0, 0, 4, 4, 1).Trailer().Bytes()));
    picture.Draw();
    picture.Stop();
    EXPECT_FALSE(picture.IsPlaying());
    picture.Stop();  // no thread: nothing to do
    EXPECT_FALSE(picture.Draw());  // starts again
    picture.Unload();
}

TEST_F(AnimatedPicture, ThePlayingAnimationShowsInTheResourceOfTheProgram) {
    ASSERT_TRUE(picture.LoadFromResource(MAKEINTRESOURCEA(272), "GIF"));
    EXPECT_GT(picture.FrameCount(), 1);
    HeldClock clock(0);
    picture.SetFrameClock(&clock);
    picture.Draw();
    ASSERT_TRUE(clock.WaitUntilHeld());
    picture.Unload();
    EXPECT_FALSE(picture.LoadFromResource(MAKEINTRESOURCEA(9999), "GIF"));
}

TEST_F(AnimatedPicture, ABitmapShowsInItsOwnSize) {
    // A 3 x 2 bitmap file, 24 bits, bottom row first.
    Bytes bmp = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0};
    bmp.resize(54, 0);
    for (int row = 0; row < 2; ++row) {
        for (int x = 0; x < 3; ++x)
            bmp.insert(bmp.end(), {0, 0, 255});  // blue, green, red: red
        bmp.insert(bmp.end(), {0, 0, 0});  // padding to 12 bytes
    }
    bmp[2] = static_cast<uint8_t>(bmp.size());
    ASSERT_TRUE(Load(bmp));
    EXPECT_EQ(3, picture.PictureSize().cx);
    EXPECT_EQ(2, picture.PictureSize().cy);
    EXPECT_TRUE(picture.Draw());
    EXPECT_EQ(kRed, picture.SurfacePixel(2, 1));
}

namespace {

// A clock whose first wait ignores the stop event until the test lets it go.
class StuckClock : public FrameClock {
public:
    StuckClock() : m_held(CreateEventA(nullptr, TRUE, FALSE, nullptr)), m_release(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~StuckClock() override {
        CloseHandle(m_held);
        CloseHandle(m_release);
    }
    bool WaitForStop(HANDLE, DWORD) override {
        SetEvent(m_held);
        WaitForSingleObject(m_release, INFINITE);
        returned = true;
        return true;
    }
    HANDLE m_held;
    HANDLE m_release;
    volatile bool returned = false;
};

}  // namespace

TEST_F(AnimatedPicture, UnloadWaitsForAThreadThatStopCouldNotEnd) {
    ASSERT_TRUE(Load(GifBuilder(4, 4).Control(10, 0).Image(0, 0, 4, 4, 0).Control(10, 0).Image(0, 0, 4, 4, 1).Trailer().Bytes()));
    StuckClock clock;
    picture.SetFrameClock(&clock);
    picture.Draw();
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(clock.m_held, 10000));
    picture.Stop();  // gives up after its wait
    EXPECT_FALSE(picture.IsPlaying());
    HANDLE releaser = CreateThread(nullptr, 0, [](LPVOID release) -> DWORD {
        Sleep(200);
        SetEvent(static_cast<HANDLE>(release));
        return 0;
    }, clock.m_release, 0, nullptr);
    picture.Unload();
    EXPECT_TRUE(clock.returned);  // the thread was done before the surface went
    EXPECT_EQ(0, picture.FrameCount());
    WaitForSingleObject(releaser, 10000);
    CloseHandle(releaser);
}
