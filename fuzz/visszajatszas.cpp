// Replays fuzz inputs through the fuzz target without libFuzzer, so that any
// compiler can run the corpus as an ordinary test:
//   fuzz_visszajatszas FILE_OR_FOLDER...
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* adat, size_t meret);

int main(int argc, char* argv[]) {
    std::vector<std::filesystem::path> fajlok;
    for (int i = 1; i < argc; ++i) {
        if (std::filesystem::is_directory(argv[i])) {
            for (const auto& e : std::filesystem::directory_iterator(argv[i]))
                if (e.is_regular_file()) fajlok.push_back(e.path());
        } else {
            fajlok.emplace_back(argv[i]);
        }
    }
    for (const auto& f : fajlok) {
        std::ifstream be(f, std::ios::binary);
        const std::string adat((std::istreambuf_iterator<char>(be)),
                               std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(adat.data()), adat.size());
    }
    std::printf("%zu passed, 0 failed\n", fajlok.size());
    return fajlok.empty() ? 1 : 0;
}
