#pragma once

// The window's controls: the standard control that makes each kind of the
// design, what Tolbrek adds to it, and how a field keeps to one line.

#include <windows.h>

#include <string>

#include "window_design.h"

namespace tolbrek {

// The window class, styles and extended styles that make a kind of control
// of the design from Windows' standard controls.
struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD extendedStyle;
};

// Each kind of control as Windows' standard controls make it. Every control
// clips its siblings, so that where two overlap the upper one is drawn whole.
ControlClass ClassOf(ControlKind kind);

// What Tolbrek adds to a standard control: a name for screen readers, and
// for a help panel its own painting. Everything else is the control's own.
struct ControlHooks {
    std::wstring accessibleName;  // empty: the name the system gives
    bool helpPanel = false;       // painted by PaintHelpPanel
};

// Puts the hooks in front of the control's own window procedure, as a
// subclass of comctl32's (SetWindowSubclass), which stays until the control
// is destroyed. `hooks` must outlive the control. False where the system
// refused: the control then keeps only its own behaviour.
bool HookControl(HWND control, const ControlHooks& hooks);

// Makes the design's control at `index` as a child of the window, laid out
// at `dpi` in `font`, with its id, its text and the hooks it needs (which
// it keeps in `hooks`). Null where the system refused.
HWND MakeControl(HWND window, std::size_t index, int dpi, HFONT font, ControlHooks& hooks);

// Puts a control where the design places it at `dpi`, in `font`; `redraw`
// once it is shown.
void PlaceControl(HWND control, std::size_t index, int dpi, HFONT font, bool redraw);

// Gives a control its font at `dpi` (and a help panel its margins). Under
// wine every move of a control costs requests to the wine server, so a new
// control, made where it stands, gets only this.
void SetControlFont(HWND control, std::size_t index, int dpi, HFONT font, bool redraw);

// Keeps a field's edit control to one line, as the Qt window keeps its
// fields: text arriving with a line break of any kind (IsLineBreak) brings
// only its first line, and the field keeps its own text around it
// (KeptLine). Called at every change of the control's text (EN_CHANGE), so
// it holds however the text arrived: set, pasted with Ctrl+V or from the
// menu, typed, or from an input method. The edit control itself cuts a
// paste only at LF.
void KeepFirstLine(HWND edit);

}  // namespace tolbrek
