// The driver of a fuzz target where libFuzzer is not linked (the GCC test
// build): every file named, or found in a folder named, is handed to the
// target once, in name order. A property that fails aborts.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *pData, std::size_t iSize);

int main(int argc, char **argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> arInputs;
    for (int i = 1; i < argc; ++i) {
        if (!fs::is_directory(argv[i]))
            arInputs.emplace_back(argv[i]);
        else
            for (const auto &entry : fs::directory_iterator(argv[i]))
                if (entry.is_regular_file())
                    arInputs.push_back(entry.path());
    }
    std::sort(arInputs.begin(), arInputs.end());
    for (const auto &path : arInputs) {
        std::ifstream file(path, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "%s cannot be read\n", path.c_str());
            return 2;
        }
        const std::string stBytes{std::istreambuf_iterator<char>(file), {}};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(stBytes.data()),
                               stBytes.size());
    }
    std::printf("%zu inputs replayed\n", arInputs.size());
    return arInputs.empty() ? 2 : 0;
}
