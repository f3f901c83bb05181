// Writes pictures of the window as a user sees it, so that a change meant to
// leave every pixel as it was can be proven to do so: compare the pictures
// of two builds with `cmp`.
//   window_pictures FOLDER     (QT_SCALE_FACTOR=2 for a high-density screen)
// It writes first.png (just shown, the focus in the first field),
// filled.png (a load calculated and listed), focus.png (the focus on a
// button), warning.png (a warning box), error.png (an error box) and
// menu.png (a field's context menu).

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "tolbrek_window.h"

namespace {

// Saves a picture of the modal box the action opens, then closes the box.
void SaveBox(const QString& file, const std::function<void()>& action)
{
    QTimer::singleShot(50, [file] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) return;
        box->grab().save(file);
        qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
    });
    action();
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    // Offscreen, a screen with room for the window at its design's size.
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TOLBREK_LARGE_SCREEN);
    }
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    // A blinking cursor would make two pictures of one state differ.
    QApplication::setCursorFlashTime(0);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    // A fixed place, so that the error box reads the same in every run.
    const QString scratch = QStringLiteral("/tmp/tolbrek-pictures");
    QDir(scratch).removeRecursively();
    QDir().mkpath(scratch);
    const std::string report = (scratch + "/Text.txt").toStdString();
    tolbrek::TolbrekWindow window(
        {tolbrek::MakeStandardFileService(), nullptr, [report] { return report; }});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) return 1;
    QTest::qWait(50);
    window.grab().save(folder.filePath("first.png"));

    const auto field = [&](const char* name) { return window.findChild<QLineEdit*>(name); };
    field("txtBulwt")->setText("150");
    field("txtPdrchg")->setText("50");
    field("txtVel")->setText("2800");
    field("txtGunwt")->setText("8");
    field("txtCalib")->setText(".308");
    window.cmdCalc_Click();
    window.cmdPopulate_Click();
    window.grab().save(folder.filePath("filled.png"));

    window.findChild<QPushButton*>("cmdCalc")->setFocus();
    window.grab().save(folder.filePath("focus.png"));

    field("txtVel")->clear();
    SaveBox(folder.filePath("warning.png"), [&] { window.cmdCalc_Click(); });
    QDir().mkdir(QString::fromStdString(report));
    SaveBox(folder.filePath("error.png"), [&] { window.cmdSave_Click(); });

    std::unique_ptr<QMenu> menu(field("txtCalib")->createStandardContextMenu());
    menu->popup(window.mapToGlobal(QPoint(40, 420)));
    QTest::qWait(50);
    menu->grab().save(folder.filePath("menu.png"));
    return 0;
}
