#include "pngfile.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint8_t kBitDepth = 8;
constexpr uint8_t kTrueColour = 2;
constexpr uint8_t kNoFilter = 0;
constexpr size_t kMaxStoredBlock = 65535;
constexpr uint32_t kAdlerModulus = 65521;

uint32_t Crc(const uint8_t* data, size_t size, uint32_t crc = 0xFFFFFFFFu) {
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return crc;
}

void Put32(Bytes& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void Chunk(Bytes& out, const char* type, const Bytes& data) {
    Put32(out, static_cast<uint32_t>(data.size()));
    Bytes typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    Put32(out, Crc(typed.data(), typed.size()) ^ 0xFFFFFFFFu);
}

// A zlib stream of stored (uncompressed) blocks.
Bytes Stored(const Bytes& raw) {
    Bytes z = {0x78, 0x01};
    for (size_t at = 0; at < raw.size() || at == 0; at += kMaxStoredBlock) {
        const size_t length = std::min(kMaxStoredBlock, raw.size() - at);
        const bool last = at + length >= raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(length & 0xFF);
        z.push_back(length >> 8);
        z.push_back(~length & 0xFF);
        z.push_back((~length >> 8) & 0xFF);
        z.insert(z.end(), raw.begin() + at, raw.begin() + at + length);
        if (last) break;
    }
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % kAdlerModulus;
        b = (b + a) % kAdlerModulus;
    }
    Put32(z, (b << 16) | a);
    return z;
}

}  // namespace

bool CPngFile::Write(const CPixelBuffer& picture, const char* path) {
    Bytes header;
    Put32(header, static_cast<uint32_t>(picture.Width()));
    Put32(header, static_cast<uint32_t>(picture.Height()));
    header.insert(header.end(), {kBitDepth, kTrueColour, 0, 0, 0});

    const size_t rowBytes = static_cast<size_t>(picture.Width()) * CPixelBuffer::kChannels;
    Bytes raw;
    raw.reserve((rowBytes + 1) * picture.Height());
    for (int y = 0; y < picture.Height(); ++y) {
        raw.push_back(kNoFilter);
        const uint8_t* row = picture.Data() + rowBytes * y;
        raw.insert(raw.end(), row, row + rowBytes);
    }

    Bytes file(kSignature, kSignature + sizeof kSignature);
    Chunk(file, "IHDR", header);
    Chunk(file, "IDAT", Stored(raw));
    Chunk(file, "IEND", {});

    std::FILE* f = std::fopen(path, "wb");
    if (f == nullptr) return false;
    const bool written = std::fwrite(file.data(), 1, file.size(), f) == file.size();
    return std::fclose(f) == 0 && written;
}
