// The exchange mapping: the named memory through which the module tells the
// companion add-in the levels and colours of the active model, published for the
// length of an operation.
#pragma once

#include <string>

// The text of the exchange mapping for the active model (without its terminator).
std::string ExchangeMappingText();
// Publishes the text in the named mapping, replacing one published before; reports a
// failure to the user. True when published.
bool PublishExchangeMapping();
// Closes the published mapping, if any.
void CloseExchangeMapping();
