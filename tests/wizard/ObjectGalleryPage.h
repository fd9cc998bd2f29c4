// A page with one object of every kind (and a destination-directory box,
// which this build does not have), shared by the page object tests and the
// gallery program that shows it for a screenshot.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace wizard_test {

constexpr const char* kGallerySection = "NORMAL.GALLERY";

// The configure file text: the page section and its object sections.
std::string GalleryConfigure();
// The string file text (the languages of the language list).
std::string GalleryStrings();
// Files the page names (relative to the package directory) and their bytes.
std::vector<std::pair<std::string, std::string>> GalleryFiles();

}  // namespace wizard_test
