#pragma once
// The addresses the help menu and the dialogs show. The online help and the
// homepage are not published yet: while their address is empty the two
// commands do nothing (the help page says so).

namespace lumora {

struct CHelpLinks {
    static constexpr const char* kOnlineHelpUrl = "";
    static constexpr const char* kHomepageUrl = "";
    static constexpr const char* kContactAddress = "";
    static constexpr const char* kHelpFile = "LumoraHelp001.html";
    static constexpr const char* kVersionText = "LumoraFree, Version 2.00.00";
};

}  // namespace lumora
