// SPDX-License-Identifier: MIT
// Runs the fuzz target as an ordinary test, without libFuzzer: a bounded number of inputs from a seeded
// generator that favours what the field rules care about (numbers in both widths, signs, points, spaces,
// line ends, surrogates, pieces of real entries, a few very long texts).
//
//   field_text_random [COUNT]               COUNT inputs (default 12000, or AOBA_FUZZ_INPUTS), seed
//   AOBA_FUZZ_SEED field_text_random --corpus DIR [COUNT]  writes the inputs to DIR instead, to seed
//   libFuzzer field_text_random FILE...               replays saved inputs, such as libFuzzer's crash files
// With AOBA_FUZZ_KEEP=PATH each input is written to PATH before it runs, so a crash leaves it behind.
#include "tests/fuzz/random_text.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using namespace random_text;

// Two header units (the entry, the split point) and the text.
std::u16string Input(Rng& rng) {
    const int entry = 1 + static_cast<int>(Below(rng, 382));
    std::u16string text;
    std::size_t split = 0;
    switch (Below(rng, 8)) {
    case 0: text = YearAndMonth(rng, split); break;
    case 1: // two numbers of any kind
        text = Number(rng);
        split = text.size();
        text += Number(rng);
        break;
    case 2:
    case 3: // a piece of the chosen entry, to search for
        text = Snippet(rng, entry);
        split = Below(rng, text.size() + 1);
        break;
    default:
        for (std::size_t n = Below(rng, 8); n > 0; --n)
            text += Piece(rng);
        split = Below(rng, text.size() + 1);
        break;
    }
    if (rng() % 150 == 0) { // very long: the same piece again and again
        const std::u16string unit = text.empty() ? Piece(rng) : text;
        const std::size_t length = Below(rng, 100000) + 1;
        text.clear();
        while (text.size() < length)
            text += unit;
        text.resize(length);
        split = Below(rng, text.size() + 1);
    }
    // The target reads the split point modulo the text's length plus one.
    return std::u16string{static_cast<char16_t>(entry - 1), static_cast<char16_t>(split % 65536)} + text;
}

void Run(const std::string& bytes, const char* keep) {
    if (keep)
        std::ofstream(keep, std::ios::binary) << bytes;
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char** argv) {
    const char* keep = std::getenv("AOBA_FUZZ_KEEP");
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string corpus;
    if (args.size() >= 2 && args[0] == "--corpus") {
        corpus = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    if (!args.empty() && args[0].find_first_not_of("0123456789") != std::string::npos) {
        for (const std::string& file : args) {
            std::ifstream in(file, std::ios::binary);
            Run(std::string(std::istreambuf_iterator<char>(in), {}), keep);
        }
        std::printf("%zu saved inputs run\n", args.size());
        return 0;
    }
    const char* countText = !args.empty() ? args[0].c_str() : std::getenv("AOBA_FUZZ_INPUTS");
    const char* seedText = std::getenv("AOBA_FUZZ_SEED");
    const unsigned long count = countText ? std::strtoul(countText, nullptr, 10) : 12000;
    const std::uint64_t seed = seedText ? std::strtoull(seedText, nullptr, 0) : 0x5eed0a0ba;
    std::printf("seed %#llx\n", static_cast<unsigned long long>(seed));
    std::fflush(stdout);
    Rng rng(seed);
    for (unsigned long i = 0; i < count; ++i) {
        const std::u16string input = Input(rng);
        const std::string bytes(reinterpret_cast<const char*>(input.data()), input.size() * 2);
        if (corpus.empty())
            Run(bytes, keep);
        else
            std::ofstream(corpus + "/" + std::to_string(i), std::ios::binary) << bytes;
    }
    std::printf(corpus.empty() ? "%lu inputs run\n" : "%lu inputs written\n", count);
    return 0;
}
