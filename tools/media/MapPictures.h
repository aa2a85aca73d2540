#pragma once

#include <string>

// Draws one picture per area of the map list sourceFolder + "Map/Map.ini" into
// outputFolder + "Map/" + area name + ".bmp": land, roads to the neighbouring areas and to the
// places inside the area, houses in towns, sea towards other continents, the area's name and a
// scale of one grid cell. A picture is ten grid cells wide and eight high (640 × 512 without
// a grid), so the map window's grid fits it exactly.
void WriteMapPictures(const std::string& sourceFolder, const std::string& outputFolder);
