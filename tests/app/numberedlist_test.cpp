// The shared list of numbered things: which number a row stands for and which one is
// chosen, through refills.

#include "app/ui/numberedlist.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace orrowvale {
namespace {

TEST(NumberedList, KeepsTheChosenNumberThroughARefillAndForgetsOneNoLongerListed) {
    NumberedList list(nullptr, "partylist");
    QSignalSpy changes(&list, &QListWidget::itemSelectionChanged);
    list.fill({{7, "붉은 매"}, {12, "새벽 원정대"}, {30, "은빛 늑대"}});
    EXPECT_EQ(list.chosen(), std::nullopt);
    EXPECT_EQ(changes.count(), 1);

    ASSERT_TRUE(list.choose(12));
    EXPECT_EQ(list.chosen(), 12);
    // The list is filled anew with the rows in another order: 12 stays chosen.
    list.fill({{30, "은빛 늑대"}, {12, "새벽 원정대"}}, list.chosen());
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(list.chosen(), 12);
    EXPECT_EQ(list.numberAt(0), 30);

    list.fill({{30, "은빛 늑대"}}, 12);
    EXPECT_EQ(list.chosen(), std::nullopt);
    EXPECT_FALSE(list.choose(12));
}

TEST(NumberedList, TheSelectedRowIsChosenWhereverTheCurrentRowIs) {
    NumberedList list(nullptr, "advlistbox");
    list.fill({{985, "강산"}, {986, "지유"}});
    list.choose(986);
    list.currentItem()->setSelected(false);
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(list.chosen(), std::nullopt);

    // A screen reader selects a row without moving the current row.
    list.item(0)->setSelected(true);
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(list.chosen(), 985);
}

// Columns are measured in the font the rows are drawn in, whatever font the list had
// when it was filled; Down on the frame's unselected only row chooses it.
TEST(NumberedList, ColumnsFollowThePaintingFontAndAnArrowChoosesTheFramedRow) {
    NumberedList list(nullptr, "overviewlist");
    QFont font = list.font();
    font.setPixelSize(10);
    list.setFont(font);
    list.fill({{4, "1. 매, 1명", {"1.", "매", "1명, 바람언덕 - 푸른여울"}}});
    const int smallWidth = list.sizeHintForColumn(0);
    font.setPixelSize(20);
    list.setFont(font);
    EXPECT_GE(list.sizeHintForColumn(0), smallWidth * 17 / 10);

    list.setCurrentRow(0, QItemSelectionModel::NoUpdate);
    ASSERT_EQ(list.chosen(), std::nullopt);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.chosen(), 4);
}

}  // namespace
}  // namespace orrowvale
