#include "late_failure_notice.h"

#include <QAccessible>
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

LateFailureNotice::LateFailureNotice(QWidget& window) : QFrame(&window)
{
    setObjectName(QStringLiteral("lateFailureNotice"));
    setAccessibleName(QStringLiteral("Notice"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    const PixelRect place = PixelsFromTwips(kLateNoticePlace, 96);
    setGeometry(place.left, place.top, place.width, place.height);

    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSize));
    icon->setAlignment(Qt::AlignTop);
    m_text = new QLabel(this);
    // The help panel's font: the notice has as much to say in less room.
    m_text->setFont(DesignFont(*std::find_if(
        kWindowDesign.begin(), kWindowDesign.end(),
        [](const ControlDesign& design) { return design.kind == ControlKind::HelpPanel; })));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* dismiss = new QPushButton(QStringLiteral("Dismiss"), this);
    dismiss->setObjectName(QStringLiteral("dismissLateFailures"));
    // Tab reaches it; a click on it leaves the focus where the user works.
    dismiss->setFocusPolicy(Qt::TabFocus);
    dismiss->setAutoDefault(true);
    new OncePerPress(*dismiss);
    connect(dismiss, &QPushButton::clicked, this, &LateFailureNotice::dismiss);

    auto* message = new QHBoxLayout;
    message->addWidget(icon, 0, Qt::AlignTop);
    message->addWidget(m_text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(message, 1);
    layout->addWidget(dismiss, 0, Qt::AlignRight);
    hide();
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
    m_text->setText(shownText());
    // Showing a widget moves no focus; a screen reader hears it as an alert.
    show();
    QAccessibleEvent alert(this, QAccessible::Alert);
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
    hide();
}

}  // namespace tolbrek
