#include "../sources/SongFiles.h"
#include "storage/LyricsXml.h"
#include "support/TestWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <functional>

// Ctrl+Z and Ctrl+Shift+Z / Ctrl+Y on the shown window, as a person presses them: after a mark
// while playing, a button's edit and each load. Every edit's own undo is the sheet's test.
namespace {

// The whole sheet, the selection and the mark cursor.
QStringList stateOf(const TestWindow& w) {
    return w.sheet() << QStringLiteral("selected %1, line %2, offset %3")
                            .arg(w.session().sheet().selected())
                            .arg(w.session().sheet().currentLine())
                            .arg(w.session().sheet().lineOffset());
}

struct Change {
    const char* name;
    std::function<void(TestWindow&)> make;
    QString step;
    std::function<void(TestWindow&)> prepare = [](TestWindow&) {};
};

void reopen(TestWindow& w) {
    w.open(w.session().songPath()); // the song shown, chosen again in the Open dialog
}

const std::vector<Change>& changes() {
    static const std::vector<Change> all = {
        {"mark while playing",
         [](TestWindow& w) {
             w.player->positionMs = 12000;
             QTest::keyClick(w.ui.cmdMark, Qt::Key_Space);
         },
         "Mark Line at 0:12", [](TestWindow& w) { w.ui.cmdPlay->click(); }},
        {"insert", [](TestWindow& w) { w.ui.cmdInsert->click(); }, "Insert Line"},
        {"load from the file",
         [](TestWindow& w) {
             const QString song = w.ui.txtFileName->text();
             writeFile(song.chopped(4) + ".xml", lyricsFileOf(song, {"4|from file"}));
             reopen(w);
         },
         "Load Lyrics File"},
        {"load from the tag", reopen, "Load Tag Lyrics"},
        {"load from the text panel",
         [](TestWindow& w) {
             w.ui.cmdAddLyrics->click();
             w.ui.txtAddLyrics->setPlainText(QStringLiteral("typed\nlines"));
             w.ui.cmdSaveUnsynch->click();
         },
         "Load Lyrics From Text"},
    };
    return all;
}

// A song whose tag holds two lines of lyrics.
QString taggedSong(const QTemporaryDir& folder, const char* name) {
    return writeFile(folder.filePath(QLatin1String(name)),
                     songs::tag(3, {songs::lyricsFrame(3, songs::Latin1, "tag one\ntag two")}) +
                         songs::toneBytes());
}

// The window shown, on a tagged song, with a sheet that has marks, blanks and a selection.
void openAndShow(TestWindow& w, const QString& song) {
    w.createDatabase();
    w.open(song);
    QVERIFY(w.shownActive());
    w.setSheet({"one|1", "", "three|3", "four"});
    w.select(3);
    w.session().sheet().setMarkCursor(2, 1);
}

void press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    widget->setFocus();
    QTest::keyClick(widget, key, modifiers);
}

} // namespace

class UndoKeysTest : public QObject {
    Q_OBJECT
private slots:
    void undoesAndRedoesEachChange_data() {
        QTest::addColumn<int>("change");
        for (std::size_t i = 0; i < changes().size(); ++i)
            QTest::newRow(changes()[i].name) << int(i);
    }
    void undoesAndRedoesEachChange() {
        QFETCH(int, change);
        const Change& c = changes()[std::size_t(change)];
        QTemporaryDir folder;
        TestWindow w;
        openAndShow(w, taggedSong(folder, "Song.mp3"));
        c.prepare(w);
        const QStringList before = stateOf(w);
        c.make(w);
        const QStringList after = stateOf(w);
        QVERIFY(after != before);
        w.ui.cmdSave->setEnabled(false);
        // While the song plays the keyboard is on Mark Line; else on the list.
        QWidget* keys =
            w.ui.cmdMark->isEnabled() ? static_cast<QWidget*>(w.ui.cmdMark) : w.ui.lvLyrics;
        press(keys, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(stateOf(w), before);
        QCOMPARE(w.ui.lblStatus->text(), "Undid: " + c.step);
        QVERIFY(w.ui.cmdSave->isEnabled());
        press(keys, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(stateOf(w), after);
        QCOMPARE(w.ui.lblStatus->text(), "Redid: " + c.step);
        press(keys, Qt::Key_Z, Qt::ControlModifier);
        press(keys, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(stateOf(w), after);
    }

    void textBoxesKeepTheirOwnUndoAndAnotherSongStartsAfresh() {
        QTemporaryDir folder;
        TestWindow w;
        openAndShow(w, taggedSong(folder, "Song.mp3"));
        w.ui.cmdAddLine->click();
        const QStringList edited = stateOf(w);
        w.ui.txtAdjustAll->setFocus();
        QTest::keyClicks(w.ui.txtAdjustAll, "5");
        press(w.ui.txtAdjustAll, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.ui.txtAdjustAll->text(), QStringLiteral("1"));
        press(w.ui.txtAdjustAll, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(stateOf(w), edited);

        w.open(taggedSong(folder, "Other.mp3"));
        const QStringList opened = stateOf(w);
        press(w.ui.lvLyrics, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(stateOf(w), opened);
        QCOMPARE(w.ui.lblStatus->text(), QStringLiteral("Nothing to undo."));
    }
};

QTEST_MAIN(UndoKeysTest)
#include "tst_UndoKeys.moc"
