#include "vesztes.h"

// vesztes INPUT RESULT: decides whether the decomposition in INPUT is
// lossless and writes INPUT followed by the verdict to RESULT.
// Leallas ends the process; only in-process test harnesses make it throw.
#ifdef _WIN32
// The arguments as Unicode, whatever the ANSI code page holds, carried on
// as UTF-8; a console shows the texts as UTF-8 while the program runs.
int wmain(int argc, wchar_t* argv[]) {  // NOLINT(bugprone-exception-escape)
    static const UINT kodlap = GetConsoleOutputCP();
    DWORD mod = 0;
    if (GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mod) && SetConsoleOutputCP(CP_UTF8))
        std::atexit([] { SetConsoleOutputCP(kodlap); });
    if (argc != 3) Leallas("Hiba a parameterek szamanal!\n");
    TeljesFutas(std::filesystem::path(argv[1]).u8string(),
                std::filesystem::path(argv[2]).u8string());
    return 0;
}
#else
int main(int argc, char* argv[]) {  // NOLINT(bugprone-exception-escape)
    if (argc != 3) Leallas("Hiba a parameterek szamanal!\n");
    TeljesFutas(argv[1], argv[2]);
    return 0;
}
#endif
