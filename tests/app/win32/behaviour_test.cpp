// What the Windows window does beyond its looks: screen-reader names, the
// focus across a change of window, pasted text, and the commands running
// over its controls with text outside ASCII, which typed keys cannot carry.

#include <oleacc.h>

#include <algorithm>
#include <initializer_list>
#include <optional>

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

// Answers each box the window shows once a timer finds it still up after
// `delay` milliseconds, counting it and noting where it stood: a box that
// something else answered first goes uncounted.
class BoxWatch {
public:
    explicit BoxWatch(HWND window, UINT delay = 300) : m_window(window)
    {
        s_seen.clear();
        SetTimer(m_window, kTimer, delay, &Check);
    }
    ~BoxWatch() { KillTimer(m_window, kTimer); }
    int seen() const { return static_cast<int>(s_seen.size()); }
    const std::vector<RECT>& places() const { return s_seen; }

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
                RECT place{};
                GetWindowRect(box, &place);
                s_seen.push_back(place);
                SendMessageW(box, WM_COMMAND, IDOK, 0);
                return FALSE;
            },
            0);
    }
    static inline std::vector<RECT> s_seen;
    HWND m_window;
};

// Runs `action` once, `delay` milliseconds from now, even while a box is up.
class Later {
public:
    Later(HWND window, UINT delay, void (*action)()) : m_window(window)
    {
        s_action = action;
        SetTimer(m_window, kTimer, delay, [](HWND window, UINT, UINT_PTR timer, DWORD) {
            KillTimer(window, timer);
            s_action();
        });
    }
    ~Later() { KillTimer(m_window, kTimer); }

private:
    static constexpr UINT_PTR kTimer = 0x7B1;
    static inline void (*s_action)() = nullptr;
    HWND m_window;
};

// Return as the system sends it to the focused control: pressed, then
// pressed again with the previous-state bit set for as long as it is held,
// then released. Posted as they come, since keys injected under wine carry
// no repeat.
enum class Return { Pressed, Repeated, Released };
void PostReturn(std::initializer_list<Return> keys)
{
    for (const Return key : keys) {
        const LPARAM state = key == Return::Pressed    ? 0
                             : key == Return::Repeated ? LPARAM{1} << 30
                                                       : LPARAM{3} << 30;
        PostMessageW(GetFocus(), key == Return::Released ? WM_KEYUP : WM_KEYDOWN, VK_RETURN,
                     state | 0x001C0001);
    }
}

}  // namespace

using BehaviourTest = WindowFixture;

// A screen reader says what a reader sees: an input field's caption, a
// button's text; the results, the list and the help panels have the names
// the design gives them.
TEST_F(BehaviourTest, every_control_but_a_label_is_named_for_screen_readers)
{
    CoInitialize(nullptr);
    for (const tolbrek::ControlDesign& design : tolbrek::kWindowDesign) {
        if (design.kind == tolbrek::ControlKind::Label) continue;
        const std::string seen = !design.label.empty() ? Text(control(design.label))
                                 : design.kind == tolbrek::ControlKind::Button
                                     ? Text(control(design))
                                     : std::string(design.accessibleName);
        EXPECT_EQ(AccessibleName(control(design)), seen) << design.name;
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

// Text arriving with a line break of any kind brings its first line only,
// however it arrives, and the field keeps its own text around it: a pasted
// caliber such as "A\rForged A" can add no line to the report. Text set
// whole keeps its first line; typed keys go on after a break the field
// dropped. NUL is not listed: it ends any text that the system hands over
// as a string.
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
         "LEFTARIGHT"},
        {"WM_PASTE", false,
         [](HWND field, const std::wstring& text) {
             PutOnClipboard(field, text);
             SendMessageW(field, WM_PASTE, 0, 0);
         },
         "LEFTARIGHT"},
        {"Ctrl+V", false,
         [](HWND field, const std::wstring& text) {
             PutOnClipboard(field, text);
             SendMessageW(field, WM_CHAR, 0x16, 1);
         },
         "LEFTARIGHT"},
        {"WM_CHAR", false,
         [](HWND field, const std::wstring& text) {
             for (const wchar_t c : text) SendMessageW(field, WM_CHAR, c, 1);
         },
         "LEFTAForged ARIGHT"},
    };
    for (const std::wstring lineBreak :
         {L"\r", L"\n", L"\r\n", L"\v", L"\f", L"\u0085", L"\u2028", L"\u2029"}) {
        for (const tolbrek::ControlDesign& design : tolbrek::kWindowDesign) {
            if (!design.field) continue;
            const bool locked = design.kind == tolbrek::ControlKind::LockedTextBox;
            for (const Arrival& arrival : arrivals) {
                if (locked && !arrival.lockedToo) continue;
                SetText(control(design), "LEFTRIGHT");
                SendMessageW(control(design), EM_SETSEL, 4, 4);
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

// A box answers only keys pressed once it has been up for a moment, and no
// repeat of a held key: a Return pressed twice on Save Data, or held down,
// would otherwise close the box of a failed save unseen, a failure looking
// like success. Keys pressed while the command was still at work (a save
// retrying its rename, say) are in the queue when the box appears; others
// come just after it. Each box costs two seconds under wine, which waits
// that long for a window manager to take back a closed window: the cases
// are few.
TEST_F(BehaviourTest, a_box_takes_no_key_pressed_before_or_just_after_it_appears_nor_a_repeat)
{
    struct Case {
        const char* keys;
        void (*before)();  // as the click is made
        UINT afterDelay;   // milliseconds after the click, while the box is up
        void (*after)();
    };
    const Case cases[] = {
        {"Return before", [] { Press({VK_RETURN}); }, 0, nullptr},
        {"Alt+F4 before", [] { Press({VK_MENU, VK_F4}); }, 0, nullptr},
        {"Return just after", nullptr, 100, [] { Press({VK_RETURN}); }},
        // Held from before the box appeared: every later press is a repeat.
        {"Return held", [] { PostReturn({Return::Pressed}); }, 600,
         [] { PostReturn({Return::Repeated, Return::Repeated, Return::Released}); }},
    };
    std::filesystem::create_directory(report());  // Save Data fails: one error box
    for (const Case& early : cases) {
        SetForegroundWindow(window());
        SetFocus(control("cmdSave"));
        Pump();
        const BoxWatch boxes(window(), 1200);
        std::optional<Later> later;
        if (early.after) later.emplace(window(), early.afterDelay, early.after);
        if (early.before) early.before();
        Click("cmdSave");
        EXPECT_EQ(boxes.seen(), 1) << early.keys << " answered the error box";
    }
    std::filesystem::remove(report());
}

// Return held on Save Data saves once and starts one editor.
TEST_F(BehaviourTest, a_held_return_presses_a_button_once)
{
    SetForegroundWindow(window());
    SetFocus(control("cmdSave"));
    Pump();
    PostReturn(
        {Return::Pressed, Return::Repeated, Return::Repeated, Return::Repeated, Return::Released});
    Pump();
    EXPECT_EQ(opened().size(), 1u);
}

// A box quotes no more than the start of a long caliber: the notice of
// characters the report's code page lacks fits the screen.
TEST_F(BehaviourTest, the_encoding_notice_fits_the_work_area_whatever_the_caliber)
{
    std::string infinities;
    for (int i = 0; i < 1'000'000; ++i) infinities += "\xE2\x88\x9E";
    SetText(control("txtCalib"), infinities);
    Click("cmdPopulate");
    const BoxWatch boxes(window());
    Click("cmdSave");
    ASSERT_EQ(boxes.seen(), 1);
    RECT place = boxes.places()[0];
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT inside{};
    IntersectRect(&inside, &place, &monitor.rcWork);
    EXPECT_TRUE(EqualRect(&inside, &place))
        << "box " << place.left << "," << place.top << " to " << place.right << "," << place.bottom;
}
