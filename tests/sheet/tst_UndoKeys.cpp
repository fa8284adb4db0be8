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

// Ctrl+Z and Ctrl+Shift+Z / Ctrl+Y on the shown window, as a person presses them, after each
// kind of change to the sheet.
namespace {

// The whole sheet, the selection and the mark cursor.
QStringList stateOf(const TestWindow& w) {
    return w.sheet() << QStringLiteral("selected %1, line %2, offset %3")
                            .arg(w->selectedRow())
                            .arg(w->sheet().currentLine())
                            .arg(w->sheet().lineOffset());
}

struct Change {
    const char* name;
    std::function<void(TestWindow&)> make;
    QString step;
    std::function<void(TestWindow&)> prepare = [](TestWindow&) {};
};

// Adjusting waits for the first Save.
void save(TestWindow& w) {
    w->cmdSave_Click();
}

void reopen(TestWindow& w) {
    w->cmdOpen->click(); // a cancelled dialog loads the song shown again
}

const std::vector<Change>& changes() {
    static const std::vector<Change> all = {
        {"mark while playing",
         [](TestWindow& w) {
             w.player->positionMs = 12000;
             QTest::keyClick(w->cmdMark, Qt::Key_Space);
         },
         "Mark Line at 0:12", [](TestWindow& w) { w->cmdPlay->click(); }},
        {"clear all", [](TestWindow& w) { w->cmdReset->click(); }, "Clear All Time Markings"},
        {"insert", [](TestWindow& w) { w->cmdInsert->click(); }, "Insert Line"},
        {"add to end", [](TestWindow& w) { w->cmdAddLine->click(); }, "Add Line To End"},
        {"remove", [](TestWindow& w) { w->cmdRemove->click(); }, "Remove Line"},
        {"edit",
         [](TestWindow& w) {
             w.inputAnswers << QStringLiteral("THREE");
             w->cmdEditLyric->click();
         },
         "Edit Selected Lyric"},
        {"shift one",
         [](TestWindow& w) {
             w->txtAdjustSingle->setText(QStringLiteral("2"));
             w->cmdAdjustSingle->click();
         },
         "Adjust Selected Line", save},
        {"shift all", [](TestWindow& w) { w->cmdAdjustAll->click(); }, "Adjust All Lines", save},
        {"load from the file",
         [](TestWindow& w) {
             LyricsDocumentWriter writer(w->txtFileName->text());
             writer.addLine(QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("from file"));
             writeFile(w->txtFileName->text().chopped(4) + QStringLiteral(".xml"), writer.finish());
             reopen(w);
         },
         "Load Lyrics File"},
        {"load from the tag", reopen, "Load Tag Lyrics"},
        {"load from the text panel",
         [](TestWindow& w) {
             w->cmdAddLyrics->click();
             w->txtAddLyrics->setPlainText(QStringLiteral("typed\nlines"));
             w->cmdSaveUnsynch->click();
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
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(&*w));
    w.setSheet({"one|1", "", "three|3", "four"});
    w->selectRow(3, false);
    w->sheet().setMarkCursor(2, 1);
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
        w->cmdSave->setEnabled(false);
        // While the song plays the keyboard is on Mark Line; else on the list.
        QWidget* keys = w->cmdMark->isEnabled() ? static_cast<QWidget*>(w->cmdMark) : w->lvLyrics;
        press(keys, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(stateOf(w), before);
        QCOMPARE(w->lblStatus->text(), "Undid: " + c.step);
        QVERIFY(w->cmdSave->isEnabled());
        press(keys, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(stateOf(w), after);
        QCOMPARE(w->lblStatus->text(), "Redid: " + c.step);
        press(keys, Qt::Key_Z, Qt::ControlModifier);
        press(keys, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(stateOf(w), after);
    }

    void textBoxesKeepTheirOwnUndoAndAnotherSongStartsAfresh() {
        QTemporaryDir folder;
        TestWindow w;
        openAndShow(w, taggedSong(folder, "Song.mp3"));
        w->cmdAddLine->click();
        const QStringList edited = stateOf(w);
        w->txtAdjustAll->setFocus();
        QTest::keyClicks(w->txtAdjustAll, "5");
        press(w->txtAdjustAll, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w->txtAdjustAll->text(), QStringLiteral("1"));
        press(w->txtAdjustAll, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(stateOf(w), edited);

        w.open(taggedSong(folder, "Other.mp3"));
        const QStringList opened = stateOf(w);
        press(w->lvLyrics, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(stateOf(w), opened);
        QCOMPARE(w->lblStatus->text(), QStringLiteral("Nothing to undo."));
    }
};

QTEST_MAIN(UndoKeysTest)
#include "tst_UndoKeys.moc"
