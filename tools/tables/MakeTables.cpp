// Writes the shipped default tables of the schedule, the memo pad and the friends list.
// Usage: yorra_make_tables <program folder>

#include "ShippedTables.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <program folder>\n";
        return 2;
    }
    try {
        const std::string folder = std::string(argv[1]) + "/";
        std::filesystem::create_directories(folder + "DefaultDB");
        std::filesystem::create_directories(folder + "OldDefaultDB");
        WriteScheduleTables(folder);
        WriteMemoTables(folder);
        WriteAddressTables(folder);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
