#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "main_window.h"
#include "message_loop.h"
#include "recording_editor.h"
#include "wide_text.h"
#include "window_design.h"
#include "window_text.h"

// The Tolbrek window, shown on the X server that wine draws on, with the
// real file service writing into a scratch folder and an editor that only
// writes down what it was asked to open. One window serves every test:
// without a window manager, wine waits two seconds for each window it
// closes. Each test starts with empty fields, an empty list and no report.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const tolbrek::ControlDesign& design : tolbrek::kWindowDesign) {
            if (design.field) SetText(control(design), "");
        }
        SendMessageW(control("List1"), LB_RESETCONTENT, 0, 0);
        Shared().editor->opened.clear();
        std::filesystem::remove(report());
        Pump();
    }

    // Handles every message waiting, as the event loop would.
    static void Pump() { PumpFor(window()); }

    static HWND window() { return Shared().window->handle(); }
    // A control by its name in the design, or by its design row.
    static HWND control(std::string_view name)
    {
        return control(tolbrek::kWindowDesign.at(tolbrek::IndexOf(name)));
    }
    static HWND control(const tolbrek::ControlDesign& design)
    {
        return GetDlgItem(window(), design.id);
    }
    static int dpi() { return Shared().window->layoutDpi(); }
    static std::vector<std::string> opened()
    {
        std::vector<std::string> paths;
        for (const RecordingEditor::Start& start : Shared().editor->opened) {
            paths.push_back(start.path);
        }
        return paths;
    }
    static std::string report() { return (Shared().folder / "Text.txt").string(); }
    // What the window is told when it asks whether high contrast is on:
    // wine always says it is off.
    static inline bool s_highContrast = false;

    static std::string Text(HWND control)
    {
        return tolbrek::Utf8FromWide(tolbrek::WindowText(control));
    }
    static void SetText(HWND control, const std::string& text)
    {
        SetWindowTextW(control, tolbrek::WideFromUtf8(text).c_str());
    }
    static void Click(std::string_view button)
    {
        SendMessageW(control(button), BM_CLICK, 0, 0);
        Pump();
    }

    static std::string ReportBytes()
    {
        std::ifstream in(report(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    static void PumpFor(HWND window)
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            tolbrek::DeliverMessage(window, message);
        }
    }

    struct Window {
        Window()
            : folder(std::filesystem::temp_directory_path() /
                     ("tolbrek-window-" + std::to_string(std::random_device()())))
        {
            std::filesystem::create_directories(folder);
            auto recording = std::make_unique<RecordingEditor>();
            editor = recording.get();
            window = std::make_unique<tolbrek::MainWindow>(
                GetModuleHandleW(nullptr),
                tolbrek::CommandServices{tolbrek::MakeStandardFileService(), std::move(recording),
                                         [this] { return (folder / "Text.txt").string(); }},
                [] { return s_highContrast; });
            window->show(SW_SHOWNORMAL);
            PumpFor(window->handle());
        }
        ~Window()
        {
            window.reset();
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        }
        std::filesystem::path folder;
        RecordingEditor* editor = nullptr;  // owned by the window
        std::unique_ptr<tolbrek::MainWindow> window;
    };

    static Window& Shared()
    {
        static Window shared;
        return shared;
    }
};
