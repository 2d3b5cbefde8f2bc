// The application object: prepares the process (options, data files, device backend,
// platform services), runs the main window and returns the process exit code.
#pragma once

namespace tarvik {

class CPellorApp {
public:
    int run(int argc, char** argv);
};

}  // namespace tarvik
