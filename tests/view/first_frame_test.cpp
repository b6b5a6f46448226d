// What waits for the first frame runs once that frame has been painted, and only once; where
// nothing is ever painted it still runs, a moment later.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <QWidget>

#include "shell/first_frame.h"

namespace {

class CountedWindow final : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

TEST(FirstFrame, RunsOnceJustAfterTheFirstPaint) {
    CountedWindow window;
    window.resize(200, 100);
    int runs = 0;
    int paintsSeen = -1;
    afterFirstFrame([&] {
        ++runs;
        paintsSeen = window.paints;
    });
    QTest::qWait(50);
    EXPECT_EQ(runs, 0);  // nothing shown, nothing painted yet

    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return runs > 0; }, 900));
    EXPECT_GE(paintsSeen, 1);
    window.update();
    QTest::qWait(1200);  // later frames, and the latest moment, pass without a second run
    EXPECT_EQ(runs, 1);
}

TEST(FirstFrame, RunsAnywayWhenNothingIsPainted) {
    int runs = 0;
    QElapsedTimer waited;
    waited.start();
    afterFirstFrame([&] { ++runs; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return runs > 0; }, 3000));
    EXPECT_GE(waited.elapsed(), 900);
    QTest::qWait(100);
    EXPECT_EQ(runs, 1);
}

}  // namespace
