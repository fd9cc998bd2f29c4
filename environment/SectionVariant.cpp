#include "SectionVariant.h"

#include <algorithm>
#include <cctype>

namespace setup {

namespace {

void Append(std::string& name, const std::string& part) {
    if (!part.empty()) {
        name += '.';
        name += part;
    }
}

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace

std::vector<std::string> SectionVariantNames(const std::string& base, const std::string& os,
                                             const std::string& language, bool network, bool usb) {
    // Each level drops the leftmost remaining part last: OS and language
    // are the outer choices, the connection words the inner ones.
    std::vector<std::string> connections;
    if (network && usb) {
        connections = {"NETWORK.USB", "NETWORK", "USB", ""};
    } else if (network) {
        connections = {"NETWORK", ""};
    } else if (usb) {
        connections = {"USB", ""};
    } else {
        connections = {""};
    }
    std::vector<std::string> names;
    for (const std::string& osPart : {os, std::string()}) {
        for (const std::string& languagePart : {language, std::string()}) {
            for (const std::string& connection : connections) {
                std::string name = base;
                Append(name, osPart);
                Append(name, languagePart);
                Append(name, connection);
                name = Upper(name);
                if (std::find(names.begin(), names.end(), name) == names.end()) {
                    names.push_back(name);
                }
            }
        }
    }
    return names;
}

}  // namespace setup
