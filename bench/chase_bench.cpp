// Whole runs (parse, tableau, chase, result file) on generated inputs, the
// floor of reading and copying the input alone, and the plain reference
// chase on the smallest size.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "generator.h"
#include "referencia.h"
#include "segito.h"
#include "vesztes.h"

namespace {

struct Fajlok {
    IdeiglenesFajl be;
    IdeiglenesFajl ki{""};
    explicit Fajlok(const benchmark::State& st)
        : be(generator::General(static_cast<int>(st.range(0)), static_cast<int>(st.range(1)),
                                static_cast<int>(st.range(2)))) {}
};

void Meretek(benchmark::internal::Benchmark* b) {
    b->Args({200, 200, 60})
        ->Args({2000, 2000, 255})
        ->Args({8000, 2000, 255})
        ->Args({5000, 5000, 255})
        ->ArgNames({"semak", "fugg", "attr"})
        ->Unit(benchmark::kMillisecond);
}

void Futas(benchmark::State& st) {
    Fajlok f(st);
    int menetek = 0;
    for (auto _ : st) {
        Vesztes v(f.be.Ut());
        v.VesztesegetKeres();
        v.EredmenytKiir(f.be.Ut(), f.ki.Ut());
        menetek = VesztesVizsgalo::Menetek(v);
    }
    st.counters["menetek"] = menetek;
}
BENCHMARK(Futas)->Apply(Meretek);

// Reading the input as text and writing it back: what any run costs at least.
void Masolas(benchmark::State& st) {
    Fajlok f(st);
    for (auto _ : st) {
        std::ifstream be(f.be.Ut(), std::ios::binary);
        std::ofstream ki(f.ki.Ut());
        char ch = 0;
        while (SzovegOlvas(be, ch)) ki.put(ch);
        ki << "\n\nvesztesegmentes";
    }
}
BENCHMARK(Masolas)->Apply(Meretek);

void Referencia(benchmark::State& st) {
    Fajlok f(st);
    Vesztes v(f.be.Ut());
    const referencia::Bemenet b = VesztesVizsgalo::Bemenet(v);
    int menetek = 0;
    for (auto _ : st) benchmark::DoNotOptimize(referencia::Chase(b, &menetek));
    st.counters["menetek"] = menetek;
}
BENCHMARK(Referencia)
    ->Args({200, 200, 60})
    ->ArgNames({"semak", "fugg", "attr"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
