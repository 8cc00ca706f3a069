#include <QAccessible>
#include <QTest>
#include <functional>
#include <vector>

#include "core/number_text.h"
#include "core/random_source.h"
#include "tests/window/window_fixture.h"

// Only a left click or the keyboard chooses a range, and a range is always
// selected.
namespace stereona::window::testing {
namespace {

// What a screen reader does with a list item: Qt selects the row without
// making it current.
void ToggleThroughAccessibility(QListWidget* list, int row) {
  QAccessibleInterface* item = QAccessible::queryAccessibleInterface(list)->child(row);
  ASSERT_NE(item, nullptr);
  ASSERT_NE(item->actionInterface(), nullptr);
  ASSERT_TRUE(
      item->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
  item->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

struct RangeCase {
  const char* name;
  std::function<void()> act;
  int row;    // the row current and selected afterwards
  int draws;  // 0: no choice, the inputs keep their texts
};

TEST_F(WindowTest, OnlyTheLeftButtonAndTheKeyboardChooseARangeAndOneStaysSelected) {
  QListWidget* list = Ranges();
  const std::vector<RangeCase> cases = {
      {"right click on another row", [this] { ClickRange(2, Qt::RightButton); }, 0, 0},
      {"middle click on another row", [this] { ClickRange(3, Qt::MiddleButton); }, 0, 0},
      {"right double click on another row",
       [&] {
         QTest::mouseDClick(list->viewport(), Qt::RightButton, {},
                            list->visualItemRect(list->item(1)).center());
       },
       0, 0},
      {"right click on the selected row", [this] { ClickRange(0, Qt::RightButton); }, 0, 0},
      {"Ctrl+click on the selected row",
       [this] { ClickRange(0, Qt::LeftButton, Qt::ControlModifier); }, 0, 1},
      {"Ctrl+Space on the selected row",
       [&] { QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier); }, 0, 0},
      {"left click on the selected row", [this] { ClickRange(0); }, 0, 1},
      {"Ctrl+click on another row", [this] { ClickRange(1, Qt::LeftButton, Qt::ControlModifier); },
       1, 1},
      {"key up", [&] { QTest::keyClick(list, Qt::Key_Up); }, 0, 1},
      {"a screen reader's toggle on another row", [&] { ToggleThroughAccessibility(list, 3); }, 3,
       1},
      {"a screen reader's toggle on the selected row", [&] { ToggleThroughAccessibility(list, 3); },
       3, 0},
  };
  constexpr std::uint32_t kSeed = 77;
  for (const RangeCase& c : cases) {
    Texts expected = InputTexts();
    RandomSource reference(kSeed);
    for (int round = 0; round < c.draws; ++round) {
      for (std::size_t k = 1; k < 4; ++k) {  // V is the unknown
        expected[k] = QString::fromStdString(
            NumberText(reference.WholeNumber(list->item(c.row)->text().toDouble())));
      }
    }
    window_.Form().Random().Seed(kSeed);
    c.act();
    EXPECT_EQ(list->currentRow(), c.row) << c.name;
    EXPECT_EQ(list->selectedItems(), QList<QListWidgetItem*>{list->item(c.row)}) << c.name;
    EXPECT_EQ(InputTexts(), expected) << c.name;
  }
}

}  // namespace
}  // namespace stereona::window::testing
