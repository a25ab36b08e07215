#include <algorithm>
#include <cstdint>
#include <span>
#include <variant>

#include "form/form_sketch.h"
#include "window/win32/sketch_view.h"
#include "window_fixture.h"

namespace zarvek::win32 {
namespace {

// What the view paints, through WM_PRINTCLIENT into a 32-bit bitmap: its pixels as 0x00RRGGBB.
std::vector<std::uint32_t> Painted(HWND view) {
    RECT client{};
    GetClientRect(view, &client);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(view, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    const std::span pixels(static_cast<const std::uint32_t*>(bits),
                           static_cast<std::size_t>(client.right * client.bottom));
    std::vector<std::uint32_t> copy(pixels.begin(), pixels.end());
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return copy;
}

TEST_F(Win32WindowTest, DrawingPaintsTheTypedSeatsWithTheFailingSeatInTheWarningColour) {
    Start();
    Command(kIdFileNew);
    SetFocus(Box(Field::X1));
    // Seat 3 too close to the line of seats 1 and 2; every direction up.
    for (const wchar_t* text : {L"0", L"0", L"0", L"0", L"0", L"1", L"100", L"0", L"0", L"0", L"0",
                                L"1", L"30", L"5", L"0", L"0", L"0", L"1"}) {
        Type(text);
        Key(VK_TAB);
    }
    const SketchView& view = window->sketchView();
    const SketchScene scene = view.Scene();
    const auto verdict = std::find_if(scene.items.begin(), scene.items.end(), [](const auto& item) {
        return item.part == ScenePart::Verdict;
    });
    ASSERT_NE(verdict, scene.items.end());
    EXPECT_TRUE(verdict->emphasised);
    EXPECT_EQ(std::get<SceneText>(verdict->shape).text,
              SketchTextsOf(SketchForm(window->form(), window->locale()), Language::English,
                            window->locale())
                  .verdict);

    const std::vector<std::uint32_t> pixels = Painted(view.hwnd());
    const auto warning = static_cast<std::uint32_t>(kSceneWarning.red << 16 |
                                                    kSceneWarning.green << 8 | kSceneWarning.blue);
    EXPECT_GT(std::count(pixels.begin(), pixels.end(), warning), 50);  // the seat and its ring
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace zarvek::win32
