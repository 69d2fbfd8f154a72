#pragma once

// Declares a control member registered under its own form name; the enclosing struct
// holds the registry as `registry_`.
#define TESMARIK_CONTROL(Kind, Name) \
    Kind Name {                      \
        registry_, #Name             \
    }
