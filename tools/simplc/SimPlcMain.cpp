// simplc --port COMn [--log FILE] [--control FILE]
// Answers as an R2 PLC on the given port until the control file says "quit".
#include "tools/simplc/SimPlcServer.h"

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    std::string port, logPath, controlPath;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--port"))
            port = argv[i + 1];
        else if (!std::strcmp(argv[i], "--log"))
            logPath = argv[i + 1];
        else if (!std::strcmp(argv[i], "--control"))
            controlPath = argv[i + 1];
    }
    if (port.empty()) {
        std::fprintf(stderr, "usage: simplc --port COMn [--log FILE] [--control FILE]\n");
        return 2;
    }
    FILE* log = logPath.empty() ? stdout : std::fopen(logPath.c_str(), "a");
    if (!log)
        log = stdout;
    SimPlcServer server(port, controlPath, log);
    if (!server.Open())
        return 1;
    server.Run();
    return 0;
}
