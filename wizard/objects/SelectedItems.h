// What the result lists of a page show: the display names of the items the
// run is about to act on (the selected items, in item order). The item set
// registers the provider; without one the lists stay empty.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace setup {

using SelectedItemsProvider = std::function<std::vector<std::string>()>;

// Registers the provider (an empty one unregisters). Called on the
// user-interface thread.
void SetSelectedItemsProvider(SelectedItemsProvider provider);
// The provider's answer; empty without a provider.
std::vector<std::string> GetSelectedItemNames();

}  // namespace setup
