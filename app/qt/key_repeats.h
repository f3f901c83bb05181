#pragma once

#include <QObject>
#include <QtGlobal>

class QKeyEvent;

namespace tolbrek {

// Tells the repeats of a key held down from its presses. Qt marks the
// repeats it recognises (isAutoRepeat), but X repeats a held key as a
// release and a press of the very same moment, and Qt misses those whose
// press it has not yet read when it reads the release: a press at the
// moment of the release before it is a repeat all the same. No hand lets a
// key go and presses it again within the same millisecond.
class KeyRepeats {
public:
    // Whether the key event is a repeat; remembers each release it is shown.
    bool isRepeat(const QKeyEvent& event);

private:
    int m_releasedKey = 0;
    quint64 m_releasedAt = 0;
};

// Makes a button run its command once per press of a key, however long it
// is held: Qt clicks an auto-default button at every repeat of Return or
// Enter, and at every release of Space that follows a press, which X sends
// at every repeat. With the repeated presses dropped, a held Space clicks
// once, at its first repeat or at its release. Installed as an event filter
// on the button, its parent.
class OncePerPress final : public QObject {
public:
    explicit OncePerPress(QObject& button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyRepeats m_repeats;
};

}  // namespace tolbrek
