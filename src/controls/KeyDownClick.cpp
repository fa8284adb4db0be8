#include "controls/KeyDownClick.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

KeyDownClick::KeyDownClick(QAbstractButton& button) : QObject(&button), m_button(button) {
    // The keys are followed wherever they go: Space held on Play, which hands the keyboard on
    // to this button, must not click it when the key's repeats arrive here.
    qApp->installEventFilter(this);
}

bool KeyDownClick::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ApplicationDeactivate)
        m_down = 0; // its release goes to another program
    // A key event not taken by a control goes on to its parents: it is counted where it
    // arrives first, the control with the keyboard.
    const bool ours = watched == &m_button;
    if (!ours && watched != QApplication::focusWidget())
        return QObject::eventFilter(watched, event);
    const bool held = isHeld(event);
    if (!ours)
        return QObject::eventFilter(watched, event);
    if (held)
        return true;
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            m_button.click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool KeyDownClick::isHeld(QEvent* event) {
    // A held key would click once per repeat. Qt flags a repeat only when the X server's
    // release and press of it reach the window together, which a busy machine does not
    // promise; the pair also carries one timestamp, and a key that has not come up cannot go
    // down again.
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Space && key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if (key->isAutoRepeat())
        return true;
    // Events made by a program may carry no time at all.
    const bool sameTime = key->timestamp() != 0 && key->timestamp() == m_upTime;
    if (event->type() == QEvent::KeyRelease) {
        m_down = 0;
        m_up = key->key();
        m_upTime = key->timestamp();
        return false;
    }
    const bool repeat = key->key() == m_down || (key->key() == m_up && sameTime);
    m_down = key->key();
    return repeat;
}
