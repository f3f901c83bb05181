// The window as designed: every control's name, kind, place, font, colour
// and text, the captions readable in full, and the picture for the README.

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

#include "font_fallback.h"
#include "window_fixture.h"

namespace {

struct DesignedControl {
    const char* name;
    const char* className;
    QRect geometry;
    double pointSize;
    bool bold;
    bool italic;
    QString text;
};

const QString kHelpText = QStringLiteral(
    "Populate List: Will bring the data in from the fields \r\n"
    "and populate the List Box with the data.\r\n"
    "Save Data: Will open Notepad and populate Notepad \r\n"
    "with the data collected from the fields. Populate List \r\n"
    "must be used before Save Data is used. Once in \r\n"
    "Notepad the user has the option of saving the text \r\n"
    "file.\r\n");

const DesignedControl kControls[] = {
    {"Label1", "QLabel", {16, 40, 161, 17}, 12, false, false, "Bullet Weight Grains"},
    {"txtBulwt", "QLineEdit", {32, 64, 145, 26}, 12, false, false, ""},
    {"Label2", "QLabel", {16, 112, 161, 17}, 12, false, false, "Powder Charge Grains"},
    {"txtPdrchg", "QLineEdit", {32, 136, 145, 26}, 12, false, false, ""},
    {"Label3", "QLabel", {16, 184, 161, 17}, 12, false, false, "Velocity (FPS)"},
    {"txtVel", "QLineEdit", {32, 208, 145, 26}, 12, false, false, ""},
    {"Label4", "QLabel", {16, 256, 161, 17}, 12, false, false, "Weight of Gun (Lbs)"},
    {"txtGunwt", "QLineEdit", {32, 280, 145, 26}, 12, false, false, ""},
    {"cmdCalc", "QPushButton", {16, 440, 161, 33}, 14.25, true, false, "Calculate"},
    {"Label5",
     "QLabel",
     {16, 480, 161, 33},
     12,
     false,
     false,
     "Free Recoil Energy  Calculated (LbFt)"},
    {"txtCaluc", "QLineEdit", {16, 520, 161, 25}, 12, false, false, ""},
    {"cmdClear", "QPushButton", {16, 632, 169, 33}, 12, true, false, "Clear All"},
    {"Label6", "QLabel", {16, 312, 25, 41}, 48, false, false, "*"},
    {"Label7",
     "QLabel",
     {48, 312, 129, 49},
     9.75,
     false,
     false,
     "NOTE: All Input Fields Must Be Completed For Calculation."},
    {"Label8", "QLabel", {8, 64, 25, 33}, 24, false, false, "*"},
    {"Label9", "QLabel", {8, 136, 25, 33}, 24, false, false, "*"},
    {"Label10", "QLabel", {8, 208, 25, 33}, 24, false, false, "*"},
    {"Label11", "QLabel", {8, 280, 25, 33}, 24, false, false, "*"},
    {"Label12", "QLabel", {16, 552, 161, 41}, 12, false, false, "Muzzle Energy Calculated (LbFt)"},
    {"txtEnergy", "QLineEdit", {16, 592, 161, 25}, 12, false, false, ""},
    {"Label13", "QLabel", {149, 8, 257, 25}, 14.25, false, true, "For Basic Rifle Loads"},
    {"txtCalib", "QLineEdit", {16, 408, 161, 27}, 12, false, false, ""},
    {"Label14", "QLabel", {16, 384, 161, 17}, 12, false, false, "Cartridge Caliber"},
    {"List1", "QListWidget", {216, 64, 313, 184}, 12, false, false, ""},
    {"cmdPopulate", "QPushButton", {216, 256, 121, 33}, 12, false, false, "Populate List"},
    {"cmdSave", "QPushButton", {408, 256, 121, 33}, 12, false, false, "Save Data"},
    {"Text1", "QPlainTextEdit", {216, 296, 321, 129}, 9.75, false, false, kHelpText},
    {"Text2",
     "QPlainTextEdit",
     {216, 432, 321, 49},
     12,
     true,
     false,
     "Notepad will open minimized in the lower taskbar. "},
};

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kLightGrey(224, 224, 224);

// The screen's device pixels per logical pixel: 2 under QT_SCALE_FACTOR=2.
qreal PixelRatio()
{
    return qApp->devicePixelRatio();
}

// Whether a pixel of an image differs from its background.
bool IsInk(const QImage& image, int x, int y, QRgb background)
{
    return image.pixel(x, y) != background;
}

// How many logical pixel columns the text marks when drawn unclipped from
// x = 0, drawn at the screen's pixel ratio.
int InkWidth(const QFont& font, const QString& text)
{
    const qreal ratio = PixelRatio();
    const QSize logical(QFontMetrics(font).horizontalAdvance(text) + 40, 60);
    QImage image(logical * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(0, 40, text);
    painter.end();
    int columns = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (IsInk(image, x, y, qRgb(255, 255, 255))) columns = std::max(columns, x + 1);
        }
    }
    return int(std::ceil(columns / ratio));
}

// The first and one past the last logical pixel row that a label's text
// marks, in the label's own coordinates, had the label not clipped it: a
// copy of the label with room above and below shows the whole text.
std::pair<int, int> InkRows(const QLabel& label)
{
    constexpr int kRoom = 40;
    QLabel copy;
    copy.setFont(label.font());
    copy.setTextFormat(label.textFormat());
    copy.setText(label.text());
    copy.setAlignment(label.alignment());
    copy.setWordWrap(label.wordWrap());
    copy.resize(label.width(), label.height() + 2 * kRoom);
    const int shift = (label.alignment() & Qt::AlignVCenter)  ? kRoom
                      : (label.alignment() & Qt::AlignBottom) ? 2 * kRoom
                                                              : 0;
    const QImage image = copy.grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const QRgb background = image.pixel(0, 0);
    int top = image.height();
    int bottom = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!IsInk(image, x, y, background)) continue;
            top = std::min(top, y);
            bottom = std::max(bottom, y + 1);
        }
    }
    return {int(std::floor(top / ratio)) - shift, int(std::ceil(bottom / ratio)) - shift};
}

QString TextOf(QWidget* control)
{
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (label->textFormat() != Qt::RichText) return label->text();
        QTextDocument document;
        document.setHtml(label->text());
        return document.toPlainText();
    }
    if (auto* line = qobject_cast<QLineEdit*>(control)) return line->text();
    if (auto* button = qobject_cast<QPushButton*>(control)) return button->text();
    // The panel keeps the help text's CR LF line ends as line breaks.
    if (auto* panel = qobject_cast<QPlainTextEdit*>(control)) {
        return panel->toPlainText().replace('\n', QStringLiteral("\r\n"));
    }
    return {};
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallArialFallback(); }

    void window_has_its_title_and_fixed_client_size()
    {
        WindowFixture f;
        QCOMPARE(f.window->objectName(), QStringLiteral("Tolbrek"));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Tolbrek"));
        QCOMPARE(f.window->size(), QSize(551, 673));
        QCOMPARE(f.window->minimumSize(), QSize(551, 673));
        QCOMPARE(f.window->maximumSize(), QSize(551, 673));
        QCOMPARE(f.window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(),
                 qsizetype(std::size(kControls)));
    }

    void each_control_is_placed_named_and_written_as_designed_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kControls)); ++i) {
            QTest::newRow(kControls[i].name) << i;
        }
    }
    void each_control_is_placed_named_and_written_as_designed()
    {
        QFETCH(int, index);
        const DesignedControl& designed = kControls[index];
        WindowFixture f;
        QWidget* control = f.control(designed.name);
        QCOMPARE(control->metaObject()->className(), designed.className);
        QCOMPARE(control->geometry(), designed.geometry);
        QCOMPARE(control->font().family(), QStringLiteral("Arial"));
        QCOMPARE(control->font().pointSizeF(), designed.pointSize);
        QCOMPARE(control->font().bold(), designed.bold);
        QCOMPARE(control->font().italic(), designed.italic);
        QVERIFY(!control->font().underline() && !control->font().strikeOut());
        QCOMPARE(TextOf(control), designed.text);
    }

    void colours_are_the_designed_ones()
    {
        WindowFixture f;
        for (const char* name :
             {"txtBulwt", "txtPdrchg", "txtVel", "txtGunwt", "txtCaluc", "txtEnergy"}) {
            QCOMPARE(f.control(name)->palette().color(QPalette::Active, QPalette::Text), kBlue);
        }
        for (const char* name : {"Label6", "Label7", "Label8", "Label9", "Label10", "Label11"}) {
            QCOMPARE(f.control(name)->palette().color(QPalette::WindowText), kRed);
        }
        QCOMPARE(f.control("Label13")->palette().color(QPalette::WindowText), kBlue);
        for (const char* name : {"Text1", "Text2"}) {
            QCOMPARE(f.control(name)->palette().color(QPalette::Disabled, QPalette::Base),
                     kLightGrey);
        }
        const QColor standardText = f.window->palette().color(QPalette::Active, QPalette::Text);
        QCOMPARE(f.control("txtCalib")->palette().color(QPalette::Active, QPalette::Text),
                 standardText);
    }

    void arial_or_its_metric_twin_is_used()
    {
        WindowFixture f;
        const QString family = QFontInfo(f.control("Label1")->font()).family();
        QVERIFY2(family == "Arial" || family == "Liberation Sans", qPrintable(family));
    }

    // Every caption's glyphs lie inside its box, measured by their ink; one
    // that does not wrap fits on one line.
    void every_caption_reads_whole()
    {
        WindowFixture f;
        for (QLabel* label : f.window->findChildren<QLabel*>()) {
            if (label->text() == "*") continue;
            {
                const auto [top, bottom] = InkRows(*label);
                QVERIFY2(top >= 0 && bottom <= label->height(),
                         qPrintable(QStringLiteral("%1: ink rows %2 to %3")
                                        .arg(label->objectName())
                                        .arg(top)
                                        .arg(bottom)));
            }
            if (!label->wordWrap()) {
                QVERIFY2(InkWidth(label->font(), label->text()) <= label->width(),
                         qPrintable(label->objectName()));
            }
        }
        QCOMPARE(f.control<QLabel>("Label5")->wordWrap(), true);
        QCOMPARE(f.control<QLabel>("Label12")->wordWrap(), true);
        QCOMPARE(f.control<QLabel>("Label7")->wordWrap(), true);
    }

    // Buttons, filled result fields and help panels show their whole text.
    void every_text_fits_its_box()
    {
        WindowFixture f;
        f.typeLoad("150", "50", "2800", "8");
        f.click("cmdCalc");
        for (QPushButton* button : f.window->findChildren<QPushButton*>()) {
            const int room = button->width() - 8;
            QVERIFY2(InkWidth(button->font(), button->text()) <= room,
                     qPrintable(button->objectName()));
        }
        for (const char* name : {"txtCaluc", "txtEnergy"}) {
            QLineEdit* result = f.field(name);
            const QMargins frame = result->textMargins() + QMargins(4, 0, 4, 0);
            QVERIFY2(InkWidth(result->font(), result->text()) <=
                         result->width() - frame.left() - frame.right(),
                     name);
        }
        for (const char* name : {"Text1", "Text2"}) {
            // The last character of the text is drawn inside the panel.
            auto* panel = f.control<QPlainTextEdit>(name);
            QTextCursor end(panel->document());
            end.movePosition(QTextCursor::End);
            end.movePosition(QTextCursor::PreviousWord);
            QVERIFY2(panel->cursorRect(end).bottom() < panel->viewport()->height(), name);
        }
    }

    void text_boxes_cover_the_labels_they_overlap()
    {
        WindowFixture f;
        const auto children = f.window->children();
        for (const auto& [label, box] : {std::pair{"Label8", "txtBulwt"},
                                         {"Label9", "txtPdrchg"},
                                         {"Label10", "txtVel"},
                                         {"Label11", "txtGunwt"},
                                         {"Label12", "txtEnergy"}}) {
            QVERIFY2(children.indexOf(f.control(label)) < children.indexOf(f.control(box)), label);
        }
    }

    void help_panels_are_disabled_wrapped_and_without_scroll_bars()
    {
        WindowFixture f;
        for (const char* name : {"Text1", "Text2"}) {
            auto* panel = f.control<QPlainTextEdit>(name);
            QVERIFY(!panel->isEnabled());
            QCOMPARE(panel->lineWrapMode(), QPlainTextEdit::WidgetWidth);
            QVERIFY(!panel->verticalScrollBar()->isVisible());
            QVERIFY(!panel->horizontalScrollBar()->isVisible());
        }
        QCOMPARE(kHelpText.size(), 316);
    }

    void starts_empty_with_the_focus_in_bullet_weight()
    {
        WindowFixture f;
        QCOMPARE(QApplication::focusWidget(), f.control("txtBulwt"));
        for (const char* name :
             {"txtBulwt", "txtPdrchg", "txtVel", "txtGunwt", "txtCaluc", "txtEnergy", "txtCalib"}) {
            QVERIFY(f.field(name)->text().isEmpty());
        }
        QCOMPARE(f.control<QListWidget>("List1")->count(), 0);
        QCOMPARE(f.control<QListWidget>("List1")->selectionMode(),
                 QAbstractItemView::SingleSelection);
        QVERIFY(!f.control<QListWidget>("List1")->isSortingEnabled());
    }

    void no_button_is_a_default_button()
    {
        WindowFixture f;
        for (QPushButton* button : f.window->findChildren<QPushButton*>()) {
            QVERIFY(!button->isDefault());
        }
    }

    // The README shows this picture: a worked load, calculated.
    void writes_the_screenshot()
    {
        const QByteArray path = qgetenv("TOLBREK_SCREENSHOT");
        if (path.isEmpty()) QSKIP("TOLBREK_SCREENSHOT is not set");
        WindowFixture f;
        f.typeLoad("150", "50", "2800", "8");
        f.field("txtCalib")->setText(".308");
        f.click("cmdCalc");
        QString file = QString::fromLocal8Bit(path);
        if (PixelRatio() != 1) file.replace(".png", QStringLiteral("-x%1.png").arg(PixelRatio()));
        QVERIFY(f.window->grab().save(file));
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
