#include "basescen/BaseScenario.h"
#include "platform/core/BinaryFile.h"
#include "platform/core/RuntimeError.h"
#include "scenario/tables/CommonTables.h"

#include <exception>
#include <iostream>

// Writes the base scenario file to the path named on the command line.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: varno-make-basescen <fenmarrow.vrs>\n";
        return 2;
    }
    try {
        InitCommonTables();
        WriteFileBytes(argv[1], BaseScenarioImage());
    } catch (const RuntimeError& e) {
        std::cerr << argv[1] << ": Err# " << e.number() << ", " << e.description() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "base scenario data: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
