#include "collections/CodePage932.h"

#include <iconv.h>

#include <cerrno>

namespace lumora {

namespace {

// One converter per direction and thread, opened on first use: opening one
// per name would dominate building a tree of thousands of rows.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

Converter& encoder() {
    thread_local Converter c("CP932", "UTF-8");
    return c;
}

Converter& decoder() {
    thread_local Converter c("UTF-8", "CP932");
    return c;
}

bool isAscii(std::string_view s) {
    for (unsigned char ch : s)
        if (ch >= 0x80) return false;
    return true;
}

// Length of the UTF-8 sequence at s[i], or 0 when it is not a valid one
// (overlong forms, surrogates and values past U+10FFFF included).
std::size_t utf8Length(std::string_view s, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    const std::size_t left = s.size() - i;
    auto cont = [&](std::size_t k) { return (b(k) & 0xC0) == 0x80; };
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) return left >= 2 && cont(i + 1) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        if (left < 3 || !cont(i + 1) || !cont(i + 2)) return 0;
        if (c == 0xE0 && b(i + 1) < 0xA0) return 0;
        if (c == 0xED && b(i + 1) >= 0xA0) return 0;
        return 3;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        if (left < 4 || !cont(i + 1) || !cont(i + 2) || !cont(i + 3)) return 0;
        if (c == 0xF0 && b(i + 1) < 0x90) return 0;
        if (c == 0xF4 && b(i + 1) >= 0x90) return 0;
        return 4;
    }
    return 0;
}

// Runs iconv over the whole input. On a sequence it cannot take, `onBad` is
// told the offset and returns how many input bytes to skip (0 = give up) and
// may append a replacement to the output.
template <typename OnBad>
bool runIconv(iconv_t cd, std::string_view in, std::string& out, OnBad onBad) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::size_t pos = 0;
    char buf[1024];
    while (pos < in.size()) {
        char* inPtr = const_cast<char*>(in.data() + pos);
        std::size_t inLeft = in.size() - pos;
        char* outPtr = buf;
        std::size_t outLeft = sizeof buf;
        const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        const int err = errno;
        out.append(buf, static_cast<std::size_t>(outPtr - buf));
        pos = in.size() - inLeft;
        if (r != static_cast<std::size_t>(-1)) continue;
        if (err == E2BIG) continue;
        // EILSEQ or EINVAL: a sequence that cannot be converted here.
        const std::size_t skip = onBad(pos, out);
        if (skip == 0) return false;
        pos += skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return true;
}

}  // namespace

Cp932Text utf8ToCp932(std::string_view utf8) {
    Cp932Text result;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = utf8Length(utf8, i);
        if (n == 0) {
            result.status = Cp932Status::InvalidInput;
            return result;
        }
        i += n;
    }
    if (isAscii(utf8)) {
        result.text = utf8;
        return result;
    }
    Converter& c = encoder();
    if (!c.valid()) {
        result.status = Cp932Status::ConverterMissing;
        return result;
    }
    int replaced = 0;
    const bool ok = runIconv(c.get(), utf8, result.text, [&](std::size_t at, std::string& out) -> std::size_t {
        // The input was checked above, so this is a character the code page lacks.
        ++replaced;
        out.push_back('?');
        return utf8Length(utf8, at);
    });
    if (!ok) {
        result.status = Cp932Status::InvalidInput;
        result.text.clear();
        return result;
    }
    result.replaced = replaced;
    return result;
}

Cp932Text cp932ToUtf8(std::string_view bytes) {
    Cp932Text result;
    if (isAscii(bytes)) {
        result.text = bytes;
        return result;
    }
    Converter& c = decoder();
    if (!c.valid()) {
        result.status = Cp932Status::ConverterMissing;
        return result;
    }
    if (!runIconv(c.get(), bytes, result.text, [](std::size_t, std::string&) -> std::size_t { return 0; })) {
        result.status = Cp932Status::InvalidInput;
        result.text.clear();
    }
    return result;
}

std::string cp932ToUtf8Lossy(std::string_view bytes) {
    if (isAscii(bytes)) return std::string(bytes);
    std::string out;
    Converter& c = decoder();
    if (!c.valid()) {
        // Without a converter keep what is certain: ASCII, and a mark for the rest.
        for (unsigned char ch : bytes) {
            if (ch < 0x80)
                out.push_back(static_cast<char>(ch));
            else
                out += "\xEF\xBF\xBD";
        }
        return out;
    }
    runIconv(c.get(), bytes, out, [](std::size_t, std::string& o) -> std::size_t {
        o += "\xEF\xBF\xBD";
        return 1;
    });
    return out;
}

}  // namespace lumora
