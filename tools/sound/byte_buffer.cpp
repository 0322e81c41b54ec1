#include "byte_buffer.h"

#include <fstream>
#include <iostream>
#include <stdexcept>

namespace belvane::sound {

void AppendBe16(Bytes &out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

void AppendBe32(Bytes &out, std::uint32_t value)
{
    AppendBe16(out, static_cast<std::uint16_t>(value >> 16));
    AppendBe16(out, static_cast<std::uint16_t>(value));
}

void AppendLe16(Bytes &out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void AppendLe32(Bytes &out, std::uint32_t value)
{
    AppendLe16(out, static_cast<std::uint16_t>(value));
    AppendLe16(out, static_cast<std::uint16_t>(value >> 16));
}

void AppendText(Bytes &out, std::string_view text) { out.insert(out.end(), text.begin(), text.end()); }

void WriteFile(const std::filesystem::path &path, const Bytes &bytes)
{
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path());
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

int GenerateFile(int argc, char **argv, std::string_view usage, const std::function<Bytes()> &make)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " " << usage << "\n";
        return 2;
    }
    try {
        WriteFile(argv[1], make());
    } catch (const std::exception &error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}

} // namespace belvane::sound
