#pragma once

// The seller who hands the program out: a fictional one on a reserved domain. The host
// can be replaced at build time (TESMARIK_SELLER_HOST) and, for the web server only, at
// run time (the environment variable kSellerHostVariable names, read by the platform).
#ifndef TESMARIK_SELLER_HOST
#define TESMARIK_SELLER_HOST "tesmarik.example"
#endif

#include <string>

namespace tesmarik {

inline constexpr const char* kDefaultSellerHost = TESMARIK_SELLER_HOST;
// The seller's name, as the information tab and the commercial offer give it.
inline constexpr const char* kSellerName = "ООО \"Тесмарик-Трубы\"";
// Set and not empty, it names the web server instead of the built-in host.
inline constexpr const char* kSellerHostVariable = "TESMARIK_SELLER";
// Shown in the header strip; mail from the e-mail link goes to the sales department.
inline constexpr const char* kSellerDisplayEmail = "info@" TESMARIK_SELLER_HOST;
inline constexpr const char* kSellerSalesEmail = "sales@" TESMARIK_SELLER_HOST;
// How the header strip names the web site.
inline constexpr const char* kSellerSiteCaption = "www." TESMARIK_SELLER_HOST;
// The seller's particulars, as the information tab and the offer's letterhead give them.
inline constexpr const char* kSellerAddress = "000000, г. Примерск, ул. Трубная, д. 1";
inline constexpr const char* kSellerTaxIds = "ИНН 0000000000, КПП 000000000";
inline constexpr const char* kSellerBank =
    "р/с 40702810900000000001 в АО \"Банк Пример\", г. Примерск, "
    "к/с 30101810000000000001, БИК 040000001";
inline constexpr const char* kSellerPhone = "+7 (000) 000-00-00";
inline constexpr const char* kSellerFax = "+7 (000) 000-00-01";

// The seller as a document names it.
struct SellerIdentity {
    std::string name;
    std::string address;
    std::string taxIds;
    std::string bank;
    std::string phone;
    std::string site;
    std::string email;
};

// The seller who hands the program out.
inline SellerIdentity ProgramSeller() {
    return {kSellerName,  kSellerAddress,     kSellerTaxIds,      kSellerBank,
            kSellerPhone, kSellerSiteCaption, kSellerDisplayEmail};
}

}  // namespace tesmarik
