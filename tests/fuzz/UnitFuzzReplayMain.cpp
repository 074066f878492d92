// The driver of a fuzz target where libFuzzer is not linked (the GCC test
// build): every file named, or found in a folder named, is handed to the
// target once, in name order. A property that fails aborts; a clean run says
// how many inputs it replayed.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *pData, std::size_t iSize);

namespace {
std::vector<std::filesystem::path> fnarInputs(int argc, char **argv) {
    std::vector<std::filesystem::path> ar;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        if (std::filesystem::is_directory(path)) {
            for (const auto &entry : std::filesystem::directory_iterator(path))
                if (entry.is_regular_file())
                    ar.push_back(entry.path());
        } else {
            ar.push_back(path);
        }
    }
    std::sort(ar.begin(), ar.end());
    return ar;
}
} // namespace

int main(int argc, char **argv) {
    const std::vector<std::filesystem::path> arInputs = fnarInputs(argc, argv);
    if (arInputs.empty()) {
        std::fprintf(stderr, "no inputs to replay\n");
        return 2;
    }
    for (const auto &path : arInputs) {
        std::ifstream file(path, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "%s cannot be read\n", path.c_str());
            return 2;
        }
        const std::string stBytes{std::istreambuf_iterator<char>(file),
                                  std::istreambuf_iterator<char>()};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(stBytes.data()),
                               stBytes.size());
    }
    std::printf("%zu inputs replayed\n", arInputs.size());
    return 0;
}
