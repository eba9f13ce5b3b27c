// What a refresh of the window does: one handler for one move of the pointer, and a list shown
// again only when the model's list has changed.
#include "tests/ui/window_fixture.h"

#include <QListWidget>

namespace zolvan::testing {
namespace {

struct MoveCase {
    const char* name;
    const char* widget; // the pointer moves within it
};

// A key takes its own moves: the calculator frame under it does not handle them again.
const MoveCase kMoves[] = {
    {"Key", "cmdNum_5"},
    {"FunctionKey", "cmdFunction_3"},
    {"PictureButton", "imgMenu_2"},
    {"InputLine", "txtUnosFormule"},
    {"CalculatorFrame", "fraCalculator"},
};

// A place inside `widget` that none of its children covers.
QPoint bare(const QWidget& widget) {
    for (int y = 2; y < widget.height(); ++y) {
        for (int x = 2; x < widget.width() - 2; ++x) {
            if (widget.childAt(x, y) == nullptr && widget.childAt(x + 1, y) == nullptr) {
                return {x, y};
            }
        }
    }
    return {};
}

class PointerMove : public ::testing::TestWithParam<MoveCase> {};

TEST_P(PointerMove, RunsOneHandler) {
    ShownWindow w;
    w.key(Qt::Key_F9); // the side panel in view
    QWidget* widget = w.find(GetParam().widget);
    const QPoint at = bare(*widget);
    QTest::mouseMove(widget, at); // the pointer arrives
    const unsigned before = w.vescal.handledEvents();
    QTest::mouseMove(widget, at + QPoint(1, 0));
    EXPECT_EQ(w.vescal.handledEvents() - before, 1u);
}

INSTANTIATE_TEST_SUITE_P(Places, PointerMove, ::testing::ValuesIn(kMoves), byName);

// A list whose entries did not change is not copied to its widget again, whatever else happens:
// an entry changed behind the model's back stays as it is until the model's list changes.
TEST(ListRefresh, FollowsOnlyTheListsOwnChanges) {
    QTemporaryDir dir;
    ShownWindow w;
    loadConstants(w, writtenFile(dir, "metals.con", "Iron\n 7.874\n"));
    auto* custom = w.find<QListWidget>("lstConstants_3");
    ASSERT_EQ(custom->count(), 2);
    custom->item(0)->setText(q("changed"));
    w.enter(q("2+3"));
    w.key(Qt::Key_F5);
    QTest::mouseMove(w.find("cmdNum_5"), QPoint(5, 5));
    w.key(Qt::Key_F11); // the physical constants, and back
    w.key(Qt::ALT | Qt::Key_V);
    w.key(Qt::Key_C);
    EXPECT_TRUE(custom->isVisible());
    EXPECT_EQ(custom->item(0)->text(), q("changed"));

    loadConstants(w, writtenFile(dir, "gases.con", "Argon\n 1.784\n"));
    EXPECT_EQ(custom->item(0)->text(), q("Argon"));
}

} // namespace
} // namespace zolvan::testing
