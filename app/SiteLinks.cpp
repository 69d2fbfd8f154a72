#include "app/SiteLinks.h"

#include <array>
#include <string_view>

#include "form/SellerIdentity.h"

namespace tesmarik {

namespace {

constexpr std::string_view kMailSubject = "В отдел продаж";

// ShellExecute takes at most 256 bytes; the subject's 14 letters are one byte each in
// Windows-1251, and the rest of the address is ASCII.
static_assert(std::string_view("mailto:").size() + std::string_view(kSellerSalesEmail).size() +
                      std::string_view("?subject=").size() + 14 <=
                  256,
              "the sales address is too long for a mailto link");

enum class LinkLook {
    HeaderLink,  // 8 pt navy, 14 pt red under the mouse
    InfoLink,    // 10 pt navy, 16 pt red under the mouse
    Address,     // bold, bold and underlined under the mouse
};

struct LinkLabel {
    Label* label;
    LinkLook look;
};

std::array<LinkLabel, 9> LinkLabels(TForm1& f) {
    return {{{&f.Label26, LinkLook::Address},
             {&f.Label86, LinkLook::HeaderLink},
             {&f.Label87, LinkLook::HeaderLink},
             {&f.Label88, LinkLook::HeaderLink},
             {&f.Label89, LinkLook::HeaderLink},
             {&f.Label90, LinkLook::Address},
             {&f.Label106, LinkLook::InfoLink},
             {&f.Label110, LinkLook::InfoLink},
             {&f.Label111, LinkLook::InfoLink}}};
}

// Changes only what the hover effect is about; name and boldness stay.
void SetEmphasised(Label& label, LinkLook look, bool emphasised) {
    switch (look) {
        case LinkLook::HeaderLink:
            label.Font.size = emphasised ? 14 : 8;
            label.Font.color = emphasised ? kRed : kNavy;
            break;
        case LinkLook::InfoLink:
            label.Font.size = emphasised ? 16 : 10;
            label.Font.color = emphasised ? kRed : kNavy;
            break;
        case LinkLook::Address:
            label.Font.underline = emphasised;
            break;
    }
}

void MouseOver(TForm1& f, const Label& target) {
    for (const LinkLabel& link : LinkLabels(f)) {
        SetEmphasised(*link.label, link.look, link.label == &target);
    }
}

void MouseLeft(TForm1& f, const Label& target) {
    for (const LinkLabel& link : LinkLabels(f)) {
        if (link.label == &target) {
            SetEmphasised(*link.label, link.look, false);
        }
    }
}

void OpenSitePage(Platform& p, const std::string& path) {
    p.OpenAddress(SitePageAddress(p, path));
}

const std::string kHomePage = "/";
const std::string kPipesCatalogue = "/content/blogcategory/19/58/";
// Thick-walled and boiler pipes share one page.
const std::string kThickWalledAndBoilerPipes = "/content/view/83/143/";
const std::string kReconditionedPipes = "/content/view/64/121/";
const std::string kReferenceSections = "/content/view/44/102/";
const std::string kNoticeBoard =
    "/component/option,com_adsmanager/page,show_category/catid,1/order,0/expand,0/Itemid,70/";
const std::string kRailTariffForm = "/component/option,com_wrapper/Itemid,144/";

}  // namespace

std::string SitePageAddress(Platform& p, const std::string& path) {
    return "http://" + p.SellerHost() + path;
}

std::string SalesMailAddress() {
    return "mailto:" + std::string(kSellerSalesEmail) + "?subject=" + std::string(kMailSubject);
}

void Image1Click(Platform& p) {
    OpenSitePage(p, kHomePage);
}

void Label26Click(Platform& p) {
    p.OpenAddress(SalesMailAddress());
}

void Label86Click(Platform& p) {
    OpenSitePage(p, kPipesCatalogue);
}

void Label87Click(Platform& p) {
    OpenSitePage(p, kThickWalledAndBoilerPipes);
}

void Label88Click(Platform& p) {
    OpenSitePage(p, kThickWalledAndBoilerPipes);
}

void Label89Click(Platform& p) {
    OpenSitePage(p, kReconditionedPipes);
}

void Label90Click(Platform& p) {
    OpenSitePage(p, kHomePage);
}

void Label106Click(Platform& p) {
    OpenSitePage(p, kReferenceSections);
}

void Label110Click(Platform& p) {
    OpenSitePage(p, kNoticeBoard);
}

void Label111Click(Platform& p) {
    OpenSitePage(p, kRailTariffForm);
}

void Label26MouseMove(TForm1& f) {
    MouseOver(f, f.Label26);
}

void Label26MouseLeave(TForm1& f) {
    MouseLeft(f, f.Label26);
}

void Label86MouseMove(TForm1& f) {
    MouseOver(f, f.Label86);
}

void Label86MouseLeave(TForm1& f) {
    MouseLeft(f, f.Label86);
}

void Label87MouseMove(TForm1& f) {
    MouseOver(f, f.Label87);
}

void Label87MouseLeave(TForm1& f) {
    MouseLeft(f, f.Label87);
}

void Label88MouseMove(TForm1& f) {
    MouseOver(f, f.Label88);
}

void Label88MouseLeave(TForm1& f) {
    MouseLeft(f, f.Label88);
}

void Label89MouseMove(TForm1& f) {
    MouseOver(f, f.Label89);
}

void Label89MouseLeave(TForm1& f) {
    MouseLeft(f, f.Label89);
}

void Label90MouseMove(TForm1& f) {
    MouseOver(f, f.Label90);
}

void Label90MouseLeave(TForm1& f) {
    MouseLeft(f, f.Label90);
}

void Label106MouseMove(TForm1& f) {
    MouseOver(f, f.Label106);
}

void Label106MouseLeave(TForm1& f) {
    MouseLeft(f, f.Label106);
}

void Label110MouseMove(TForm1& f) {
    MouseOver(f, f.Label110);
}

void Label110MouseLeave(TForm1& f) {
    MouseLeft(f, f.Label110);
}

void Label111MouseMove(TForm1& f) {
    MouseOver(f, f.Label111);
}

void Label111MouseLeave(TForm1& f) {
    MouseLeft(f, f.Label111);
}

}  // namespace tesmarik
