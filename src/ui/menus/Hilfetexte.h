#pragma once
// The fixed texts of the help window and of the information window: German,
// UTF-8, lines separated by CR.
#include <string_view>

namespace quarnel {

std::string_view Hilfetext();
std::string_view Infotext();

}  // namespace quarnel
