// The main window on the screen: the first start fits the available area, size,
// position and view come back at the next start.
#include "guifixture.h"

#include "graph/view/grafik.h"
#include "shell/commandids.h"
#include "textview/dravonview.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace {

QRect available()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

} // namespace

TEST_F(ShellTest, FirstStartFitsTheAvailableScreenArea)
{
    // ShellTest starts from empty settings: this is a first start.
    CMainFrame fresh(*commands, ui);
    EXPECT_TRUE(available().contains(fresh.geometry())) << fresh.geometry().width();
    EXPECT_GE(fresh.width(), fresh.minimumSizeHint().width());
    EXPECT_GE(fresh.height(), fresh.minimumSizeHint().height());
    EXPECT_EQ(fresh.GetActiveView(), static_cast<QWidget *>(fresh.textView()));
}

TEST_F(ShellTest, SizePositionAndViewComeBackAtTheNextStart)
{
    frame->setGeometry(QRect(available().topLeft() + QPoint(30, 20), QSize(640, 470)));
    press(Qt::Key_F3);
    const QRect before = frame->geometry();
    ASSERT_TRUE(frame->close());

    CMainFrame next(*commands, ui);
    next.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&next));
    EXPECT_EQ(next.geometry(), before);
    EXPECT_NE(next.graphView(), nullptr);
    EXPECT_EQ(next.GetActiveView(), static_cast<QWidget *>(next.graphView()));
    EXPECT_TRUE(next.action(ID_VIEW_GRAFIK)->isChecked());

    // Back in the text view, that is what the start after shows.
    next.SwitchView(CMainFrame::TextViewId);
    ASSERT_TRUE(next.close());
    CMainFrame third(*commands, ui);
    EXPECT_EQ(third.GetActiveView(), static_cast<QWidget *>(third.textView()));
    EXPECT_EQ(third.graphView(), nullptr);
}
