// vantolex_cp932_table BESTFIT OUTPUT: writes the committed code page 932 data from the best-fit table.
#include <fstream>
#include <iostream>
#include <stdexcept>

#include "tools/CodePage932TableGenerator.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: vantolex_cp932_table data/cp932/bestfit932.txt input/CodePage932Table.cpp\n";
        return 64;
    }
    try {
        std::ifstream table(argv[1], std::ios::binary);
        if (!table) {
            std::cerr << "cannot open " << argv[1] << '\n';
            return 1;
        }
        const std::string text = vantolex::tools::generateCodePage932Table(table);
        std::ofstream output(argv[2], std::ios::binary | std::ios::trunc);
        output << text;
        output.close();
        if (!output) {
            std::cerr << "cannot write " << argv[2] << '\n';
            return 1;
        }
    } catch (const std::exception& failure) {
        std::cerr << argv[1] << ": " << failure.what() << '\n';
        return 1;
    }
    return 0;
}
