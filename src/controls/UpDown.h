#pragma once

#include <QWidget>

// An up-down spinner bound to a text box beside it: it only says which way the user
// stepped; the window changes the number in the box.
class UpDown final : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

signals:
    void stepped(int direction); // +1 up, -1 down
};
