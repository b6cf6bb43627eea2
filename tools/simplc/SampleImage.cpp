#include "tools/simplc/SampleImage.h"

#include <cstdio>

namespace {

using Bytes = std::vector<uint8_t>;

void PutWord(Bytes& bytes, size_t at, uint16_t value) {
    bytes[at] = static_cast<uint8_t>(value & 0xFF);
    bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

void AppendWord(Bytes& bytes, uint16_t value) {
    bytes.push_back(static_cast<uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
}

// Section header: length, type, 6, type, 0, then the body.
Bytes Section(uint8_t type, const Bytes& body) {
    Bytes section = {0, 0, type, 6, type, 0};
    section.insert(section.end(), body.begin(), body.end());
    PutWord(section, 0, static_cast<uint16_t>(section.size()));
    return section;
}

}  // namespace

std::vector<uint8_t> MakeSampleImage(const SampleImageSpec& spec) {
    const Bytes modules = Section(4, {1, 4, 0, 0, 0, 0, 0});
    const Bytes cpu = Section(5, Bytes(40, 0x5C));
    Bytes program(spec.programBytes);
    for (size_t i = 0; i < program.size(); ++i)
        program[i] = static_cast<uint8_t>(i * 7 + 1);
    const Bytes code = Section(6, program);
    const Bytes initial = Section(7, {});
    Bytes lists;
    AppendWord(lists, static_cast<uint16_t>(spec.monitorCodes.size()));
    for (uint16_t c : spec.monitorCodes)
        AppendWord(lists, c);
    AppendWord(lists, spec.monitorDataSize);
    const Bytes monitor = Section(8, lists);

    Bytes directory;
    for (const Bytes* s : {&modules, &cpu, &code, &initial, &monitor})
        AppendWord(directory, static_cast<uint16_t>(s->size()));
    directory.insert(directory.end(), {1, 1, 0, 0, 0, 0});  // one unit: MAIN
    AppendWord(directory, spec.projectCrc);                   // CRC slot: low, high
    Bytes image = Section(3, directory);
    for (const Bytes* s : {&modules, &cpu, &code, &initial, &monitor})
        image.insert(image.end(), s->begin(), s->end());
    return image;
}

bool WriteImageFile(const std::string& path, const std::vector<uint8_t>& image) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(image.data(), 1, image.size(), file) == image.size();
    return std::fclose(file) == 0 && written;
}
