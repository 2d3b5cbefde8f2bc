// Writes the factory "config.bin" (first-run flag 0 and the delivered record) to a given path.
#include <cstdio>
#include <fstream>

#include "session/FactoryRecord.h"
#include "settings/ConfigFile.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tarvik_configgen OUTPUT\n");
        return 2;
    }
    const tarvik::RecordBytes bytes = tarvik::toBytes(tarvik::factoryRecord());
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    // Flag 0: the program has not saved this file yet, so the first start resets the captions.
    out.put(0);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "tarvik_configgen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
