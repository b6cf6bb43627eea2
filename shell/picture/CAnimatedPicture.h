#pragma once
#include "platform/CStatic.h"

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstdint>
#include <vector>

// One frame of an animation: its picture, place on the logical screen and timing.
struct GifFrame {
    IPicture* picture = nullptr;
    int width = 0, height = 0;
    int left = 0, top = 0;
    int delay = -1;    // hundredths of a second, -1 without a graphic control extension
    int disposal = 0;  // what becomes of the frame's area after it was shown
};

// How the animation thread waits for a frame's time to pass; a test puts its own clock
// in place of the system's.
class FrameClock {
public:
    virtual ~FrameClock() = default;
    // Waits at most `ms` for the stop event; true when the event came.
    virtual bool WaitForStop(HANDLE stopEvent, DWORD ms) = 0;
};

// A static control showing a picture from a resource or a memory block; an animated GIF
// plays on a thread of the control's own. The platform's picture loader decodes each
// picture; the control splits an animated GIF into single-frame GIFs and times them.
class CAnimatedPicture : public CStatic {
public:
    CAnimatedPicture();
    ~CAnimatedPicture() override;

    BOOL LoadFromResource(LPCSTR name, LPCSTR type);
    BOOL Load(HGLOBAL block, DWORD size);
    // One picture: rendered at once, TRUE. Several frames: the animation starts, FALSE.
    BOOL Draw();
    void Stop();
    BOOL IsPlaying() const { return m_playing; }
    void Unload();

    void SetFrameClock(FrameClock* clock) { m_clock = clock ? clock : &SystemClock(); }
    // What a frame's delay makes the thread wait.
    static DWORD FrameWaitMs(int delay);

    int FrameCount() const { return static_cast<int>(m_frames.size()); }
    const GifFrame& Frame(int index) const { return m_frames[index]; }
    SIZE PictureSize() const { return m_size; }
    // A pixel of the off-screen surface the control shows.
    COLORREF SurfacePixel(int x, int y) const;

protected:
    void OnPaint();
    LRESULT OnPrintClient(WPARAM dc, LPARAM);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    static FrameClock& SystemClock();
    static DWORD WINAPI AnimationThread(LPVOID self);
    void Animate();
    void ShowFrame(const GifFrame& frame);
    void DisposeFrame(const GifFrame& frame);
    void FillSurface(const RECT& rect, COLORREF colour);

    BOOL LoadGif(HGLOBAL block, const uint8_t* data, DWORD size);
    BOOL PrepareSurface(SIZE size);
    void ReleaseSurface();
    void ReleaseSaveArea();
    bool RenderPicture(IPicture* picture, HDC dc, int x, int y, int width, int height);
    void WaitForThreadEnd();

    SIZE m_size{};
    IPicture* m_picture = nullptr;
    std::vector<GifFrame> m_frames;
    size_t m_current = 0;
    HDC m_surface = nullptr;
    HBITMAP m_surfaceBitmap = nullptr;
    HGDIOBJ m_surfaceOld = nullptr;
    HDC m_saveDc = nullptr;
    HBITMAP m_saveBitmap = nullptr;
    HGDIOBJ m_saveOld = nullptr;
    COLORREF m_background = RGB(255, 255, 255);
    bool m_prepared = false;
    volatile bool m_playing = false;
    volatile bool m_stop = false;
    HANDLE m_thread = nullptr;
    HANDLE m_stopEvent = nullptr;
    FrameClock* m_clock;
};
