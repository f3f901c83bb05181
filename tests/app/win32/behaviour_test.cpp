// What the Windows window does beyond its looks: screen-reader names, the
// focus across a change of window, pasted text, and the commands running
// over its controls with text outside ASCII, which typed keys cannot carry.

#include <oleacc.h>

#include "window_fixture.h"

namespace {

// IAccessible, spelled out: mingw-w64's oleacc import library has it wrong.
constexpr GUID kAccessibleInterface = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

std::string AccessibleName(HWND control)
{
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          kAccessibleInterface,
                                          reinterpret_cast<void**>(&accessible)))) {
        return "(no accessible object)";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    const HRESULT result = accessible->get_accName(self, &name);
    accessible->Release();
    if (FAILED(result) || !name) return "(no name)";
    const std::string text = tolbrek::Utf8FromWide(name);
    SysFreeString(name);
    return text;
}

void PutOnClipboard(HWND owner, const std::wstring& text)
{
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

}  // namespace

using BehaviourTest = WindowFixture;

TEST_F(BehaviourTest, each_data_field_is_named_by_its_caption_for_screen_readers)
{
    CoInitialize(nullptr);
    for (const auto& [field, name] : {std::pair{"txtBulwt", "Bullet Weight Grains"},
                                      {"txtPdrchg", "Powder Charge Grains"},
                                      {"txtVel", "Velocity (FPS)"},
                                      {"txtGunwt", "Weight of Gun (Lbs)"},
                                      {"txtCaluc", "Free Recoil Energy Calculated (LbFt)"},
                                      {"txtEnergy", "Muzzle Energy Calculated (LbFt)"},
                                      {"txtCalib", "Cartridge Caliber"}}) {
        EXPECT_EQ(AccessibleName(control(field)), name);
    }
    CoUninitialize();
}

TEST_F(BehaviourTest, the_focus_stays_where_it_was_when_the_window_is_left_and_regained)
{
    SetFocus(control("txtVel"));
    const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                       nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(other);
    Pump();
    ASSERT_NE(GetActiveWindow(), window());
    SetActiveWindow(window());
    Pump();
    EXPECT_EQ(GetFocus(), control("txtVel"));
    DestroyWindow(other);
}

// No length limit, and only the first line of a pasted text, as a native
// single-line text box keeps it.
TEST_F(BehaviourTest, a_field_takes_a_long_paste_up_to_its_first_line_break)
{
    const std::wstring longLine(40000, L'7');
    PutOnClipboard(window(), longLine + L"\r\nsecond line");
    SendMessageW(control("txtCalib"), WM_PASTE, 0, 0);
    EXPECT_EQ(Text(control("txtCalib")), std::string(40000, '7'));
}

TEST_F(BehaviourTest, the_buttons_run_the_commands_over_the_controls)
{
    SetText(control("txtBulwt"), "150");
    SetText(control("txtPdrchg"), "50");
    SetText(control("txtVel"), "2800");
    SetText(control("txtGunwt"), "8");
    SetText(control("txtCalib"),
            "7,5\xC3\x97"
            "55 Schweiz \xC3\xA9");
    Click("cmdCalc");
    EXPECT_EQ(Text(control("txtCaluc")), "17.01   Ft. Lb.");
    Click("cmdPopulate");
    EXPECT_EQ(SendMessageW(control("List1"), LB_GETCOUNT, 0, 0), 8);
    Click("cmdSave");
    // The ANSI code page, 1252 under wine: one byte for each character.
    EXPECT_TRUE(
        ReportBytes().starts_with("Cartridge  7,5\xD7"
                                  "55 Schweiz \xE9\r\n\r\n150  Bullet"));
    EXPECT_EQ(opened(), std::vector<std::string>{report()});
    Click("cmdClear");
    EXPECT_EQ(Text(control("txtCalib")), "");
    EXPECT_EQ(SendMessageW(control("List1"), LB_GETCOUNT, 0, 0), 8);
}
