// What the Windows window does beyond its looks: screen-reader names, the
// focus across a change of window, pasted text, and the commands running
// over its controls with text outside ASCII, which typed keys cannot carry.

#include <oleacc.h>

#include <algorithm>

#include "accessible_interface.h"
#include "window_fixture.h"

namespace {

std::string AccessibleName(HWND control)
{
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          tolbrek::kAccessibleInterface,
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

// Presses keys as the user does, into the system's input queue, from which
// the window takes them in its own time: all down in order, then up.
void Press(const std::vector<WORD>& keys)
{
    std::vector<INPUT> inputs;
    const auto add = [&inputs](WORD key, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    for (const WORD key : keys) add(key, 0);
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) add(*key, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Answers each box the window shows once a timer finds it still up,
// counting it: a box that something else answered first goes uncounted.
class BoxWatch {
public:
    explicit BoxWatch(HWND window) : m_window(window)
    {
        s_seen = 0;
        SetTimer(m_window, kTimer, 300, &Check);
    }
    ~BoxWatch() { KillTimer(m_window, kTimer); }
    int seen() const { return s_seen; }

private:
    static constexpr UINT_PTR kTimer = 0x7B0;
    static void CALLBACK Check(HWND, UINT, UINT_PTR, DWORD)
    {
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND box, LPARAM) -> BOOL {
                wchar_t type[16] = {};
                GetClassNameW(box, type, 16);
                if (std::wstring_view(type) != L"#32770" || !IsWindowVisible(box)) return TRUE;
                ++s_seen;
                SendMessageW(box, WM_COMMAND, IDOK, 0);
                return FALSE;
            },
            0);
    }
    static inline int s_seen = 0;
    HWND m_window;
};

}  // namespace

using BehaviourTest = WindowFixture;

TEST_F(BehaviourTest, every_control_but_a_label_is_named_for_screen_readers)
{
    CoInitialize(nullptr);
    for (const auto& [id, name] : {std::pair{IDC_TXTBULWT, "Bullet Weight Grains"},
                                   {IDC_TXTPDRCHG, "Powder Charge Grains"},
                                   {IDC_TXTVEL, "Velocity (FPS)"},
                                   {IDC_TXTGUNWT, "Weight of Gun (Lbs)"},
                                   {IDC_TXTCALUC, "Free Recoil Energy Calculated (LbFt)"},
                                   {IDC_TXTENERGY, "Muzzle Energy Calculated (LbFt)"},
                                   {IDC_TXTCALIB, "Cartridge Caliber"},
                                   {IDC_LIST1, "Load List"},
                                   {IDC_TEXT1, "Help: Populate List and Save Data"},
                                   {IDC_TEXT2, "Note: Notepad will open minimized"},
                                   {IDC_CMDCALC, "Calculate"},
                                   {IDC_CMDCLEAR, "Clear All"},
                                   {IDC_CMDPOPULATE, "Populate List"},
                                   {IDC_CMDSAVE, "Save Data"}}) {
        EXPECT_EQ(AccessibleName(control(id)), name) << id;
    }
    CoUninitialize();
}

TEST_F(BehaviourTest, the_focus_stays_where_it_was_when_the_window_is_left_and_regained)
{
    SetFocus(control(IDC_TXTVEL));
    const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                       nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(other);
    Pump();
    ASSERT_NE(GetActiveWindow(), window());
    SetActiveWindow(window());
    Pump();
    EXPECT_EQ(GetFocus(), control(IDC_TXTVEL));
    DestroyWindow(other);
}

// No length limit, and only the first line of a pasted text, as a native
// single-line text box keeps it.
TEST_F(BehaviourTest, a_field_takes_a_long_paste_up_to_its_first_line_break)
{
    const std::wstring longLine(40000, L'7');
    PutOnClipboard(window(), longLine + L"\r\nsecond line");
    SendMessageW(control(IDC_TXTCALIB), WM_PASTE, 0, 0);
    EXPECT_EQ(Text(control(IDC_TXTCALIB)), std::string(40000, '7'));
}

// A line break of any kind ends a field's text, however the text arrives:
// a pasted caliber such as "A\rForged A" can add no line to the report.
// Typed keys go on after a break the field dropped. NUL is not listed: it
// ends any text that the system hands over as a string.
TEST_F(BehaviourTest, every_field_keeps_only_its_first_line_however_text_arrives)
{
    struct Arrival {
        const char* name;
        bool lockedToo;  // the commands' way, which reaches the locked result fields
        void (*bring)(HWND field, const std::wstring& text);
        const char* kept;
    };
    const Arrival arrivals[] = {
        {"WM_SETTEXT", true,
         [](HWND field, const std::wstring& text) { SetWindowTextW(field, text.c_str()); }, "A"},
        {"EM_REPLACESEL", true,
         [](HWND field, const std::wstring& text) {
             SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
         },
         "A"},
        {"WM_PASTE", false,
         [](HWND field, const std::wstring& text) {
             PutOnClipboard(field, text);
             SendMessageW(field, WM_PASTE, 0, 0);
         },
         "A"},
        {"Ctrl+V", false,
         [](HWND field, const std::wstring& text) {
             PutOnClipboard(field, text);
             SendMessageW(field, WM_CHAR, 0x16, 1);
         },
         "A"},
        {"WM_CHAR", false,
         [](HWND field, const std::wstring& text) {
             for (const wchar_t c : text) SendMessageW(field, WM_CHAR, c, 1);
         },
         "AForged A"},
    };
    for (const std::wstring lineBreak :
         {L"\r", L"\n", L"\v", L"\f", L"\u0085", L"\u2028", L"\u2029"}) {
        for (const tolbrek::ControlDesign& design : tolbrek::kWindowDesign) {
            if (!design.field) continue;
            const bool locked = design.kind == tolbrek::ControlKind::LockedTextBox;
            for (const Arrival& arrival : arrivals) {
                if (locked && !arrival.lockedToo) continue;
                SetText(control(design), "");
                arrival.bring(control(design), L"A" + lineBreak + L"Forged A");
                EXPECT_EQ(Text(control(design)), arrival.kept)
                    << design.name << ", " << arrival.name << ", U+" << std::hex
                    << static_cast<int>(lineBreak[0]);
            }
        }
    }
}

TEST_F(BehaviourTest, the_buttons_run_the_commands_over_the_controls)
{
    SetText(control(IDC_TXTBULWT), "150");
    SetText(control(IDC_TXTPDRCHG), "50");
    SetText(control(IDC_TXTVEL), "2800");
    SetText(control(IDC_TXTGUNWT), "8");
    SetText(control(IDC_TXTCALIB),
            "7,5\xC3\x97"
            "55 Schweiz \xC3\xA9");
    Click(IDC_CMDCALC);
    EXPECT_EQ(Text(control(IDC_TXTCALUC)), "17.01   Ft. Lb.");
    Click(IDC_CMDPOPULATE);
    EXPECT_EQ(SendMessageW(control(IDC_LIST1), LB_GETCOUNT, 0, 0), 8);
    Click(IDC_CMDSAVE);
    // The ANSI code page, 1252 under wine: one byte for each character.
    EXPECT_TRUE(
        ReportBytes().starts_with("Cartridge  7,5\xD7"
                                  "55 Schweiz \xE9\r\n\r\n150  Bullet"));
    EXPECT_EQ(opened(), std::vector<std::string>{report()});
    Click(IDC_CMDCLEAR);
    EXPECT_EQ(Text(control(IDC_TXTCALIB)), "");
    EXPECT_EQ(SendMessageW(control(IDC_LIST1), LB_GETCOUNT, 0, 0), 8);
}

// Keys pressed while a command is still at work (a save retrying its
// rename, say) were meant for the window: none may answer the box that
// follows, which would then vanish unseen, a failure looking like success.
// Each box costs two seconds under wine, which waits that long for a
// window manager to take back a closed window: the keys are few.
TEST_F(BehaviourTest, keys_pressed_before_a_box_appears_do_not_answer_it)
{
    const std::pair<const char*, std::vector<WORD>> early[] = {
        {"Return", {VK_RETURN}},
        {"Alt+F4", {VK_MENU, VK_F4}},
    };
    std::filesystem::create_directory(report());  // Save Data fails: one error box
    for (const auto& [keys, press] : early) {
        SetForegroundWindow(window());
        SetFocus(control(IDC_CMDSAVE));
        Pump();
        const BoxWatch boxes(window());
        Press(press);
        Click(IDC_CMDSAVE);
        EXPECT_EQ(boxes.seen(), 1) << keys << " answered the error box";
    }
    std::filesystem::remove(report());

    // Calculate with the gun weight alone missing: one warning.
    SetText(control(IDC_TXTBULWT), "150");
    SetText(control(IDC_TXTPDRCHG), "50");
    SetText(control(IDC_TXTVEL), "2800");
    SetFocus(control(IDC_CMDCALC));
    const BoxWatch boxes(window());
    Press({VK_RETURN});
    Click(IDC_CMDCALC);
    EXPECT_EQ(boxes.seen(), 1) << "Return answered the warning";
}
