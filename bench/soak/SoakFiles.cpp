#include "bench/soak/SoakFiles.h"

#include <algorithm>
#include <random>

namespace soak {
namespace {

const char* const kSpecies[] = {"Gran", "Tall", "Bjork", "Ek", "Bok", "Asp", "Al", "Lark"};

std::string TreeRecords(std::mt19937_64& rng, std::size_t length) {
    std::string text;
    std::uniform_int_distribution<int> species(0, 7), dbh(80, 650), height(30, 320), plot(1, 40);
    while (text.size() < length) {
        text += std::to_string(plot(rng)) + ";" + kSpecies[species(rng)] + ";" +
                std::to_string(dbh(rng)) + ";" + std::to_string(height(rng) / 10) + "." +
                std::to_string(height(rng) % 10) + ";\r\n";
    }
    text.resize(length);
    return text;
}

std::string ProgramImage(std::mt19937_64& rng, std::size_t length) {
    std::string image;
    std::uniform_int_distribution<int> byte(0, 255), kind(0, 9), run(3, 200);
    while (image.size() < length) {
        const int k = kind(rng);
        if (k == 0) {
            image.append(run(rng), '\0');
        } else if (k == 1) {
            image.append(run(rng), '\xFF');
        } else {
            for (int i = run(rng); i > 0; --i)
                image += static_cast<char>(byte(rng));
        }
    }
    image.resize(length);
    return image;
}

}  // namespace

std::string MakeSoakFile(std::uint64_t seed, int minSize, int maxSize) {
    std::mt19937_64 rng(seed);
    const std::size_t size = std::uniform_int_distribution<int>(minSize, maxSize)(rng);
    std::uniform_int_distribution<int> stretch(512, 4096);
    std::string file;
    bool text = rng() % 2 == 0;
    while (file.size() < size) {
        const std::size_t n = std::min<std::size_t>(stretch(rng), size - file.size());
        file += text ? TreeRecords(rng, n) : ProgramImage(rng, n);
        text = !text;
    }
    return file;
}

}  // namespace soak
