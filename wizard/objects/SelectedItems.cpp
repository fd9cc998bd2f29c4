#include "SelectedItems.h"

#include <utility>

namespace setup {
namespace {

SelectedItemsProvider& Provider() {
    static SelectedItemsProvider provider;
    return provider;
}

}  // namespace

void SetSelectedItemsProvider(SelectedItemsProvider provider) {
    Provider() = std::move(provider);
}

std::vector<std::string> GetSelectedItemNames() {
    const SelectedItemsProvider& provider = Provider();
    return provider ? provider() : std::vector<std::string>();
}

}  // namespace setup
