#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "recording_presenter.h"
#include "tolbrek_window.h"

// A shown, active Tolbrek window whose boxes go to a recorder.
struct WindowFixture {
    WindowFixture()
    {
        auto recorder = std::make_unique<RecordingPresenter>();
        presenter = recorder.get();
        window = std::make_unique<TolbrekWindow>(std::move(recorder));
        window->show();
        QApplication::setActiveWindow(window.get());
        if (!QTest::qWaitForWindowActive(window.get())) qFatal("the window did not become active");
    }

    template <typename T = QWidget>
    T* control(const char* name) const
    {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (!found) qFatal("no control %s", name);
        return found;
    }

    QLineEdit* field(const char* name) const { return control<QLineEdit>(name); }

    void typeLoad(const QString& bullet, const QString& powder, const QString& velocity,
                  const QString& gun) const
    {
        field("txtBulwt")->setText(bullet);
        field("txtPdrchg")->setText(powder);
        field("txtVel")->setText(velocity);
        field("txtGunwt")->setText(gun);
    }

    void click(const char* button) const { QTest::mouseClick(control(button), Qt::LeftButton); }

    std::unique_ptr<TolbrekWindow> window;
    RecordingPresenter* presenter = nullptr;
};
