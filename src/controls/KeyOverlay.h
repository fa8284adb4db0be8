#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

// The list of keys, painted like a large tooltip over the window it belongs to. It takes no
// clicks (they reach the controls under it) and goes away at the next key or click anywhere.
class KeyOverlay final : public QWidget {
    Q_OBJECT
public:
    using Keys = std::vector<std::pair<QString, QString>>; // keys, what they do
    KeyOverlay(Keys keys, QWidget* window);

    void popUp();
    const Keys& keys() const { return m_keys; }

    // Where the list goes in a widget of size: the font it takes, smaller where the list would
    // not fit at the widget's own, the frame around it and each row's two columns (the keys on
    // the right in a right-to-left language).
    struct Layout {
        QFont font;
        QRect frame;
        std::vector<std::pair<QRect, QRect>> rows; // keys, what they do
    };
    Layout layOut(QSize size) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void dismiss();

    Keys m_keys;
};
