#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "recording_presenter.h"
#include "tolbrek_window.h"

// Whether a window test writes its report to a temporary folder and only
// records the editor start, or uses the system's report location and editor.
enum class ReportPlace { Scratch, System };

// A shown, active Tolbrek window whose boxes go to a recorder, and by default
// a scratch report place.
struct WindowFixture {
    explicit WindowFixture(WindowServices services = {}, ReportPlace place = ReportPlace::Scratch)
    {
        if (!services.messages) {
            auto recorder = std::make_unique<RecordingPresenter>();
            presenter = recorder.get();
            services.messages = std::move(recorder);
        }
        if (!services.editor && place == ReportPlace::Scratch) {
            services.editor = std::make_unique<RecordingEditor>(editorOpened);
        }
        if (services.reportPath.empty() && place == ReportPlace::Scratch) {
            services.reportPath = folder.filePath(QStringLiteral("Text.txt")).toStdString();
        }
        reportPath = QString::fromStdString(services.reportPath);
        window = std::make_unique<TolbrekWindow>(std::move(services));
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
    QListWidget* list() const { return control<QListWidget>("List1"); }

    QStringList listLines() const
    {
        QStringList lines;
        for (int i = 0; i < list()->count(); ++i) lines << list()->item(i)->text();
        return lines;
    }

    void typeLoad(const QString& bullet, const QString& powder, const QString& velocity,
                  const QString& gun) const
    {
        field("txtBulwt")->setText(bullet);
        field("txtPdrchg")->setText(powder);
        field("txtVel")->setText(velocity);
        field("txtGunwt")->setText(gun);
    }

    void click(const char* button) const { QTest::mouseClick(control(button), Qt::LeftButton); }

    QTemporaryDir folder;
    QString reportPath;
    std::vector<std::string> editorOpened;
    std::unique_ptr<TolbrekWindow> window;
    RecordingPresenter* presenter = nullptr;
};
