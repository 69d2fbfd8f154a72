#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTest>
#include <string>
#include <vector>

#include "tests/qt/WindowFixture.h"

namespace tesmarik {
namespace {

class InfoLinksTest : public WindowFixture {
protected:
    // The mouse moves over the widget, as the window system reports it.
    void MoveOver(QWidget* widget) {
        const QPointF inside(3, 3);
        QMouseEvent move(QEvent::MouseMove, inside, widget->mapToGlobal(inside), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    }

    void MoveAway(QWidget* widget) {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(widget, &leave);
    }

    static QColor TextColour(const QLabel* label) {
        return label->palette().color(QPalette::WindowText);
    }
};

TEST_F(InfoLinksTest, AHeaderLinkGrowsRedUnderTheMouseAndShrinksNavyAfter) {
    auto* link = Widget<QLabel>("Label86");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->font().pointSize(), 8);
    EXPECT_TRUE(link->font().bold());
    EXPECT_EQ(TextColour(link), QColor(0, 0, 128));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    const QSize plainSize = link->size();

    MoveOver(link);
    EXPECT_EQ(link->font().pointSize(), 14);
    EXPECT_TRUE(link->font().bold());
    EXPECT_EQ(TextColour(link), QColor(255, 0, 0));
    // The label sizes itself to its text, so it grows from its top-left corner.
    EXPECT_GT(link->width(), plainSize.width());
    EXPECT_GT(link->height(), plainSize.height());
    EXPECT_EQ(link->pos(), QPoint(Form().Label86.Left, Form().Label86.Top));

    MoveAway(link);
    EXPECT_EQ(link->font().pointSize(), 8);
    EXPECT_EQ(TextColour(link), QColor(0, 0, 128));
    EXPECT_EQ(link->size(), plainSize);
    EXPECT_TRUE(platform.calls.empty());
}

TEST_F(InfoLinksTest, StraightFromOneLinkOntoTheNextOnlyTheNextIsEmphasised) {
    auto* first = Widget<QLabel>("Label86");
    auto* next = Widget<QLabel>("Label87");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(next, nullptr);
    MoveOver(first);
    MoveOver(next);  // the leave of the first one has not come (yet)
    EXPECT_EQ(first->font().pointSize(), 8);
    EXPECT_EQ(TextColour(first), QColor(0, 0, 128));
    EXPECT_EQ(next->font().pointSize(), 14);
    EXPECT_EQ(TextColour(next), QColor(255, 0, 0));
    MoveAway(first);
    EXPECT_EQ(next->font().pointSize(), 14);
}

TEST_F(InfoLinksTest, TheAddressesAreUnderlinedUnderTheMouse) {
    auto* mail = Widget<QLabel>("Label26");
    ASSERT_NE(mail, nullptr);
    EXPECT_FALSE(mail->font().underline());
    MoveOver(mail);
    EXPECT_TRUE(mail->font().underline());
    EXPECT_TRUE(mail->font().bold());
    EXPECT_EQ(mail->font().pointSize(), 12);
    MoveAway(mail);
    EXPECT_FALSE(mail->font().underline());
}

TEST_F(InfoLinksTest, ClicksHandTheAddressesToThePlatform) {
    QTest::mouseClick(Widget<QLabel>("Label88"), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseClick(binding->WidgetOf("Image1"), Qt::LeftButton, {}, QPoint(100, 20));
    QTest::mouseClick(Widget<QLabel>("Label26"), Qt::LeftButton, {}, QPoint(3, 3));
    const std::vector<std::string> expected = {
        "open: http://tesmarik.example/content/view/83/143/",
        "open: http://tesmarik.example/",
        "open: mailto:sales@tesmarik.example?subject=В отдел продаж",
    };
    EXPECT_EQ(platform.calls, expected);
}

TEST_F(InfoLinksTest, TheInformationTabsLinksWorkOnceTheTabIsInFront) {
    Widget<QTabWidget>("PageControl1")->setCurrentIndex(3);
    QApplication::processEvents();
    auto* board = Widget<QLabel>("Label110");
    ASSERT_NE(board, nullptr);
    ASSERT_TRUE(board->isVisible());
    EXPECT_EQ(board->font().pointSize(), 10);
    MoveOver(board);
    EXPECT_EQ(board->font().pointSize(), 16);
    EXPECT_EQ(TextColour(board), QColor(255, 0, 0));
    MoveAway(board);
    EXPECT_EQ(board->font().pointSize(), 10);
    platform.calls.clear();
    QTest::mouseClick(board, Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_EQ(platform.calls.size(), 1u);
    EXPECT_EQ(platform.calls[0],
              "open: http://tesmarik.example/component/option,com_adsmanager/page,show_category/"
              "catid,1/order,0/expand,0/Itemid,70/");
}

}  // namespace
}  // namespace tesmarik
