#include "byte_buffer.h"

#include <fstream>
#include <iostream>
#include <stdexcept>

namespace belvane::sound {

void append_be16(Bytes &out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

void append_be32(Bytes &out, std::uint32_t value)
{
    append_be16(out, static_cast<std::uint16_t>(value >> 16));
    append_be16(out, static_cast<std::uint16_t>(value));
}

void append_le16(Bytes &out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void append_le32(Bytes &out, std::uint32_t value)
{
    append_le16(out, static_cast<std::uint16_t>(value));
    append_le16(out, static_cast<std::uint16_t>(value >> 16));
}

void append_text(Bytes &out, std::string_view text) { out.insert(out.end(), text.begin(), text.end()); }

void write_file(const std::filesystem::path &path, const Bytes &bytes)
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

int generate_file(int argc, char **argv, std::string_view usage, const std::function<Bytes()> &make)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " " << usage << "\n";
        return 2;
    }
    try {
        write_file(argv[1], make());
    } catch (const std::exception &error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}

} // namespace belvane::sound
