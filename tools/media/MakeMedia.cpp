// Draws and synthesizes the pictures, sounds and icon that come with the program.
// Usage: yorra_make_media <source data folder> <output program folder>
// The source data folder holds "Map/Map.ini", which names the areas to draw.

#include "AppIcon.h"
#include "DayPhasePictures.h"
#include "MapPictures.h"
#include "Sounds.h"

#include <QGuiApplication>

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " <source data folder> <output program folder>\n";
        return 2;
    }
    QGuiApplication app(argc, argv);
    try {
        const std::string source = std::string(argv[1]) + "/";
        const std::string output = std::string(argv[2]) + "/";
        std::filesystem::create_directories(output + "UserAlarmSound");
        WriteSounds(output);
        WriteDayPhasePictures(output);
        WriteMapPictures(source, output);
        WriteAppIcon(output);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
