// What the support e-mail says of the user's system.
#pragma once

#include <string>

// The Windows product, edition, service pack and build, ending in a line feed; only
// the edition, service pack and build for versions after XP; "" when the system
// gives no version.
std::string OSVersionText();
// The CAD platform's version as the product was built for it ("MicroStation 8B0").
std::string PlatformVersionText();
