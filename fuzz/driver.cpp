// Runs a fuzz target's properties without the fuzzing engine, so that every
// test run checks them: first every seed input of its corpus, then a few
// thousand inputs made from a fixed random sequence (fresh bytes in the
// alphabet the readers care about, and the seeds changed, cut and spliced).
// A broken property aborts, which fails the test.  `./build.sh fuzz` runs the
// same targets under libFuzzer for long searches.
//
//   <target> <corpus folder> [count of made inputs, default 3000]

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

using Bytes = std::vector<uint8_t>;

struct Random {
    uint64_t x = 0x9e3779b97f4a7c15ull;
    uint64_t next()
    {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        return x;
    }
    size_t below(size_t n) { return n ? size_t(next() % n) : 0; }
};

// Bytes the readers treat specially, given more often than the others.
constexpr char alphabet[] = "0123456789 ,.-+fFok\t\r\n";

uint8_t anyByte(Random& r)
{
    return r.below(3) ? uint8_t(alphabet[r.below(sizeof alphabet - 1)]) : uint8_t(r.next());
}

Bytes made(Random& r, const std::vector<Bytes>& seeds)
{
    Bytes b;
    if (seeds.empty() || r.below(3) == 0) {
        b.resize(r.below(80));
        for (uint8_t& c : b)
            c = anyByte(r);
        return b;
    }
    b = seeds[r.below(seeds.size())];
    for (size_t edits = 1 + r.below(4); edits > 0; --edits) {
        switch (r.below(4)) {
        case 0: // change a byte
            if (!b.empty())
                b[r.below(b.size())] = anyByte(r);
            break;
        case 1: // insert a byte
            b.insert(b.begin() + std::ptrdiff_t(r.below(b.size() + 1)), anyByte(r));
            break;
        case 2: // cut
            if (!b.empty())
                b.resize(r.below(b.size()));
            break;
        default: { // splice another seed in
            const Bytes& other = seeds[r.below(seeds.size())];
            const size_t from = r.below(other.size() + 1);
            b.insert(b.begin() + std::ptrdiff_t(r.below(b.size() + 1)),
                     other.begin() + std::ptrdiff_t(from), other.end());
        }
        }
    }
    return b;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <corpus folder> [count]\n", argv[0]);
        return 2;
    }
    const long count = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 3000;
    std::vector<Bytes> seeds;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        std::ifstream in(entry.path(), std::ios::binary);
        seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (seeds.empty()) {
        std::fprintf(stderr, "no seed inputs in %s\n", argv[1]);
        return 2;
    }
    for (const Bytes& seed : seeds)
        LLVMFuzzerTestOneInput(seed.data(), seed.size());
    Random r;
    for (long i = 0; i < count; ++i) {
        const Bytes b = made(r, seeds);
        LLVMFuzzerTestOneInput(b.data(), b.size());
    }
    std::printf("%zu seed inputs and %ld made inputs: every property held\n", seeds.size(), count);
    return 0;
}
