#include "machineformat/DrillMachineFormat.h"

#include "reader/MessageTable.h"

int CDrillMachineFormat::Load(FILE* messageStream, std::string path) {
    FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr) {
        WriteMessage(messageStream, 11, path.c_str());
        return 1;
    }
    std::fclose(file);
    return 0;
}
