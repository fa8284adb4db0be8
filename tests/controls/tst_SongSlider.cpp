#include "support/TestWindow.h"

#include "controls/SongSlider.h"
#include "sheet/LyricSheet.h"

#include <QSignalSpy>
#include <QSlider>
#include <QTest>

// The position slider alone, over a sheet without a window.
class SongSliderTest : public QObject {
    Q_OBJECT

private slots:
    // The tick moves the slider without a seek; only the user's gestures ask for one.
    void onlyTheUserMovesIt() {
        SongSlider slider;
        QSignalSpy moved(&slider, &SongSlider::userMoved);
        slider.setMax(180);
        slider.setValue(42.5);
        QCOMPARE(slider.Value(), 42.5);
        QCOMPARE(moved.size(), 0);
        auto* groove = slider.findChild<QSlider*>("sldSongGroove");
        QVERIFY(groove);
        groove->triggerAction(QAbstractSlider::SliderPageStepAdd); // a click on the groove
        QCOMPARE(moved.size(), 1);
        QCOMPARE(slider.Value(), 47.5);
        slider.simulateUserMove(10);
        QCOMPARE(moved.size(), 2);
        QCOMPARE(slider.Value(), 10.0);
    }

    // The marks follow every change of the sheet, and an undo brings them back.
    void marksFollowTheSheet() {
        LyricSheet sheet;
        loadSheet(sheet, {"one|5", "two", "three|7.5"});
        SongSlider slider;
        slider.followSheet(&sheet);
        QCOMPARE(ticksOf(slider), "1@5 3@7.5");
        sheet.shiftAll("-2");
        QCOMPARE(ticksOf(slider), "1@3 3@5.5");
        sheet.setSelected(2);
        sheet.removeLine();
        QCOMPARE(ticksOf(slider), "1@3 2@5.5");
        QVERIFY(!sheet.undo().isEmpty());
        QVERIFY(!sheet.undo().isEmpty());
        QCOMPARE(ticksOf(slider), "1@5 3@7.5");
        sheet.clearMarks();
        QCOMPARE(ticksOf(slider), "");
    }
};

QTEST_MAIN(SongSliderTest)
#include "tst_SongSlider.moc"
