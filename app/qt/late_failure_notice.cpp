#include "late_failure_notice.h"

#include <QAccessible>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "control_builder.h"
#include "key_repeats.h"
#include "window_design.h"

namespace tolbrek {

LateFailureNotice::LateFailureNotice(QWidget& window, int dpi) : m_window(window), m_dpi(dpi) {}

void LateFailureNotice::build()
{
    m_frame = new QFrame(&m_window);
    m_frame->setObjectName(QStringLiteral("lateFailureNotice"));
    m_frame->setAccessibleName(QStringLiteral("Notice"));
    m_frame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);

    auto* icon = new QLabel(m_frame);
    QStyle* style = m_frame->style();
    icon->setPixmap(style->standardIcon(QStyle::SP_MessageBoxWarning)
                        .pixmap(style->pixelMetric(QStyle::PM_SmallIconSize)));
    icon->setAlignment(Qt::AlignTop);
    m_text = new QLabel(m_frame);
    m_text->setObjectName(QStringLiteral("lateFailureText"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* dismissButton = new QPushButton(QStringLiteral("Dismiss"), m_frame);
    // Tab reaches it; a click on it leaves the focus where the user works.
    dismissButton->setFocusPolicy(Qt::TabFocus);
    dismissButton->setAutoDefault(true);
    new OncePerPress(*dismissButton);
    QObject::connect(dismissButton, &QPushButton::clicked, m_frame, [this] { dismiss(); });

    auto* message = new QHBoxLayout;
    message->addWidget(icon, 0, Qt::AlignTop);
    message->addWidget(m_text, 1);
    auto* layout = new QVBoxLayout(m_frame);
    layout->addLayout(message, 1);
    layout->addWidget(dismissButton, 0, Qt::AlignRight);
    layOut(m_dpi);
}

void LateFailureNotice::layOut(int dpi)
{
    m_dpi = dpi;
    if (!m_frame) return;
    const PixelRect place = PixelsFromTwips(kLateNoticePlace, dpi);
    m_frame->setGeometry(place.left, place.top, place.width, place.height);
    // The help panel's font: the notice has as much to say in less room.
    m_text->setFont(DesignFont(*std::find_if(kWindowDesign.begin(), kWindowDesign.end(),
                                             [](const ControlDesign& design) {
                                                 return design.kind == ControlKind::HelpPanel;
                                             }),
                               dpi));
}

void LateFailureNotice::add(const QString& failure)
{
    const auto heard = std::find_if(m_heard.begin(), m_heard.end(), [&](const Heard& earlier) {
        return earlier.failure == failure;
    });
    if (heard == m_heard.end()) {
        m_heard.push_back({failure, 1});
    } else {
        ++heard->times;
    }
    if (!m_frame) build();
    m_text->setText(shownText());
    // Showing a widget moves no focus; a screen reader hears it as an alert.
    m_frame->show();
    QAccessibleEvent alert(m_frame, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

QString LateFailureNotice::shownText() const
{
    QStringList shown;
    for (const Heard& heard : m_heard) {
        shown
            << (heard.times == 1
                    ? heard.failure
                    : QStringLiteral("%1\n(Heard %2 times.)").arg(heard.failure).arg(heard.times));
    }
    return shown.join(QStringLiteral("\n\n"));
}

void LateFailureNotice::dismiss()
{
    m_heard.clear();
    m_text->clear();
    m_frame->hide();
}

}  // namespace tolbrek
