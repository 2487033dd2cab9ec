// Whole runs (parse, tableau, chase, result file) on random inputs and on the
// inputs built to hurt a chase, each family at two sizes four times apart;
// the floor of reading and copying the input alone; the plain reference
// chase on the smallest random size.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "generator.h"
#include "referencia.h"
#include "tamogatas.h"
#include "vesztes.h"

namespace {

void Veletlen(benchmark::internal::Benchmark* b) {
    b->Args({200, 200, 60})
        ->Args({5000, 5000, 255})
        ->Args({20000, 20000, 255})
        ->ArgNames({"semak", "fugg", "attr"})
        ->Unit(benchmark::kMillisecond);
}

void Meres(benchmark::State& st, const std::string& szoveg) {
    IdeiglenesFajl be(szoveg);
    IdeiglenesFajl ki("");
    Futas f;
    for (auto _ : st) f = Futtat(be.Ut(), ki.Ut(), Reszletek::Nem);
    if (f.statusz != 0) st.SkipWithError("the run ended with a message");
    st.counters["osszevonas"] = static_cast<double>(f.osszevonasok);
    st.counters["proba"] = static_cast<double>(f.probak);
    st.counters["atmenet"] = static_cast<double>(f.menetesek);
}

void Futas(benchmark::State& st) {
    Meres(st, generator::General(static_cast<int>(st.range(0)), static_cast<int>(st.range(1)),
                                 static_cast<int>(st.range(2))));
}
BENCHMARK(Futas)->Apply(Veletlen);

// Reading the input as text and writing it back: what any run costs at least.
void Masolas(benchmark::State& st) {
    IdeiglenesFajl be(generator::General(static_cast<int>(st.range(0)),
                                         static_cast<int>(st.range(1)),
                                         static_cast<int>(st.range(2))));
    IdeiglenesFajl ki("");
    std::string szoveg;
    for (auto _ : st) {
        std::ifstream f;
        if (!Megnyit(f, be.Ut()) || !Beolvasas(f, szoveg) ||
            EgeszenIr(ki.Ut(), {szoveg, "\n\nvesztesegmentes"}) != IrasHiba::Nincs)
            st.SkipWithError("the copy failed");
    }
}
BENCHMARK(Masolas)->Apply(Veletlen);

void Referencia(benchmark::State& st) {
    IdeiglenesFajl be(generator::General(200, 200, 60));
    Vesztes v(be.Ut());
    const referencia::Bemenet b = VesztesVizsgalo::Bemenet(v);
    for (auto _ : st) benchmark::DoNotOptimize(referencia::Chase(b));
}
BENCHMARK(Referencia)->Unit(benchmark::kMillisecond)->Iterations(1);

// Each family at its size and four times it (schemas; attributumonkent_egy:
// dependencies).
const int kCsaladok = [] {
    for (const auto& c : generator::Csaladok())
        for (int n : {c.meret, 4 * c.meret})
            benchmark::RegisterBenchmark(
                (std::string("Rossz/") + c.nev + "/" + std::to_string(n)).c_str(),
                [cs = c.csalad, n](benchmark::State& st) { Meres(st, generator::Rossz(cs, n)); })
                ->Unit(benchmark::kMillisecond);
    return 0;
}();

}  // namespace

BENCHMARK_MAIN();
