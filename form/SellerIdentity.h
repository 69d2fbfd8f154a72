#pragma once

// The seller who hands the program out: a fictional one on a reserved domain. The host
// can be replaced at build time (TESMARIK_SELLER_HOST) and, for the web server only, at
// run time (the environment variable kSellerHostVariable names, read by the platform).
#ifndef TESMARIK_SELLER_HOST
#define TESMARIK_SELLER_HOST "tesmarik.example"
#endif

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

}  // namespace tesmarik
