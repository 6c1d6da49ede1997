#include "fit/TextDecoding.h"

#include <algorithm>
#include <cstdint>

namespace fit {

namespace {

void AppendUtf8(std::string& out, std::uint32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

constexpr std::uint32_t kReplacement = 0xFFFD;

// The length of the UTF-8 sequence at text[i], or 0 if none starts there.
std::size_t Utf8Length(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) {
        return static_cast<unsigned char>(text[k]);
    };
    const unsigned char b = byte(i);
    if (b < 0x80)
        return 1;
    std::size_t n = 0;
    std::uint32_t min = 0;
    std::uint32_t c = 0;
    if ((b & 0xE0) == 0xC0) {
        n = 2, min = 0x80, c = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        n = 3, min = 0x800, c = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        n = 4, min = 0x10000, c = b & 0x07;
    } else {
        return 0;
    }
    if (i + n > text.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return n;
}

// The GBK characters of column names and units, and what they are in UTF-8.
struct GbkCharacter {
    unsigned char lead;
    unsigned char trail;
    const char* utf8;
};
constexpr GbkCharacter kGbk[] = {
    {0xD3, 0xA6, "\xE5\xBA\x94"},  // 应
    {0xB1, 0xE4, "\xE5\x8F\x98"},  // 变
    {0xC1, 0xA6, "\xE5\x8A\x9B"},  // 力
    {0xCE, 0xA2, "\xE5\xBE\xAE"},  // 微
    {0xD6, 0xB5, "\xE5\x80\xBC"},  // 值
    {0xA6, 0xCC, "\xCE\xBC"},      // μ
    {0xA6, 0xC5, "\xCE\xB5"},      // ε
    {0xA6, 0xD2, "\xCF\x83"},      // σ
    {0xA1, 0xEB, "\xE2\x80\xB0"},  // ‰
    {0xA3, 0xA8, "\xEF\xBC\x88"},  // （
    {0xA3, 0xA9, "\xEF\xBC\x89"},  // ）
    {0xA3, 0xA5, "\xEF\xBC\x85"},  // ％
    {0xA3, 0xAF, "\xEF\xBC\x8F"},  // ／
    {0xA1, 0xBE, "\xE3\x80\x90"},  // 【
    {0xA1, 0xBF, "\xE3\x80\x91"},  // 】
    {0xA3, 0xDB, "\xEF\xBC\xBB"},  // ［
    {0xA3, 0xDD, "\xEF\xBC\xBD"},  // ］
};

const GbkCharacter* FindGbk(unsigned char lead, unsigned char trail)
{
    for (const GbkCharacter& g : kGbk)
        if (g.lead == lead && g.trail == trail)
            return &g;
    return nullptr;
}

bool HasKnownGbk(std::string_view line)
{
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        const auto lead = static_cast<unsigned char>(line[i]);
        if (lead < 0x81)
            continue;
        if (FindGbk(lead, static_cast<unsigned char>(line[i + 1])))
            return true;
        ++i;  // a GBK pair: its second byte starts nothing
    }
    return false;
}

}  // namespace

bool ValidUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = Utf8Length(text, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

std::string_view DecodeText(std::string_view bytes, std::string& storage)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return bytes.substr(3);
    const bool little = bytes.starts_with("\xFF\xFE");
    const bool big = bytes.starts_with("\xFE\xFF");
    if (!little && !big)
        return bytes;
    storage.clear();
    storage.reserve(bytes.size());
    const auto unit = [&](std::size_t i) -> std::uint32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return little ? std::uint32_t(a | (b << 8)) : std::uint32_t((a << 8) | b);
    };
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        std::uint32_t c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size()) {
            const std::uint32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            } else {
                c = kReplacement;
            }
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;
        }
        AppendUtf8(storage, c);
    }
    return storage;
}

std::string DecodeHeadingText(std::string_view line)
{
    if (ValidUtf8(line))
        return std::string(line);
    std::string out;
    out.reserve(line.size() * 2);
    if (HasKnownGbk(line)) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            const auto lead = static_cast<unsigned char>(line[i]);
            if (lead < 0x80) {
                out += char(lead);
                continue;
            }
            if (i + 1 < line.size()) {
                if (const GbkCharacter* g = FindGbk(lead, static_cast<unsigned char>(line[i + 1])))
                    out += g->utf8;
                else
                    AppendUtf8(out, kReplacement);
                ++i;
            } else {
                AppendUtf8(out, kReplacement);
            }
        }
        return out;
    }
    for (const char c : line)
        AppendUtf8(out, static_cast<unsigned char>(c));
    return out;
}

std::string PrintableText(std::string_view text, std::size_t maxBytes)
{
    const bool cut = text.size() > maxBytes * 4;
    if (cut) {
        // Decoding may grow the text, but never fourfold; cut where no UTF-8 sequence goes on.
        std::size_t end = maxBytes * 4;
        for (int k = 0; k < 3 && end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80;
             ++k)
            --end;
        text = text.substr(0, end);
    }
    const std::string decoded = DecodeHeadingText(text);
    std::string out;
    out.reserve(std::min(decoded.size(), maxBytes) + 3);
    for (std::size_t i = 0; i < decoded.size();) {
        std::size_t n = Utf8Length(decoded, i);
        std::string piece;
        if (n == 0) {
            AppendUtf8(piece, kReplacement);  // a sequence cut short by the limit above
            n = 1;
        } else {
            const auto b = static_cast<unsigned char>(decoded[i]);
            if ((b < 0x20 && b != '\t') || b == 0x7F)
                AppendUtf8(piece, kReplacement);
            else
                piece.assign(decoded, i, n);
        }
        if (out.size() + piece.size() > maxBytes) {
            out += "\xE2\x80\xA6";  // …
            return out;
        }
        out += piece;
        i += n;
    }
    if (cut)
        out += "\xE2\x80\xA6";
    return out;
}

}  // namespace fit
