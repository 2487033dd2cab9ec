// Fuzz target over a whole run: parse, tableau, chase, verdict, result file.
// A run that the program ends with a message is an ordinary outcome here; a
// crash, a hang, undefined behaviour, a leak, a result file that is not the
// input plus the verdict, or a final tableau that differs from the plain
// reference chase is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "referencia.h"
#include "tamogatas.h"

namespace {

// A folder of this process's own for the input and result files, removed at exit.
struct Mappa {
    std::filesystem::path ut = std::filesystem::temp_directory_path() /
                               ("vesztes_fuzz_" + std::to_string(std::random_device{}()));
    Mappa() { std::filesystem::create_directories(ut); }
    ~Mappa() {
        std::error_code e;
        std::filesystem::remove_all(ut, e);
    }
    Mappa(const Mappa&) = delete;
    Mappa& operator=(const Mappa&) = delete;
};

const std::string& Ut(const char* nev) {
    static const Mappa mappa;
    static const std::string be = (mappa.ut / "be.txt").string();
    static const std::string ki = (mappa.ut / "ki.txt").string();
    return nev[0] == 'b' ? be : ki;
}

void Elvart(bool feltetel, const char* mi) {
    if (!feltetel) {
        std::fprintf(stderr, "finding: %s\n", mi);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* adat, size_t meret) {
    const std::string tartalom(reinterpret_cast<const char*>(adat), meret);
    const std::string& be = Ut("be");
    const std::string& ki = Ut("ki");
    {
        std::ofstream f(be, std::ios::binary | std::ios::trunc);
        f << tartalom;
    }
    std::filesystem::remove(ki);

    const Futas f = Futtat(be, ki);
    if (f.statusz == 0) {
        // The reference is quadratic in the rows per pass: only small inputs.
        if (f.bemenet.semak.size() <= 64)
            Elvart(f.vegso == referencia::Chase(f.bemenet),
                   "final tableau differs from the reference chase");
        Elvart(f.eredmeny == VartEredmeny(tartalom, referencia::Vesztesegmentes(f.vegso)),
               "result file is not the input text plus the verdict");
        Elvart(f.kimenet == KeszSzoveg(ki), "a successful run without its closing text");
    } else {
        Elvart(f.statusz == 1, "exit status other than 1");
        Elvart(!f.kimenet.empty(), "a failed run without a message");
        Elvart(!std::filesystem::exists(ki), "a failed parse wrote the result file");
    }
    return 0;
}
