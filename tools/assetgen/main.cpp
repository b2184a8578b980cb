// Stand-in for the art and sound generator until it lands: creates the output
// folder named by --out and succeeds.
#include <cstring>

bool MakeAssetOutputFolder(const char* path);

int main(int argc, char** argv) {
    const char* out = "Resource_Mirelune";
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--out") == 0) out = argv[i + 1];
    }
    return MakeAssetOutputFolder(out) ? 0 : 1;
}
