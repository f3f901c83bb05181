#pragma once

#include <string>

#include "failure.h"
#include "load_list.h"

namespace tolbrek {

// The window as the four commands see it: its seven data fields, its list
// and its boxes, and nothing of the toolkit that draws them. Each window (Qt
// on Linux, Win32 on Windows) implements it over its own controls; tests
// stand in for it. Texts are UTF-8. Any operation may throw; the commands
// decide what a failure means.
class WindowView : public LoadForm, public LoadList {
public:
    // Replaces a field's whole text, a locked result field's too.
    virtual void setText(LoadField field, const std::string& text) = 0;
    // A modal box with the text, a single OK button and no icon, titled
    // Tolbrek; returns when the user presses OK.
    virtual void showMessage(const std::string& text) = 0;
    // The box that reports an error that escaped a command (see ErrorReportText).
    virtual void reportError(const Failure& failure) = 0;
    // Reports a failure heard after its command ended (how the editor
    // ended), where it cannot take the keyboard from the field the user is
    // typing in, until the user dismisses it; the same failure heard again
    // is shown once, with its count.
    virtual void showLateFailure(const Failure& failure) = 0;
    // The decimal separator of the user's locale.
    virtual std::string decimalSeparator() const = 0;
};

}  // namespace tolbrek
