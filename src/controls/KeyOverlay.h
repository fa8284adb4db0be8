#pragma once

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void dismiss();

    Keys m_keys;
};
