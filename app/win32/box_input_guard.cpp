#include "box_input_guard.h"

#include "window_design.h"

namespace tolbrek {

namespace {

// The guard of the box now up on this, the window's one thread.
BoxInputGuard* g_current = nullptr;

bool IsKey(UINT message)
{
    return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

bool IsClick(UINT message)
{
    return (message >= WM_LBUTTONDOWN && message <= WM_MOUSELAST) ||
           (message >= WM_NCLBUTTONDOWN && message <= WM_NCXBUTTONDBLCLK);
}

// A key's repeat while it is held down: the previous-state bit.
bool IsRepeat(const MSG& message)
{
    return IsKey(message.message) && (message.lParam & (LPARAM{1} << 30)) != 0;
}

}  // namespace

BoxInputGuard::BoxInputGuard(HWND owner)
    : m_owner(owner),
      m_hook(SetWindowsHookExW(WH_MSGFILTER, &Filter, nullptr, GetCurrentThreadId())),
      m_outer(g_current)
{
    g_current = this;
}

BoxInputGuard::~BoxInputGuard()
{
    if (m_hook) UnhookWindowsHookEx(m_hook);
    g_current = m_outer;
}

// The box is shown once its loop has emptied the queue, which may hold
// keys pressed a moment before: it counts as shown from the first message
// that the loop takes for it while it is visible, its first paint.
bool BoxInputGuard::drops(const MSG& message)
{
    if (!m_shown && message.hwnd) {
        const HWND root = GetAncestor(message.hwnd, GA_ROOT);
        if (root != m_owner && GetWindow(root, GW_OWNER) == m_owner && IsWindowVisible(root)) {
            m_shown = true;
            m_shownAt = GetTickCount();
        }
    }
    if (!IsKey(message.message) && !IsClick(message.message)) return false;
    if (!m_shown || IsRepeat(message)) return true;
    // Signed, so that a key pressed before the box was shown counts as early.
    return static_cast<LONG>(message.time - m_shownAt) < static_cast<LONG>(kBoxDeafMilliseconds);
}

LRESULT CALLBACK BoxInputGuard::Filter(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_DIALOGBOX && g_current &&
        g_current->drops(*reinterpret_cast<const MSG*>(lParam))) {
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace tolbrek
