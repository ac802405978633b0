#pragma once

#include <fstream>
#include <string>
#include <vector>

// The languages the build makes catalogues for, as po/LINGUAS lists them.
inline std::vector<std::string> CatalogueLanguages()
{
    std::vector<std::string> languages;
    std::ifstream list(std::string(TOBRIX_PO_DIR) + "/LINGUAS");
    for (std::string line; std::getline(list, line);) {
        if (!line.empty() && line[0] != '#') {
            languages.push_back(line);
        }
    }
    return languages;
}
