#pragma once

#include <QObject>

class QAbstractButton;

// Makes a button click when Space goes down, not when it comes up a tenth of a second later,
// and once per press of Space or Return however long the key is held.
class KeyDownClick final : public QObject {
public:
    explicit KeyDownClick(QAbstractButton& button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isHeld(QEvent* event);

    QAbstractButton& m_button;
    int m_down = 0;
    int m_up = 0;
    quint64 m_upTime = 0;
};
