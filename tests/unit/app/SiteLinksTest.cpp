#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/UserActions.h"
#include "app/Window.h"
#include "files/QtFiles.h"
#include "common/SellerIdentity.h"
#include "tools/scenario/ScriptedPlatform.h"

namespace tesmarik {
namespace {

// The scripted platform with its lines kept, and a seller server replaced at run time as
// TESMARIK_SELLER replaces it.
struct LinkWindow {
    explicit LinkWindow(std::string host = kDefaultSellerHost)
        : platform(out, "/nonexistent/1.csv", std::move(host)), window(platform) {
        window.Create();
        ActivateWindow(window);
        out.str("");
    }
    void Click(const std::string& name) { window.Dispatch(Find(name).OnClick); }
    void Hover(const std::string& name) { window.Dispatch(Find(name).OnMouseMove); }
    void Leave(const std::string& name) { window.Dispatch(Find(name).OnMouseLeave); }
    Control& Find(const std::string& name) {
        Control* c = window.form.Find(name);
        EXPECT_NE(c, nullptr) << name;
        return *c;
    }
    std::string Printed() {
        std::string s = out.str();
        out.str("");
        return s;
    }

    std::ostringstream out;
    ScriptedPlatform platform;
    Window window;
};

struct LinkCase {
    const char* control;
    const char* path;
};

const LinkCase kWebLinks[] = {
    {"Image1", "/"},
    {"Label86", "/content/blogcategory/19/58/"},
    {"Label87", "/content/view/83/143/"},
    {"Label88", "/content/view/83/143/"},
    {"Label89", "/content/view/64/121/"},
    {"Label90", "/"},
    {"Label106", "/content/view/44/102/"},
    {"Label110",
     "/component/option,com_adsmanager/page,show_category/catid,1/order,0/expand,0/Itemid,70/"},
    {"Label111", "/component/option,com_wrapper/Itemid,144/"},
};

TEST(SiteLinks, WebLinksGoToTheServerThePlatformNames) {
    for (const std::string& host :
         {std::string(kDefaultSellerHost), std::string("127.0.0.1:8080")}) {
        LinkWindow w(host);
        for (const LinkCase& link : kWebLinks) {
            w.Click(link.control);
            EXPECT_EQ(w.Printed(), "open: http://" + host + link.path + "\n") << link.control;
        }
    }
}

TEST(SiteLinks, MailGoesToTheBuiltInSalesAddressWhateverTheServer) {
    LinkWindow w("127.0.0.1:8080");
    w.Click("Label26");
    const std::string expected =
        "mailto:" + std::string(kSellerSalesEmail) + "?subject=В отдел продаж";
    EXPECT_EQ(w.Printed(), "open: " + expected + "\n");
    // Handed over in Windows-1251 the whole address, subject as typed, fits 256 bytes.
    const std::string bytes = QtFiles::ToWindows1251(expected);
    EXPECT_LE(bytes.size(), 256u);
    EXPECT_EQ(bytes.find('%'), std::string::npos);
    EXPECT_NE(bytes.find("?subject=\xC2 \xEE\xF2\xE4\xE5\xEB \xEF\xF0\xEE\xE4\xE0\xE6"),
              std::string::npos);
}

// A platform where nothing can open an address: the click passes without a trace.
class NoBrowserPlatform : public ScriptedPlatform {
public:
    using ScriptedPlatform::ScriptedPlatform;
    void OpenAddress(const std::string&) override {}
    void ErrorBox(const std::string& text) override { errors.push_back(text); }
    void ShowMessage(const std::string& text) override { errors.push_back(text); }
    std::vector<std::string> errors;
};

struct Look {
    std::string text;
    Font font;
    bool visible;
    bool enabled;
    bool operator==(const Look&) const = default;
};

std::vector<Look> LookOf(const TForm1& f) {
    std::vector<Look> looks;
    for (const Control* c : static_cast<const ControlRegistry&>(f).All()) {
        looks.push_back({c->Text, c->Font, c->Visible, c->Enabled});
    }
    return looks;
}

TEST(SiteLinks, WithoutABrowserAClickChangesNothingAndSaysNothing) {
    std::ostringstream out;
    NoBrowserPlatform platform(out, "/nonexistent/1.csv", kDefaultSellerHost);
    Window window(platform);
    window.Create();
    ActivateWindow(window);
    window.form.PageControl1.ActivePageIndex = 3;
    const std::vector<Look> before = LookOf(window.form);
    for (const char* name : {"Image1", "Label26", "Label86", "Label87", "Label88", "Label89",
                             "Label90", "Label106", "Label110", "Label111"}) {
        window.Dispatch(window.form.Find(name)->OnClick);
    }
    EXPECT_TRUE(LookOf(window.form) == before);
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_EQ(out.str(), "");
}

const char* const kLinkLabels[] = {"Label26", "Label86",  "Label87",  "Label88", "Label89",
                                   "Label90", "Label106", "Label110", "Label111"};

// Under the mouse: the header links 14 pt red, the information links 16 pt red, the
// addresses underlined; everything else of the font as it was.
Font Emphasised(const std::string& name, Font plain) {
    if (name == "Label26" || name == "Label90") {
        plain.underline = true;
    } else if (name == "Label106" || name == "Label110" || name == "Label111") {
        plain.size = 16;
        plain.color = kRed;
    } else {
        plain.size = 14;
        plain.color = kRed;
    }
    return plain;
}

TEST(SiteLinks, AnyWalkOfTheMouseLeavesAtMostTheLastLinkEmphasised) {
    LinkWindow w;
    std::map<std::string, Font> plain;
    for (const char* name : kLinkLabels) {
        plain[name] = w.Find(name).Font;
    }
    std::mt19937 random(20260101);
    std::string under;  // the link the mouse was last moved over and has not left
    for (int step = 0; step < 2000; ++step) {
        const std::string name = kLinkLabels[random() % std::size(kLinkLabels)];
        if (random() % 3 == 0) {
            w.Leave(name);
            if (name == under) {
                under.clear();
            }
        } else {
            w.Hover(name);
            under = name;
        }
        for (const char* label : kLinkLabels) {
            const Font expected = label == under ? Emphasised(label, plain[label]) : plain[label];
            ASSERT_EQ(w.Find(label).Font, expected) << "step " << step << " " << label;
        }
    }
    EXPECT_EQ(w.Printed(), "");
}

TEST(SiteLinks, TheHintIsNoLinkAndKeepsBlinking) {
    LinkWindow w;
    w.Hover("Label86");
    const Font hint = w.Find("Label36").Font;
    EXPECT_EQ(hint.color, kNavy);
    EXPECT_TRUE(hint.bold);
    w.window.Dispatch(w.window.form.Timer1.OnTimer);
    w.Hover("Label87");
    w.Leave("Label87");
    EXPECT_EQ(w.Find("Label36").Font.color, kRed);
    EXPECT_EQ(w.Find("Label36").Font.size, 8);
}

TEST(Window, EveryControlHasANameOfItsOwn) {
    LinkWindow w;
    std::set<std::string> names;
    for (const Control* c : w.window.form.Registry().All()) {
        EXPECT_TRUE(names.insert(c->Name).second) << c->Name << " is used twice";
    }
}

}  // namespace
}  // namespace tesmarik
