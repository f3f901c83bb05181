#include "tolbrek_window.h"

#include <QLocale>
#include <QVariant>

#include "command_guard.h"
#include "list_widget_lines.h"
#include "load_formulas.h"
#include "load_summary.h"
#include "report_location.h"
#include "result_display.h"
#include "save_report.h"
#include "ui_tolbrek_window.h"

namespace {

// uic writes whole point sizes only; a control whose size has a fraction
// carries it in this dynamic property of the form.
constexpr const char* kPointSizeProperty = "pointSizeF";
// Letter spacing in pixels, which a form font cannot hold either: a caption
// that is a pixel wider than its box is tightened rather than clipped.
constexpr const char* kLetterSpacingProperty = "letterSpacing";

// The window's data fields as the load summary reads them.
class WindowLoadForm final : public tolbrek::LoadForm {
public:
    explicit WindowLoadForm(const Ui::Tolbrek& ui) : m_ui(ui) {}

    std::string text(tolbrek::LoadField field) const override
    {
        return fieldFor(field)->text().toStdString();
    }

private:
    const QLineEdit* fieldFor(tolbrek::LoadField field) const
    {
        switch (field) {
            case tolbrek::LoadField::Caliber:
                return m_ui.txtCalib;
            case tolbrek::LoadField::Bullet:
                return m_ui.txtBulwt;
            case tolbrek::LoadField::Powder:
                return m_ui.txtPdrchg;
            case tolbrek::LoadField::Velocity:
                return m_ui.txtVel;
            case tolbrek::LoadField::Gun:
                return m_ui.txtGunwt;
            case tolbrek::LoadField::Recoil:
                return m_ui.txtCaluc;
            case tolbrek::LoadField::Energy:
                break;
        }
        return m_ui.txtEnergy;
    }

    const Ui::Tolbrek& m_ui;
};

}  // namespace

TolbrekWindow::TolbrekWindow(QWidget* parent) : TolbrekWindow(WindowServices{}, parent) {}

TolbrekWindow::TolbrekWindow(WindowServices services, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::Tolbrek>()), m_services(std::move(services))
{
    if (!m_services.messages) m_services.messages = std::make_unique<MessageBoxPresenter>(this);
    if (!m_services.files) m_services.files = tolbrek::MakeStandardFileService();
    if (!m_services.editor) m_services.editor = tolbrek::MakeSystemEditorLauncher();
    if (m_services.reportPath.empty()) m_services.reportPath = tolbrek::ReportFilePath();

    m_ui->setupUi(this);
    applyFontDetails();
    connectCommand(m_ui->cmdCalc, &TolbrekWindow::cmdCalc_Click);
    connectCommand(m_ui->cmdClear, &TolbrekWindow::cmdClear_Click);
    connectCommand(m_ui->cmdPopulate, &TolbrekWindow::cmdPopulate_Click);
    connectCommand(m_ui->cmdSave, &TolbrekWindow::cmdSave_Click);
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
    connect(button, &QAbstractButton::clicked, this, [this, handler] {
        RunCommand(*m_services.messages, [this, handler] { (this->*handler)(); });
    });
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
            if (field->text().isEmpty())
                m_services.messages->showMessage(QString::fromLatin1(message));
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

// Empties the seven data fields for the next load; the list is kept.
void TolbrekWindow::cmdClear_Click()
{
    for (QLineEdit* field : {m_ui->txtBulwt, m_ui->txtPdrchg, m_ui->txtVel, m_ui->txtGunwt,
                             m_ui->txtCaluc, m_ui->txtEnergy, m_ui->txtCalib}) {
        field->setText(QString());
    }
}

void TolbrekWindow::cmdPopulate_Click()
{
    ListWidgetLines list(*m_ui->List1);
    tolbrek::AppendLoadSummary(WindowLoadForm(*m_ui), list, decimalSeparator());
}

// The editor is started only once the report file is complete and closed.
void TolbrekWindow::cmdSave_Click()
{
    ListWidgetLines list(*m_ui->List1);
    tolbrek::WriteReport(list, *m_services.files, m_services.reportPath);
    m_services.editor->Open(m_services.reportPath);
}
