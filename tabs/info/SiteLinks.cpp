#include "tabs/info/SiteLinks.h"

#include <string_view>

#include "common/SellerIdentity.h"

namespace tesmarik {

namespace {

constexpr std::string_view kMailSubject = "В отдел продаж";

// ShellExecute takes at most 256 bytes; the subject's 14 letters are one byte each in
// Windows-1251, and the rest of the address is ASCII.
static_assert(std::string_view("mailto:").size() + std::string_view(kSellerSalesEmail).size() +
                      std::string_view("?subject=").size() + 14 <=
                  256,
              "the sales address is too long for a mailto link");

const std::string kHomePage = "/";
const std::string kPipesCatalogue = "/content/blogcategory/19/58/";
// Thick-walled and boiler pipes share one page.
const std::string kThickWalledAndBoilerPipes = "/content/view/83/143/";
const std::string kReconditionedPipes = "/content/view/64/121/";
const std::string kReferenceSections = "/content/view/44/102/";
const std::string kNoticeBoard =
    "/component/option,com_adsmanager/page,show_category/catid,1/order,0/expand,0/Itemid,70/";
const std::string kRailTariffForm = "/component/option,com_wrapper/Itemid,144/";

// The address of a page on the seller's web server.
std::string SitePageAddress(Platform& p, const std::string& path) {
    return "http://" + p.SellerHost() + path;
}

// The new e-mail to the sales department, its subject as typed (not percent-encoded).
std::string SalesMailAddress() {
    return "mailto:" + std::string(kSellerSalesEmail) + "?subject=" + std::string(kMailSubject);
}

// Changes only what the hover effect is about; name and boldness stay.
void SetEmphasised(Control& label, LinkLook look, bool emphasised) {
    switch (look) {
        case LinkLook::Banner:
            break;
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

}  // namespace

std::vector<SiteLink> SiteLinksOf(TForm1& f) {
    return {
        {&f.Image1, LinkLook::Banner, kHomePage},
        {&f.Label26, LinkLook::Address, SalesMailAddress()},
        {&f.Label86, LinkLook::HeaderLink, kPipesCatalogue},
        {&f.Label87, LinkLook::HeaderLink, kThickWalledAndBoilerPipes},
        {&f.Label88, LinkLook::HeaderLink, kThickWalledAndBoilerPipes},
        {&f.Label89, LinkLook::HeaderLink, kReconditionedPipes},
        {&f.Label90, LinkLook::Address, kHomePage},
        {&f.Label106, LinkLook::InfoLink, kReferenceSections},
        {&f.Label110, LinkLook::InfoLink, kNoticeBoard},
        {&f.Label111, LinkLook::InfoLink, kRailTariffForm},
    };
}

void OpenLink(Platform& p, const std::string& address) {
    p.OpenAddress(address.starts_with('/') ? SitePageAddress(p, address) : address);
}

void MouseOverLink(TForm1& f, const Control& link) {
    for (const SiteLink& each : SiteLinksOf(f)) {
        SetEmphasised(*each.control, each.look, each.control == &link);
    }
}

void MouseLeftLink(TForm1& f, const Control& link) {
    for (const SiteLink& each : SiteLinksOf(f)) {
        if (each.control == &link) {
            SetEmphasised(*each.control, each.look, false);
        }
    }
}

}  // namespace tesmarik
