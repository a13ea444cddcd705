// Without libFuzzer: feeds every file of the checked-in corpus (or of the folders and files given
// as arguments) to the target once, so that ctest runs it under the build's sanitizers.

#include "FuzzCheck.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

int main(int argc, char **argv)
{
    std::vector<fs::path> roots;
    for (int i = 1; i < argc; ++i)
        roots.emplace_back(argv[i]);
    if (roots.empty())
        roots.emplace_back(WRENLY_FUZZ_CORPUS);

    std::vector<fs::path> inputs;
    for (const fs::path &root : roots) {
        if (fs::is_directory(root)) {
            for (const fs::directory_entry &e : fs::directory_iterator(root)) {
                if (e.is_regular_file())
                    inputs.push_back(e.path());
            }
        } else {
            inputs.push_back(root);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    // An empty or missing corpus would pass without testing anything.
    if (inputs.empty()) {
        std::fprintf(stderr, "no inputs\n");
        return 1;
    }
    for (const fs::path &p : inputs) {
        std::ifstream in(p, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", p.c_str());
            return 1;
        }
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::printf("%s (%zu bytes)\n", p.c_str(), bytes.size());
        std::fflush(stdout);
        // A heap copy of exactly the file's size, so that reads past its end are caught.
        std::vector<std::uint8_t> buffer(bytes.begin(), bytes.end());
        LLVMFuzzerTestOneInput(buffer.data(), buffer.size());
    }
    std::printf("%zu inputs\n", inputs.size());
    return 0;
}
