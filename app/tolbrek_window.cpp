#include "tolbrek_window.h"

#include <QLocale>
#include <QVariant>

#include "command_guard.h"
#include "load_formulas.h"
#include "result_display.h"
#include "ui_tolbrek_window.h"

namespace {

// uic writes whole point sizes only; a control whose size has a fraction
// carries it in this dynamic property of the form.
constexpr const char* kPointSizeProperty = "pointSizeF";
// Letter spacing in pixels, which a form font cannot hold either: a caption
// that is a pixel wider than its box is tightened rather than clipped.
constexpr const char* kLetterSpacingProperty = "letterSpacing";

}  // namespace

TolbrekWindow::TolbrekWindow(QWidget* parent)
    : TolbrekWindow(std::make_unique<MessageBoxPresenter>(this), parent)
{
}

TolbrekWindow::TolbrekWindow(std::unique_ptr<MessagePresenter> messages, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::Tolbrek>()), m_messages(std::move(messages))
{
    m_ui->setupUi(this);
    applyFontDetails();
    connectCommand(m_ui->cmdCalc, &TolbrekWindow::cmdCalc_Click);
    m_ui->txtBulwt->setFocus();
}

TolbrekWindow::~TolbrekWindow() = default;

void TolbrekWindow::applyFontDetails()
{
    for (QWidget* control : findChildren<QWidget*>()) {
        const QVariant size = control->property(kPointSizeProperty);
        const QVariant spacing = control->property(kLetterSpacingProperty);
        if (!size.isValid() && !spacing.isValid()) continue;
        QFont font = control->font();
        if (size.isValid()) font.setPointSizeF(size.toDouble());
        if (spacing.isValid()) font.setLetterSpacing(QFont::AbsoluteSpacing, spacing.toDouble());
        control->setFont(font);
    }
}

void TolbrekWindow::connectCommand(QAbstractButton* button, void (TolbrekWindow::*handler)())
{
    connect(button, &QAbstractButton::clicked, this,
            [this, handler] { RunCommand(*m_messages, [this, handler] { (this->*handler)(); }); });
}

std::string TolbrekWindow::decimalSeparator() const
{
    return QLocale().decimalPoint().toStdString();
}

// Every statement runs on its own: one that fails is skipped silently and the
// next one runs, so both result fields are always rewritten.
void TolbrekWindow::cmdCalc_Click()
{
    const std::string separator = decimalSeparator();
    const auto warnIfEmpty = [this](const QLineEdit* field, const char* message) {
        ResumeNext([&] {
            if (field->text().isEmpty()) m_messages->showMessage(QString::fromLatin1(message));
        });
    };
    warnIfEmpty(m_ui->txtBulwt, "Please Enter Bullet Weight");
    warnIfEmpty(m_ui->txtPdrchg, "Please Enter Powder Weight");
    warnIfEmpty(m_ui->txtVel, "Please Enter Velocity");
    warnIfEmpty(m_ui->txtGunwt, "Please Enter Gun Weight");

    std::optional<double> recoil;
    ResumeNext([&] {
        const std::string velocity = m_ui->txtVel->text().toStdString();
        const std::string powder = m_ui->txtPdrchg->text().toStdString();
        const std::string gun = m_ui->txtGunwt->text().toStdString();
        const std::string bullet = m_ui->txtBulwt->text().toStdString();
        recoil = tolbrek::FreeRecoilEnergy({bullet, powder, velocity, gun}, separator).result();
    });
    ResumeNext([&] {
        m_ui->txtCaluc->setText(QString::fromStdString(tolbrek::RecoilDisplay(recoil, separator)));
    });

    std::optional<double> energy;
    ResumeNext([&] {
        const std::string velocity = m_ui->txtVel->text().toStdString();
        const std::string bullet = m_ui->txtBulwt->text().toStdString();
        energy = tolbrek::MuzzleEnergy(velocity, bullet, separator).result();
    });
    ResumeNext([&] {
        m_ui->txtEnergy->setText(QString::fromStdString(tolbrek::EnergyDisplay(energy, separator)));
    });
}
