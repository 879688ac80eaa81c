#include "LargePage.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

// Writes a generated page without its pictures, for timing the batch commands as whole
// processes: areapage MAPS FILE (20 areas per map; 5,000 maps make about 20 MB).
int main(int argc, char *argv[])
{
    const int maps = argc == 3 ? std::atoi(argv[1]) : 0;
    if (maps <= 0) {
        std::cerr << "Utilisation : areapage NOMBRE_DE_MAPS FICHIER\n";
        return 2;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << LargePage::pageText(maps, 20);
    out.close();
    if (!out) {
        std::cerr << argv[2] << " : écriture impossible\n";
        return 1;
    }
    return 0;
}
