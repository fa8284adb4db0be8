#include "controls/WordStripAccessible.h"

#include "controls/WordStrip.h"
#include "sheet/WordTimes.h"

#include <QAccessibleWidget>
#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace {

class WordStripInterface;

// One drawn word. It owns no object; the strip's interface owns it and hands it out.
class WordItem final : public QAccessibleInterface {
public:
    WordItem(WordStripInterface* owner, int index) : m_strip(owner), m_index(index) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

private:
    const WordStrip* strip() const;
    WordStripInterface* m_strip;
    int m_index;
};

class WordStripInterface final : public QAccessibleWidget {
public:
    explicit WordStripInterface(WordStrip* strip) : QAccessibleWidget(strip, QAccessible::List) {}
    ~WordStripInterface() override { resize(0); }

    const WordStrip* strip() const { return static_cast<const WordStrip*>(widget()); }
    int childCount() const override { return static_cast<int>(strip()->words().size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        resize(childCount());
        return m_items[static_cast<std::size_t>(index)];
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < m_items.size(); ++i)
            if (m_items[i] == child)
                return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* word = child(i); word->rect().contains(x, y))
                return word;
        return nullptr;
    }

private:
    // Items are made as they are asked for and dropped with the words they stood for.
    void resize(int count) const {
        while (static_cast<int>(m_items.size()) > count) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(m_items.back()));
            m_items.pop_back();
        }
        auto* self = const_cast<WordStripInterface*>(this);
        while (static_cast<int>(m_items.size()) < count)
            m_items.push_back(new WordItem(self, static_cast<int>(m_items.size())));
    }
    mutable std::vector<WordItem*> m_items;
};

const WordStrip* WordItem::strip() const {
    return m_strip->strip();
}

bool WordItem::isValid() const {
    return m_strip->isValid() && m_index < static_cast<int>(strip()->words().size());
}

QWindow* WordItem::window() const {
    return m_strip->window();
}

QAccessibleInterface* WordItem::parent() const {
    return m_strip;
}

QString WordItem::text(QAccessible::Text t) const {
    if (!isValid() || t != QAccessible::Name)
        return {};
    const WordStrip::Word& word = strip()->words()[static_cast<std::size_t>(m_index)];
    if (word.ms < 0)
        return QCoreApplication::translate("WordStrip", "%1, not marked yet").arg(word.text);
    return (word.suggested ? QCoreApplication::translate("WordStrip", "%1, suggested %2")
                           : QStringLiteral("%1, %2"))
        .arg(word.text, PreciseTimeText(word.ms));
}

QRect WordItem::rect() const {
    if (!isValid())
        return {};
    const WordStrip* s = strip();
    // A word reaches from its start to the next word's, on the side the window reads toward.
    const int start = s->xOfWord(m_index);
    const bool last = m_index + 1 >= static_cast<int>(s->words().size());
    const int end = last ? (s->isRightToLeft() ? 0 : s->width()) : s->xOfWord(m_index + 1);
    const int left = s->isRightToLeft() ? std::min(start - 1, end) : start;
    const int right = s->isRightToLeft() ? start : std::max(start + 1, end);
    return {s->mapToGlobal(QPoint(left, 0)), QSize(right - left, s->height())};
}

QAccessible::State WordItem::state() const {
    QAccessible::State state;
    state.selectable = true;
    state.selected = isValid() && strip()->selectedWord() == m_index;
    state.invisible = !isValid() || !strip()->isVisible();
    return state;
}

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("WordStrip") && object && object->isWidgetType())
        return new WordStripInterface(static_cast<WordStrip*>(object));
    return nullptr;
}

} // namespace

void InstallWordStripAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}
