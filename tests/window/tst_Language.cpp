#include "support/Files.h"
#include "support/Rows.h"
#include "support/TestWindow.h"

#include "controls/KeyOverlay.h"
#include "controls/LyricList.h"
#include "controls/SongGroove.h"
#include "controls/SongSlider.h"
#include "controls/WordStrip.h"
#include "session/SongSession.h"
#include "sheet/LyricSheet.h"
#include "window/Language.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>

namespace {

// Everything a person reads of the window and its parts: captions, tooltips, what a screen
// reader says, hints, the header, the keys of F1 and the status line, each as "where: text".
QStringList visibleTexts(TestWindow& w) {
    QStringList texts;
    const auto add = [&texts](const QString& where, const QString& text) {
        if (!text.trimmed().isEmpty())
            texts << where + ": " + text;
    };
    QList<QWidget*> widgets = w.window->findChildren<QWidget*>();
    widgets.prepend(w.window.get());
    for (QWidget* widget : widgets) {
        const QString name = widget->objectName();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(name + " caption", button->text());
        if (auto* label = qobject_cast<QLabel*>(widget))
            add(name + " text", label->text());
        if (auto* box = qobject_cast<QLineEdit*>(widget))
            add(name + " placeholder", box->placeholderText());
        if (auto* box = qobject_cast<QPlainTextEdit*>(widget))
            add(name + " placeholder", box->placeholderText());
        add(name + " tooltip", widget->toolTip());
        add(name + " name", widget->accessibleName());
        add(name + " description", widget->accessibleDescription());
        add(name + " status tip", widget->statusTip());
        add(name + " what's this", widget->whatsThis());
    }
    add("empty list", w.ui.lvLyrics->emptyHint());
    const LyricSheet& sheet = w.session().sheet();
    for (int column = 0; column < sheet.columnCount(); ++column)
        add("header", sheet.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    for (int row = 0; row < sheet.rowCount(); ++row)
        for (const int role : {int(Qt::ToolTipRole), int(Qt::AccessibleTextRole)})
            add("cell", sheet.index(row, LyricSheet::ColTime).data(role).toString());
    if (auto* keys = w.window->findChild<KeyOverlay*>("keyOverlay"))
        for (const auto& [key, does] : keys->keys())
            add("F1", key + " = " + does);
    QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(w.ui.wordStrip);
    for (int i = 0; i < strip->childCount(); ++i)
        add("word", strip->child(i)->text(QAccessible::Name));
    return texts;
}

// The entries of the context menu that a right click on widget opens, without their keys
// (Qt writes those).
QStringList menuEntries(TestWindow& w, QWidget* widget) {
    emit widget->customContextMenuRequested(QPoint(4, 4));
    QStringList entries;
    auto* menu = w.window->findChild<QMenu*>("contextMenu");
    if (!menu)
        return {"(no menu)"};
    for (QAction* action : menu->actions())
        if (!action->isSeparator())
            entries << "menu: " + action->text().section('\t', 0, 0);
    menu->close();
    return entries;
}

// What is left of text once every ⟦…⟧ that the pseudo-translation put around a translated
// text is taken out, and the song's own data: the words of a text that never went through the
// translator.
QString untranslatedPart(QString text, const QStringList& data) {
    static const QRegularExpression translated(QString::fromUtf8("\u27e6[^\u27e6\u27e7]*\u27e7"));
    for (QString before; before != text;) {
        before = text;
        text.replace(translated, " ");
    }
    for (const QString& datum : data)
        text.replace(datum, " ");
    const auto letter =
        std::find_if(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
    return letter == text.end() ? QString() : text.simplified();
}

QStringList untranslated(const QStringList& texts, const QStringList& data) {
    QStringList found;
    for (const QString& text : texts) {
        const QString where = text.section(": ", 0, 0);
        const QString rest = untranslatedPart(text.section(": ", 1), data);
        if (!rest.isEmpty())
            found << where + " reads \"" + rest + "\"";
    }
    return found;
}

int xIn(const QWidget* widget, const QWidget* window) {
    return widget->mapTo(window, QPoint(0, 0)).x();
}

// Suggested, doubted and marked rows, the word strip filled and a song open: every kind of
// text the sheet and its tooltips can show.
void fillWindow(TestWindow& w, const QString& song) {
    w.open(song);
    w.setSheet({"alpha beta|3", "gamma delta", "epsilon|12"});
    w.session().sheet().setHints(
        {{-1, false, "marked 2.7 s later"}, {17000, true, {}}, {15000, false, {}}});
    w.select(1);
}

} // namespace

// The window in the system's language, every visible text through the translator, the data
// left as data, and a right-to-left language mirrored.
class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { RemoveLanguage(); }

    // The system's locale picks the translation; English, or a language without one, keeps
    // the sources' texts.
    void theLocaleChoosesTheLanguage_data() {
        textColumns({"locale", "language"});
        textRow("German", "de_DE|de");
        textRow("Spanish, a region's locale", "es_MX|es");
        textRow("Japanese", "ja_JP|ja");
        textRow("Arabic", "ar_EG|ar");
        textRow("English", "en_US|");
        textRow("no translation", "fi_FI|");
    }
    void theLocaleChoosesTheLanguage() {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QCOMPARE(InstallLanguage(QLocale(locale)), language);
        TestWindow w;
        const QStringList english{"Play",  "Stop",        "Mark Line",
                                  "Save",  "Insert Line", "Adjust All Lines",
                                  "Close", "AddLyrics"};
        QStringList captions;
        for (QPushButton* button :
             {w.ui.cmdPlay, w.ui.cmdStop, w.ui.cmdMark, w.ui.cmdSave, w.ui.cmdInsert,
              w.ui.cmdAdjustAll, w.ui.cmdClose, w.ui.cmdAddLyrics})
            captions << button->text();
        if (language.isEmpty()) {
            QCOMPARE(captions, english);
            QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
            return;
        }
        for (int i = 0; i < english.size(); ++i)
            QVERIFY2(captions[i] != english[i] && !captions[i].isEmpty(), qPrintable(captions[i]));
        QCOMPARE(QApplication::layoutDirection(),
                 language == "ar" ? Qt::RightToLeft : Qt::LeftToRight);
        // A text made when it is needed is in the language too: the empty list's hint.
        QVERIFY(!w.ui.lvLyrics->emptyHint().isEmpty());
        QVERIFY(!w.ui.lvLyrics->emptyHint().contains("Open a song"));
    }

    // In a pseudo-language that wraps every translated text in ⟦…⟧, no visible text of the
    // window, its menus, F1 or the status line after a round of actions is left bare: a text
    // without the brackets never reached the translator.
    void everyVisibleTextGoesThroughTheTranslator() {
        QVERIFY(InstallTranslationFile(VELMORA_PSEUDO_QM));
        QCOMPARE(QCoreApplication::translate("Transport", "Play"), QString::fromUtf8("⟦Play⟧"));
        const QTemporaryDir music;
        const QString song = toneSong(music.filePath("Song.mp3"), "tag words");
        QVERIFY(!song.isEmpty());
        TestWindow w;
        w.createDatabase();
        QVERIFY(w.shown());
        QStringList texts = visibleTexts(w); // before a song: the hint and the first state
        fillWindow(w, song);
        texts += menuEntries(w, w.ui.lvLyrics);
        texts += menuEntries(w, w.ui.wordStrip);
        QTest::keyClick(w.window.get(), Qt::Key_F1);
        // Each action's status line, as the person reads it after the action.
        const std::vector<std::pair<const char*, std::function<void()>>> actions{
            {"play", [&] { w.ui.cmdPlay->click(); }},
            {"mark", [&] { w.ui.cmdMark->click(); }},
            {"faster", [&] { QTest::keyClick(w.window.get(), Qt::Key_Up, Qt::ControlModifier); }},
            {"pause", [&] { w.ui.cmdPlay->click(); }},
            {"stop", [&] { w.ui.cmdStop->click(); }},
            {"save", [&] { QTest::keyClick(w.window.get(), Qt::Key_S, Qt::ControlModifier); }},
            {"undo", [&] { QTest::keyClick(w.window.get(), Qt::Key_Z, Qt::ControlModifier); }},
            {"accept", [&] { QTest::keyClick(w.window.get(), Qt::Key_G, Qt::ControlModifier); }},
            {"word marking",
             [&] { QTest::keyClick(w.window.get(), Qt::Key_W, Qt::ControlModifier); }},
            {"nudge", [&] { QTest::keyClick(w.window.get(), Qt::Key_Right, Qt::AltModifier); }},
            {"lrc", [&] { QTest::keyClick(w.window.get(), Qt::Key_E, Qt::ControlModifier); }},
            {"remove", [&] { w.ui.cmdRemove->click(); }},
        };
        for (const auto& [name, act] : actions) {
            act();
            texts << QString("status after %1: %2").arg(name, w.ui.lblStatus->text());
        }
        texts += visibleTexts(w);
        const QStringList data{QFileInfo(song).absolutePath(),
                               "Song.mp3",
                               "alpha",
                               "beta",
                               "gamma",
                               "delta",
                               "epsilon",
                               "tag words",
                               "Velmora Versetta"};
        const QStringList bare = untranslated(texts, data);
        QVERIFY2(bare.isEmpty(), qPrintable(bare.join('\n')));
        // The check itself finds a bare text among translated ones.
        QCOMPARE(untranslated({QString::fromUtf8("x: ⟦Saved %1⟧ and more")}, data).size(), 1);
    }

    // A failure's reason, made where files, tags and songs are read and written, is in the
    // language too: not English inside a translated sentence.
    void failureReasonsAreTranslatedToo() {
        QVERIFY(InstallTranslationFile(VELMORA_PSEUDO_QM));
        const QTemporaryDir music;
        const QString song = music.filePath("Song.mp3");
        QVERIFY(!writeFile(song, "").isNull());
        const QString pipe = music.filePath("lyrics.txt");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        TestWindow w;
        w.createDatabase();
        QStringList statuses;
        const auto status = [&](const char* reason) {
            statuses << "status: " + w.ui.lblStatus->text();
            return statuses.last().contains(reason);
        };
        w.open(song);
        w.setSheet({"alpha|1"});
        QTRY_VERIFY(status("could be decoded"));
        QVERIFY(!writeFile(music.filePath("Song.xml"), "").isNull());
        QVERIFY(QFile::setPermissions(music.filePath("Song.xml"), QFile::ReadOwner));
        w.save();
        QVERIFY(status("read-only"));
        w.ui.cmdAddLyrics->click();
        w.openAnswers << pipe;
        w.ui.cmdLyricsFromText->click();
        QVERIFY(status("named pipe"));
        const QStringList bare = untranslated(statuses, {music.path(), "Song.mp3", "alpha"});
        QVERIFY2(bare.isEmpty(), qPrintable(bare.join('\n')));
    }

    // A language written right to left turns the window round: its rows of controls, the
    // slider and the word strip run from the right, and a click on the right plays the start.
    void aRightToLeftLanguageMirrorsTheWindow() {
        const QTemporaryDir music;
        const QString song = toneSong(music.filePath("Song.mp3"), "tag words");
        const auto shown = [&song](TestWindow& w) {
            w.createDatabase();
            w.player->lengthMs = 60000;
            fillWindow(w, song);
            w.ui.sldSong->setMax(60);
            return w.shown();
        };
        TestWindow leftToRight;
        // Kept as English left it: the language installed next turns every other window.
        leftToRight->setLayoutDirection(Qt::LeftToRight);
        QVERIFY(shown(leftToRight));
        QCOMPARE(InstallLanguage(QLocale("ar_EG")), QString("ar"));
        TestWindow rightToLeft;
        QVERIFY(shown(rightToLeft));
        QVERIFY(!leftToRight->isRightToLeft());
        QVERIFY(rightToLeft->isRightToLeft());

        for (auto [first, second] : std::vector<std::pair<const char*, const char*>>{
                 {"cmdPlay", "cmdStop"},
                 {"cmdOpen", "cmdAddLyrics"},
                 {"Label5", "txtFileName"},
                 {"cmdAdjustSingle", "txtAdjustSingle"}}) {
            const auto order = [first = first, second = second](TestWindow& w) {
                QWidget* a = w->findChild<QWidget*>(first);
                QWidget* b = w->findChild<QWidget*>(second);
                return a->isVisible() && b->isVisible()
                           ? xIn(a, w.window.get()) < xIn(b, w.window.get()) ? 1 : 2
                           : 0;
            };
            QVERIFY2(order(leftToRight) != 0 && order(rightToLeft) != 0, first);
            QVERIFY2(order(leftToRight) != order(rightToLeft), first);
        }

        auto* ltrGroove = leftToRight.ui.sldSong->findChild<SongGroove*>();
        auto* rtlGroove = rightToLeft.ui.sldSong->findChild<SongGroove*>();
        QVERIFY(ltrGroove->xOfSecond(0) < ltrGroove->xOfSecond(60));
        QVERIFY(rtlGroove->xOfSecond(0) > rtlGroove->xOfSecond(60));
        QCOMPARE(rtlGroove->xOfSecond(10), rtlGroove->width() - ltrGroove->xOfSecond(10));
        // A click near the right edge plays from near the start, where the handle then is.
        QTest::mouseClick(rtlGroove, Qt::LeftButton, {}, QPoint(rtlGroove->width() - 12, 10));
        QVERIFY2(rightToLeft.ui.sldSong->Value() < 6,
                 qPrintable(QString::number(rightToLeft.ui.sldSong->Value())));
        // At the same time of the song the two grooves are mirror images: the waveform, the
        // ticks, the part played and the playhead (to a pixel's rounding).
        QTRY_VERIFY(ltrGroove->envelope() && rtlGroove->envelope()); // both waveforms drawn
        rightToLeft.ui.sldSong->setValue(21);
        leftToRight.ui.sldSong->setValue(21);
        const QImage ltrPicture = ltrGroove->grab().toImage().mirrored(true, false);
        const QImage rtlPicture = rtlGroove->grab().toImage();
        QCOMPARE(rtlPicture.size(), ltrPicture.size());
        int differing = 0;
        for (int y = 0; y < rtlPicture.height(); ++y)
            for (int x = 0; x < rtlPicture.width(); ++x) {
                const QColor a = rtlPicture.pixelColor(x, y);
                const QColor b = ltrPicture.pixelColor(x, y);
                differing += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                                         std::abs(a.blue() - b.blue()) >
                                     90
                                 ? 1
                                 : 0;
            }
        QVERIFY2(differing < rtlPicture.width() * rtlPicture.height() / 25,
                 qPrintable(QString::number(differing)));

        WordStrip* ltrStrip = leftToRight.ui.wordStrip;
        WordStrip* rtlStrip = rightToLeft.ui.wordStrip;
        // Given after the slider's moves, which fill the strip from the sheet's selected line.
        for (WordStrip* strip : {ltrStrip, rtlStrip})
            strip->setWords({{"one", 1000}, {"two", 2000}, {"three", -1}}, 0, 4000);
        QVERIFY(ltrStrip->xOfWord(0) < ltrStrip->xOfWord(1));
        QVERIFY(rtlStrip->xOfWord(0) > rtlStrip->xOfWord(1));
        QVERIFY(rtlStrip->xOfWord(2) < rtlStrip->xOfWord(1)); // untimed: read on leftward
        QSignalSpy clicks(rtlStrip, &WordStrip::clicked);
        QTest::mouseClick(rtlStrip, Qt::LeftButton, {}, QPoint(rtlStrip->xOfWord(0) - 2, 10));
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks[0][1].toInt(), 0);
        QVERIFY(clicks[0][0].toLongLong() < 1200);
        QAccessibleInterface* words = QAccessible::queryAccessibleInterface(rtlStrip);
        const QRect firstWord = words->child(0)->rect();
        QVERIFY(firstWord.left() > words->child(1)->rect().left());
        QVERIFY(firstWord.width() > 0);
        // A path in a message stays as it is written, its separators kept in place.
        const QString bare = toneSong(music.filePath("Bare.mp3"));
        TestWindow noLyrics;
        noLyrics.open(bare);
        QVERIFY2(noLyrics.ui.lblStatus->text().contains(u'\u2066' + bare + u'\u2069'),
                 qPrintable(noLyrics.ui.lblStatus->text()));
    }

    // Times, amounts and the saved files are data: in another language the seconds box still
    // reads "." as the decimal point, the clock reads 0:17, and Song.xml is byte for byte what
    // the same work saves in English.
    void dataKeepsItsFormInEveryLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("German") << "de_DE";
        QTest::newRow("Spanish") << "es_ES";
        QTest::newRow("Japanese") << "ja_JP";
        QTest::newRow("Arabic") << "ar_SA";
    }
    void dataKeepsItsFormInEveryLanguage() {
        QFETCH(QString, locale);
        struct Work {
            QByteArray saved;
            QStringList sheet;
            QString clock;
        };
        const auto work = [] {
            const QTemporaryDir music;
            TestWindow w;
            w.createDatabase();
            w.open(music.filePath("Song.mp3"));
            w.setSheet({"one|1", "two|4", "three"});
            w.select(2);
            w.ui.txtAdjustSingle->setText("0.5");
            w.ui.cmdAdjustSingle->click();
            w.ui.txtAdjustAll->setText("-1.25");
            w.ui.cmdAdjustAll->click();
            w.player->lengthMs = 75000;
            w.ui.cmdPlay->click();
            w.tickAt(17400);
            const QString clock = w.ui.lblTime->text();
            w.ui.cmdStop->click();
            w.save();
            return Work{
                readFile(music.filePath("Song.xml")).replace(music.path().toUtf8(), "<folder>"),
                w.sheet(), clock};
        };
        const Work english = work();
        QVERIFY(InstallLanguage(QLocale(locale)).size() == 2);
        const Work translated = work();
        QVERIFY(english.saved.contains("<LINE>"));
        QCOMPARE(translated.saved, english.saved);
        QCOMPARE(translated.sheet, english.sheet);
        QVERIFY2(english.sheet[1].contains("|3.25"), qPrintable(english.sheet.join(' ')));
        QCOMPARE(translated.clock, english.clock);
        QVERIFY(english.clock.startsWith("0:17"));
    }
};

QTEST_MAIN(LanguageTest)
#include "tst_Language.moc"
