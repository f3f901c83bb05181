#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "recording_editor.h"
#include "tolbrek_window.h"

// A message box as the user saw it.
struct BoxSeen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::TextFormat format = Qt::AutoText;
};

// Writes down every modal message box that opens and presses its OK, so
// that a window test sees each box and never hangs on one.
class BoxRecorder {
public:
    BoxRecorder()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            seen.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                            box->textFormat()});
            box->button(QMessageBox::Ok)->click();
        });
        m_timer.start(5);
    }
    QStringList texts() const
    {
        QStringList result;
        for (const BoxSeen& box : seen) result << box.text;
        return result;
    }

    std::vector<BoxSeen> seen;

private:
    QTimer m_timer;
};

// A shown, active Tolbrek window whose report goes to a scratch folder and
// whose editor start is only recorded, unless the test gives services.
struct WindowFixture {
    WindowFixture()
    {
        auto recording = std::make_unique<RecordingEditor>();
        editor = recording.get();
        show({tolbrek::MakeStandardFileService(), std::move(recording),
              [this] { return reportPath.toStdString(); }});
    }
    explicit WindowFixture(tolbrek::CommandServices services) { show(std::move(services)); }

    void show(tolbrek::CommandServices services)
    {
        window = std::make_unique<tolbrek::TolbrekWindow>(std::move(services));
        window->show();
        window->activateWindow();
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

    void typeLoad(const QString& bullet, const QString& powder, const QString& velocity,
                  const QString& gun) const
    {
        field("txtBulwt")->setText(bullet);
        field("txtPdrchg")->setText(powder);
        field("txtVel")->setText(velocity);
        field("txtGunwt")->setText(gun);
    }

    void click(const char* button) const { QTest::mouseClick(control(button), Qt::LeftButton); }

    // The worked load, a .308, typed and calculated.
    void calculateWorkedLoad() const
    {
        typeLoad("150", "50", "2800", "8");
        field("txtCalib")->setText(".308");
        click("cmdCalc");
    }

    QTemporaryDir folder;
    QString reportPath = folder.filePath(QStringLiteral("Text.txt"));
    RecordingEditor* editor = nullptr;  // none when the test gives the services
    BoxRecorder boxes;
    std::unique_ptr<tolbrek::TolbrekWindow> window;
};
