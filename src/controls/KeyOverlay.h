#pragma once

#include <QFont>
#include <QKeySequence>
#include <QRect>
#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

// The list of keys, painted like a large tooltip over the window it belongs to. It takes no
// clicks (they reach the controls under it) and goes away at the next key or click anywhere,
// but for the key that shows it, which turns to the list's next page where it has more than one.
class KeyOverlay final : public QWidget {
    Q_OBJECT
public:
    using Keys = std::vector<std::pair<QString, QString>>; // keys, what they do
    KeyOverlay(Keys keys, const QKeySequence& showKey, QWidget* window);

    // Shows the list's first page, or the next one where it is already shown.
    void popUp();
    const Keys& keys() const { return m_keys; }
    int page() const { return m_page; }

    // Where the list goes in a widget of size: the font it takes, smaller where the list would
    // not fit at the widget's own, the frame around it and each row's two columns (the keys on
    // the right in a right-to-left language). A list that does not fit even at the smallest
    // font is cut into pages of perPage rows, each row placed on its page, with a last line
    // that says how to turn it.
    struct Layout {
        QFont font;
        QRect frame;
        std::vector<std::pair<QRect, QRect>> rows; // keys, what they do
        int perPage = 0;
        int pages = 1;
        QRect turn; // where pages > 1
    };
    Layout layOut(QSize size) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void dismiss();
    QString turnText(int pages) const;

    Keys m_keys;
    QKeySequence m_showKey;
    int m_page = 0;
};
