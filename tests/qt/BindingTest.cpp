#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <string>
#include <vector>

#include "common/Error.h"
#include "tests/qt/WindowFixture.h"

namespace tesmarik {
namespace {

using BindingTest = WindowFixture;

TEST_F(BindingTest, TheWindowShowsTheModelAtStart) {
    QWidget* top = binding->TopLevel();
    EXPECT_EQ(top->windowTitle().toStdString(), Form().Form1.Text);
    EXPECT_EQ(top->size(), QSize(801, 403));

    auto* tabs = Widget<QTabWidget>("PageControl1");
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(tabs->tabText(0).toStdString(), "Расчёт теоретической массы ");
    EXPECT_EQ(tabs->tabText(3).toStdString(), "Тесмарику");
    EXPECT_EQ(tabs->geometry(), QRect(0, 73, 801, 330));

    auto* types = Widget<QComboBox>("ComboBox1");
    ASSERT_EQ(types->count(), 2);
    EXPECT_EQ(types->itemText(1).toStdString(), "котельные/толстостенные");
    EXPECT_EQ(types->currentIndex(), -1);
    EXPECT_EQ(types->toolTip().toStdString(), Form().ComboBox1.Hint);
    EXPECT_FALSE(Widget<QComboBox>("ComboBox2")->isEnabled());
    EXPECT_TRUE(Widget<QPushButton>("Button1")->isEnabled());
    EXPECT_TRUE(Widget<QTableWidget>("rtab")->isHidden());
    EXPECT_FALSE(Widget<QPushButton>("Button1")->isHidden());  // on a tab behind
    EXPECT_EQ(Widget<QLineEdit>("Edit11")->text().toStdString(), "11,3");

    const Control& button = Form().Button1;
    EXPECT_EQ(binding->WidgetOf("Button1")->geometry(),
              QRect(button.Left, button.Top, button.Width, button.Height));
}

TEST_F(BindingTest, ChangesOfTheModelReachTheWidgetsOnSync) {
    Form().Label9.Text = "другой";
    Form().Button1.Visible = false;
    Form().ComboBox2.Enabled = true;
    Form().ComboBox2.Items = {"530", "57"};
    Form().ComboBox2.SetItemIndex(1);
    Form().rtab.SetCell(0, 3, "12,5");
    Form().rtab.RowCount = 20;
    Form().Memo4.Lines = {"первая", "вторая"};
    Form().PageControl1.ActivePageIndex = 0;
    binding->Sync();

    EXPECT_EQ(Widget<QLabel>("Label9")->text().toStdString(), "другой");
    EXPECT_TRUE(Widget<QPushButton>("Button1")->isHidden());
    auto* diameters = Widget<QComboBox>("ComboBox2");
    EXPECT_TRUE(diameters->isEnabled());
    EXPECT_EQ(diameters->count(), 2);
    EXPECT_EQ(diameters->currentText().toStdString(), "57");
    auto* grid = Widget<QTableWidget>("rtab");
    EXPECT_EQ(grid->rowCount(), 19);  // the header row is the table's heading
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text().toStdString(), "Длина (м.)");
    EXPECT_EQ(grid->item(2, 0)->text().toStdString(), "12,5");
    EXPECT_EQ(Widget<QPlainTextEdit>("Memo4")->toPlainText().toStdString(), "первая\nвторая");
    EXPECT_EQ(Widget<QTabWidget>("PageControl1")->currentIndex(), 0);
}

TEST_F(BindingTest, ClicksPicksAndKeysRunTheEventSlotsInOrder) {
    std::vector<std::string> events;
    Form().PageControl1.ActivePageIndex = 0;
    Form().ComboBox2.Enabled = true;
    Form().ComboBox2.Items = {"530", "57"};
    Form().Edit10.Visible = true;
    Form().Button1.OnClick = [&] { events.push_back("Button1Click"); };
    Form().ComboBox2.OnClick = [&] { events.push_back("click " + Form().ComboBox2.Text); };
    Form().ComboBox2.OnChange = [&] { events.push_back("change"); };
    Form().Edit10.OnKeyPress = [&](char32_t key) {
        events.push_back("key " + std::to_string(static_cast<int>(key)) + " before '" +
                         Form().Edit10.Text + "'");
    };
    Form().Edit10.OnChange = [&] { events.push_back("changed '" + Form().Edit10.Text + "'"); };
    Form().Edit10.OnKeyUp = [&] { events.push_back("up"); };
    binding->Sync();

    QTest::mouseClick(Widget<QPushButton>("Button1"), Qt::LeftButton);
    auto* diameters = Widget<QComboBox>("ComboBox2");
    diameters->activated(1);  // what the drop-down emits when the user picks the second item
    QTest::keyClicks(Widget<QLineEdit>("Edit10"), "7");

    const std::vector<std::string> expected = {
        "Button1Click", "click 57", "change", "key 55 before ''", "changed '7'", "up",
    };
    EXPECT_EQ(events, expected);
    EXPECT_EQ(Form().ComboBox2.ItemIndex(), 1);
}

TEST_F(BindingTest, AUserClickOnARadioButtonSetsTheGroupAndRunsItsClick) {
    int clicks = 0;
    Form().PageControl1.ActivePageIndex = 0;
    Form().RadioGroup2.Enabled = true;
    Form().RadioGroup2.OnClick = [&] { ++clicks; };
    binding->Sync();
    auto buttons = binding->WidgetOf("RadioGroup2")->findChildren<QRadioButton*>();
    ASSERT_EQ(buttons.size(), 3);
    QTest::mouseClick(buttons[2], Qt::LeftButton, {}, QPoint(5, buttons[2]->height() / 2));
    EXPECT_EQ(Form().RadioGroup2.ItemIndex(), 2);
    EXPECT_EQ(clicks, 1);

    // -1 from code clears every button without a click.
    binding->Fire([&] { Form().RadioGroup2.SetItemIndex(-1); });
    for (QRadioButton* button : buttons) {
        EXPECT_FALSE(button->isChecked());
    }
    EXPECT_EQ(clicks, 1);
}

TEST_F(BindingTest, AFailingHandlerShowsTheErrorBoxAndTheWindowGoesOn) {
    Form().Button1.OnClick = [&] {
        Form().Label9.Text = "changed before the failure";
        throw NotAFloatError("");
    };
    Form().PageControl1.ActivePageIndex = 0;
    binding->Sync();
    QTest::mouseClick(Widget<QPushButton>("Button1"), Qt::LeftButton);
    QTest::mouseClick(Widget<QPushButton>("Button1"), Qt::LeftButton);
    const std::vector<std::string> expected = {
        "error: '' is not a valid floating point value.",
        "error: '' is not a valid floating point value.",
    };
    EXPECT_EQ(platform.calls, expected);
    // The caption stands left of the list of types: the longer text is cut there, whole in
    // its tooltip.
    auto* label = Widget<QLabel>("Label9");
    EXPECT_TRUE(label->text() == "changed before the failure" ||
                (label->text().endsWith(QString::fromUtf8("…")) &&
                 label->toolTip() == "changed before the failure"))
        << label->text().toStdString();
    // Not the caption of before, however few letters the platform's font leaves room for.
    EXPECT_TRUE(label->text().startsWith("chang")) << label->text().toStdString();
}

TEST_F(BindingTest, TheTimerBlinksTheHeaderHint) {
    auto* hint = Widget<QLabel>("Label36");
    const auto color = [hint] { return hint->palette().color(QPalette::WindowText); };
    const QColor before = color();
    EXPECT_TRUE(before == QColor(255, 0, 0) || before == QColor(0, 0, 128));
    // The real timer turns it within a few ticks, however slow the machine.
    QTRY_VERIFY_WITH_TIMEOUT(color() != before, 5000);
    const QColor after = color();
    binding->Fire(Form().Timer1.OnTimer);
    EXPECT_EQ(color(), before);
    EXPECT_NE(color(), after);
}

TEST_F(BindingTest, TypingIntoAGridCellRunsItsKeySlotFirst) {
    std::vector<std::string> seen;
    StringGrid& grid = Form().rtab;
    grid.Visible = true;
    Form().PageControl1.ActivePageIndex = 0;
    grid.OnKeyPress = [&](char32_t) { seen.push_back(grid.Cell(0, 2)); };
    grid.Row = 2;
    grid.Col = 0;
    binding->Sync();
    auto* table = Widget<QTableWidget>("rtab");
    table->setFocus();
    QTest::keyClicks(table, "12");
    QTest::keyClick(table, Qt::Key_Backspace);
    EXPECT_EQ(grid.Cell(0, 2), "1");
    const std::vector<std::string> expected = {"", "1", "12"};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(table->item(1, 0)->text().toStdString(), "1");
}

// An offer with changes not yet saved: closing the main window asks, and the answer
// (here "Отмена") keeps the program open; once nothing is unsaved it closes at once.
TEST_F(BindingTest, TheMainWindowAsksBeforeAnUnsavedOfferIsLost) {
    OfferState& offer = window->state.offer;
    offer.started = true;
    offer.unsaved = true;
    offer.offer.number = "101226-1530";
    QWidget* top = binding->TopLevel();
    EXPECT_FALSE(top->close());
    EXPECT_TRUE(top->isVisible());
    const std::vector<std::string> asked = {
        "question: Предложение № 101226-1530 изменено. Сохранить изменения?"};
    EXPECT_EQ(platform.calls, asked);
    offer.unsaved = false;
    EXPECT_TRUE(top->close());
    EXPECT_EQ(platform.calls, asked);
}

}  // namespace
}  // namespace tesmarik
