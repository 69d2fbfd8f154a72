// Typing and pasting into the loading report, the report the user may edit, on the real
// display: what the user puts in stays as put, wherever the text cursor stands.
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>

#include "app/UserActions.h"
#include "tests/display/RealWindow.h"

namespace tesmarik {
namespace {

class ReportEdit : public RealWindowWithPrices {
protected:
    QPlainTextEdit* ShowReport(XUser& user) {
        ClickTab(user, 1);
        Act(user, [](Window& w) { ClickControl(w, w.form.BitBtn2); });
        auto* report = user.OnGui([&] { return static_cast<QPlainTextEdit*>(W("Memo3")); });
        EXPECT_TRUE(user.WaitFor([&] { return report->isVisible(); })) << "the report shown";
        user.Click(report, QPoint(200, 60));
        EXPECT_TRUE(user.WaitFor([&] { return report->hasFocus(); })) << "the report's focus";
        user.Key("End", "Control_L");
        return report;
    }

    std::string Shown(XUser& user, QPlainTextEdit* report) {
        return user.OnGui([&] { return report->toPlainText().toStdString(); });
    }
};

// Enter at the end of the report starts a new line, and the typing goes on there; a
// pasted text ending in a line break, pasted twice, is there twice. Neither the next
// event nor the blinking timer takes it back.
TEST_F(ReportEdit, LineBreaksTypedOrPastedStay) {
    RunAsUser([&](XUser& user) {
        QPlainTextEdit* report = ShowReport(user);
        user.Type("abc");
        user.Key("Return");
        user.Type("def");
        EXPECT_TRUE(user.WaitFor([&] { return report->toPlainText() == "Memo2abc\ndef"; }))
            << Shown(user, report);

        user.OnGui([] { QGuiApplication::clipboard()->setText("x\n"); });
        user.Key("Return");
        user.Key("v", "Control_L");
        user.Key("v", "Control_L");
        user.Type("y");
        user.Settle(500);
        EXPECT_EQ(Shown(user, report), "Memo2abc\ndef\nx\nx\ny");
        EXPECT_EQ(user.OnGui([&] { return Model().form.Memo3.ShownText(); }),
                  "Memo2abc\ndef\nx\nx\ny");
    });
}

}  // namespace
}  // namespace tesmarik
